#include "ProfileFile.h"

#include <cmath>
#include <limits>

#include "engine/Text.h"

namespace Tambo::ProfileFile {
namespace {

nlohmann::json SequenceObject(std::size_t slot, const SequencePtr& sequence) {
    nlohmann::json object;
    object["sequence_id"] = slot;
    object["sequence_name"] = sequence ? Utf16ToUtf8(sequence->name) : std::string();
    object["actions"] = sequence ? nlohmann::json(sequence->GetCodeList()) : nlohmann::json::array();
    return object;
}

nlohmann::json ProfileObject(const Profile& profile) {
    nlohmann::json object;
    object["background_path"] = Utf16ToUtf8(profile.BackgroundPath());
    object["box_configuration"] = profile.BoxConfiguration();
    object["button_path"] = Utf16ToUtf8(profile.ButtonPath());
    object["profile_name"] = Utf16ToUtf8(profile.Name());
    nlohmann::json sequences = nlohmann::json::array();
    const std::vector<SequencePtr> slots = profile.Sequences();
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        sequences.push_back(SequenceObject(slot, slots[slot]));
    }
    object["sequences"] = std::move(sequences);
    return object;
}

}  // namespace

nlohmann::json ToDocument(const std::vector<ProfilePtr>& profiles) {
    nlohmann::json list = nlohmann::json::array();
    for (const ProfilePtr& profile : profiles) {
        list.push_back(ProfileObject(*profile));
    }
    return nlohmann::json{{"user_profiles", std::move(list)}};
}

const nlohmann::json& Member(const nlohmann::json& object, const char* key) {
    static const nlohmann::json kNull;
    if (object.is_object()) {
        const auto member = object.find(key);
        return member == object.end() ? kNull : *member;
    }
    if (!object.is_null()) {
        nlohmann::json probe = object;
        probe[key];  // throws the library's own "cannot use operator[]" error
    }
    return kNull;
}

std::int32_t ToInt32(const nlohmann::json& value) {
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    if (value.is_number_unsigned()) {
        return static_cast<std::int32_t>(std::min<std::uint64_t>(value.get<std::uint64_t>(), kMax));
    }
    if (value.is_number_integer()) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(value.get<std::int64_t>(), kMin, kMax));
    }
    if (value.is_number_float()) {
        const double number = std::trunc(value.get<double>());
        return static_cast<std::int32_t>(std::clamp<double>(number, kMin, kMax));
    }
    return value.get<std::int32_t>();  // a boolean converts; anything else throws
}

}  // namespace Tambo::ProfileFile
