#include "TimingOverrides.h"

#include "WholeNumber.h"

namespace pindeckctl {
namespace {

constexpr const char* kActions = "Time_Between_Actions_MS";
constexpr const char* kPressRelease = "Time_Between_Press_Release_MS";
constexpr const char* kUpKeyOnRepeat = "Send_Upkey_OnKeyRepeat";
constexpr const char* kRepeatPressRelease = "Time_Between_Repeat_Press_Release_MS";

}  // namespace

std::optional<TimingOverride> ParseTimingOverride(const std::string& text, std::string& error) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) {
        error = "--set takes KEY=VALUE, got \"" + text + "\"";
        return std::nullopt;
    }
    TimingOverride result{text.substr(0, equals), 0};
    const std::string value = text.substr(equals + 1);

    if (result.key == kUpKeyOnRepeat) {
        if (value != "true" && value != "false") {
            error = std::string(kUpKeyOnRepeat) + " takes true or false, got \"" + value + "\"";
            return std::nullopt;
        }
        result.number = value == "true" ? 1 : 0;
        return result;
    }
    if (result.key != kActions && result.key != kPressRelease &&
        result.key != kRepeatPressRelease) {
        error = "unknown setting \"" + result.key + "\"";
        return std::nullopt;
    }
    const std::optional<std::int64_t> number = ParseWholeNumber<std::int64_t>(value);
    if (!number) {
        error = result.key + " takes a whole number, got \"" + value + "\"";
        return std::nullopt;
    }
    result.number = *number;
    return result;
}

void ApplyTimingOverride(const TimingOverride& override, Tambo::EngineTimings& timings) {
    if (override.key == kActions) {
        timings.actionsMs = override.number;
    } else if (override.key == kPressRelease) {
        timings.pressReleaseMs = override.number;
    } else if (override.key == kRepeatPressRelease) {
        timings.repeatPressReleaseMs = override.number;
    } else if (override.key == kUpKeyOnRepeat) {
        timings.sendUpKeyOnKeyRepeat = override.number != 0;
    }
}

}  // namespace pindeckctl
