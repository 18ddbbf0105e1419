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
    object["actions"] =
        sequence ? nlohmann::json(sequence->GetCodeList()) : nlohmann::json::array();
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

namespace {

// A JSON string as the library writes it: quotes, backslashes and control characters escaped,
// everything else (UTF-8 included) as it is.
void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    out += "\\u00";
                    out += kHex[(c >> 4) & 0xF];
                    out += kHex[c & 0xF];
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

void AppendMember(std::string& out, int depth, std::string_view key) {
    out.append(static_cast<std::size_t>(depth) * 4, ' ');
    AppendJsonString(out, key);
    out += ": ";
}

void AppendSequence(std::string& out, std::size_t slot, const SequencePtr& sequence) {
    out += "                {\n";
    AppendMember(out, 5, "actions");
    const std::vector<std::string> codes =
        sequence ? sequence->GetCodeList() : std::vector<std::string>{};
    if (codes.empty()) {
        out += "[],\n";
    } else {
        out += "[\n";
        for (std::size_t i = 0; i < codes.size(); ++i) {
            out.append(24, ' ');
            AppendJsonString(out, codes[i]);
            out += i + 1 < codes.size() ? ",\n" : "\n";
        }
        out += "                    ],\n";
    }
    AppendMember(out, 5, "sequence_id");
    out += std::to_string(slot) + ",\n";
    AppendMember(out, 5, "sequence_name");
    AppendJsonString(out, sequence ? Utf16ToUtf8(sequence->name) : std::string());
    out += "\n                }";
}

void AppendProfile(std::string& out, const Profile& profile) {
    out += "        {\n";
    AppendMember(out, 3, "background_path");
    AppendJsonString(out, Utf16ToUtf8(profile.BackgroundPath()));
    out += ",\n";
    AppendMember(out, 3, "box_configuration");
    out += std::to_string(profile.BoxConfiguration()) + ",\n";
    AppendMember(out, 3, "button_path");
    AppendJsonString(out, Utf16ToUtf8(profile.ButtonPath()));
    out += ",\n";
    AppendMember(out, 3, "profile_name");
    AppendJsonString(out, Utf16ToUtf8(profile.Name()));
    out += ",\n";
    AppendMember(out, 3, "sequences");
    const std::vector<SequencePtr> slots = profile.Sequences();
    if (slots.empty()) {
        out += "[]\n        }";
        return;
    }
    out += "[\n";
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        AppendSequence(out, slot, slots[slot]);
        out += slot + 1 < slots.size() ? ",\n" : "\n";
    }
    out += "            ]\n        }";
}

}  // namespace

std::string ToText(const std::vector<ProfilePtr>& profiles) {
    std::string out = "{\n    \"user_profiles\": ";
    if (profiles.empty()) {
        return out + "[]\n}\n";
    }
    out += "[\n";
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        AppendProfile(out, *profiles[i]);
        out += i + 1 < profiles.size() ? ",\n" : "\n";
    }
    out += "    ]\n}\n";
    return out;
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
        return static_cast<std::int32_t>(
            std::clamp<std::int64_t>(value.get<std::int64_t>(), kMin, kMax));
    }
    if (value.is_number_float()) {
        const double number = std::trunc(value.get<double>());
        return static_cast<std::int32_t>(std::clamp<double>(number, kMin, kMax));
    }
    return value.get<std::int32_t>();  // a boolean converts; anything else throws
}

}  // namespace Tambo::ProfileFile
