#include "SettingsDocument.h"

#include <cmath>
#include <fstream>
#include <limits>
#include <utility>

#include "storage/AtomicFile.h"

namespace Tambo {
namespace {

std::int64_t Saturate(double value) {
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    if (value >= kLimit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (value < -kLimit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(std::trunc(value));
}

std::int32_t SaturateTo32(std::int64_t value) {
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

std::string Serialise(const nlohmann::json& document) {
    return document.dump(4) + "\n";
}

}  // namespace

SettingsDocument::SettingsDocument(std::filesystem::path folder, Console console)
    : folder_(std::move(folder)), console_(console) {}

void SettingsDocument::LoadSettings() {
    const std::filesystem::path path = FilePath();
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        if (ReadFile()) {
            return;
        }
        std::filesystem::path kept;
        if (storage::KeepBeside(path, kKeptSuffix, kept)) {
            console_.err << "The settings file that could not be read was kept as " << kept.string()
                         << "\n";
        }
    }
    WriteDefaults();
}

bool SettingsDocument::ReadFile() {
    const std::filesystem::path path = FilePath();
    std::error_code error;
    std::ifstream stream;
    if (!std::filesystem::is_directory(path, error)) {
        stream.open(path, std::ios::binary);
    }
    if (!stream.is_open()) {
        console_.err << "Error: Unable to open file: " << path.string() << "\n";
        return false;
    }
    try {
        nlohmann::json parsed = nlohmann::json::parse(stream);
        document_ = std::move(parsed);
    } catch (const std::exception& exception) {
        console_.err << "Error while parsing JSON file " << path.string() << ": "
                     << exception.what() << "\n";
        return false;
    }
    if (document_.is_null()) {
        console_.err << "Error: Empty or invalid JSON file: " << path.string() << "\n";
        return false;
    }
    return true;
}

void SettingsDocument::WriteDefaults() {
    if (!document_.is_object()) {
        document_ = nlohmann::json::object();
    }
    document_[SettingsKeys::kActionsMs] = 0;
    document_[SettingsKeys::kPressReleaseMs] = 50;
    document_[SettingsKeys::kUpKeyOnRepeat] = false;
    document_[SettingsKeys::kRepeatPressReleaseMs] = 20;
    document_[SettingsKeys::kControllerExclusive] = true;

    const std::filesystem::path path = FilePath();
    const storage::WriteResult result = storage::WriteFileAtomically(path, Serialise(document_));
    if (!result.ok()) {
        console_.err << "Error while writing JSON file " << path.string() << ": " << result.reason
                     << "\n";
    }
}

bool SettingsDocument::SaveSettings() {
    try {
        const storage::WriteResult result =
            storage::WriteFileAtomically(FilePath(), Serialise(document_));
        if (!result.ok()) {
            console_.out << "Error writing configurations file: " << result.reason << "\n";
            return false;
        }
    } catch (const std::exception& exception) {
        console_.out << "Error writing configurations file: " << exception.what() << "\n";
        return false;
    }
    return true;
}

std::optional<std::int64_t> SettingsDocument::ReadNumber(const std::string& key) const {
    if (!document_.is_object()) {
        return std::nullopt;
    }
    const auto member = document_.find(key);
    if (member == document_.end()) {
        return std::nullopt;
    }
    switch (member->type()) {
        case nlohmann::json::value_t::number_integer:
            return member->get<std::int64_t>();
        case nlohmann::json::value_t::number_unsigned: {
            const std::uint64_t value = member->get<std::uint64_t>();
            constexpr auto kMax =
                static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
            return static_cast<std::int64_t>(value > kMax ? kMax : value);
        }
        case nlohmann::json::value_t::number_float:
            return Saturate(member->get<double>());
        case nlohmann::json::value_t::boolean:
            return member->get<bool>() ? 1 : 0;
        default:
            return std::nullopt;  // a value of the wrong type counts as absent
    }
}

std::int64_t SettingsDocument::ReadInt64(const std::string& key, std::int64_t fallback) const {
    return ReadNumber(key).value_or(fallback);
}

std::int32_t SettingsDocument::ReadInt32(const std::string& key, std::int32_t fallback) const {
    const std::optional<std::int64_t> number = ReadNumber(key);
    return number ? SaturateTo32(*number) : fallback;
}

std::optional<std::int32_t> SettingsDocument::ReadOptionalInt32(const std::string& key) const {
    const std::optional<std::int64_t> number = ReadNumber(key);
    if (!number) {
        return std::nullopt;
    }
    return SaturateTo32(*number);
}

bool SettingsDocument::ReadBool(const std::string& key, bool fallback) const {
    if (!document_.is_object()) {
        return fallback;
    }
    const auto member = document_.find(key);
    if (member == document_.end() || !member->is_boolean()) {
        return fallback;
    }
    return member->get<bool>();
}

void SettingsDocument::Assign(const std::string& key, nlohmann::json value) {
    if (!document_.is_object()) {
        document_ = nlohmann::json::object();
    }
    document_[key] = std::move(value);
}

void SettingsDocument::CopyTimingsTo(EngineTimings& timings) const {
    timings.actionsMs = ReadInt64(SettingsKeys::kActionsMs, EngineTimings::kDefaultActionsMs);
    timings.pressReleaseMs =
        ReadInt64(SettingsKeys::kPressReleaseMs, EngineTimings::kDefaultPressReleaseMs);
    timings.sendUpKeyOnKeyRepeat = ReadBool(SettingsKeys::kUpKeyOnRepeat, false);
    timings.repeatPressReleaseMs =
        ReadInt64(SettingsKeys::kRepeatPressReleaseMs, EngineTimings::kDefaultRepeatPressReleaseMs);
}

}  // namespace Tambo
