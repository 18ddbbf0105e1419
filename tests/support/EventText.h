#pragma once

#include <string>
#include <vector>

#include "platform/fake/RecordingPlatform.h"

namespace test_support {

// The recorded events as short lines ("send key vk=65 scan=30 flags=0", "pause 150 ms", ...),
// so expected plays read like the tables they come from.
std::vector<std::string> EventLines(const platform_fake::RecordingPlatform& platform);

}  // namespace test_support
