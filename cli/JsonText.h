#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "platform/fake/RecordingPlatform.h"

namespace pindeckctl {

// A JSON string from UTF-16 text, or from an argument whose invalid bytes become U+FFFD.
nlohmann::json JsonString(std::u16string_view text);
nlohmann::json JsonStringFromArgument(std::string_view argument);

// One recorded platform event as the dry run prints it with --json.
nlohmann::json EventJson(const platform_fake::RecordedEvent& event);
// The same event for people.
std::string EventText(const platform_fake::RecordedEvent& event);

}  // namespace pindeckctl
