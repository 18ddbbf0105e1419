#pragma once

#include <cstdint>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "Console.h"
#include "EngineTimings.h"

namespace Tambo {

namespace SettingsKeys {
inline constexpr const char* kActionsMs = "Time_Between_Actions_MS";
inline constexpr const char* kPressReleaseMs = "Time_Between_Press_Release_MS";
inline constexpr const char* kUpKeyOnRepeat = "Send_Upkey_OnKeyRepeat";
inline constexpr const char* kRepeatPressReleaseMs = "Time_Between_Repeat_Press_Release_MS";
inline constexpr const char* kControllerExclusive = "ControllerExclusive";
inline constexpr const char* kDefaultBoxConfiguration = "Default_Box_Configuration";
}  // namespace SettingsKeys

// config.json in the data folder, held as one JSON document. Keys the program does not know are
// kept and written back. Readers never fail: a missing key, or a value of the wrong type, gives
// the default; a number beyond the reader's range saturates.
class SettingsDocument {
public:
    static constexpr const char* kFileName = "config.json";
    static constexpr const char* kKeptSuffix = ".bad";

    explicit SettingsDocument(std::filesystem::path folder, Console console = Console::Standard());

    // Reads the file; when it is missing or cannot be read, writes the defaults (keeping an
    // unreadable file beside it as config.json.bad first).
    void LoadSettings();
    // Writes the whole document; false (after a message on standard output) when it could not.
    bool SaveSettings();

    std::int64_t ReadInt64(const std::string& key, std::int64_t fallback) const;
    std::int32_t ReadInt32(const std::string& key, std::int32_t fallback = 0) const;
    bool ReadBool(const std::string& key, bool fallback) const;
    // The 32-bit value when the key holds a number or a boolean; empty otherwise.
    std::optional<std::int32_t> ReadOptionalInt32(const std::string& key) const;

    void Assign(const std::string& key, nlohmann::json value);

    // The four timing values, with their defaults for missing keys.
    void CopyTimingsTo(EngineTimings& timings) const;

    const nlohmann::json& Document() const { return document_; }
    std::filesystem::path FilePath() const { return folder_ / kFileName; }

private:
    bool ReadFile();
    void WriteDefaults();
    std::optional<std::int64_t> ReadNumber(const std::string& key) const;

    std::filesystem::path folder_;
    Console console_;
    nlohmann::json document_;
};

}  // namespace Tambo
