#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/EngineTimings.h"

namespace pindeckctl {

// Timing settings given on the command line as KEY=VALUE, by their settings keys.
struct TimingOverride {
    std::string key;
    std::int64_t number = 0;  // booleans as 0 and 1
};

// Parses one KEY=VALUE; empty with a reason when the key is unknown or the value does not fit it.
std::optional<TimingOverride> ParseTimingOverride(const std::string& text, std::string& error);

void ApplyTimingOverride(const TimingOverride& override, Tambo::EngineTimings& timings);

}  // namespace pindeckctl
