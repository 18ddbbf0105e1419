#pragma once

// The JSON shape of profile_data.json, member by member.

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "Profile.h"

namespace Tambo::ProfileFile {

// The document for a list of profiles: {"user_profiles":[...]} with every slot written.
nlohmann::json ToDocument(const std::vector<ProfilePtr>& profiles);

// The file's text for a list of profiles: exactly ToDocument(profiles).dump(4) and a line break,
// written straight out without building the document first.
std::string ToText(const std::vector<ProfilePtr>& profiles);

// Reads a member the way the library's non-const operator[] would: null when absent or when the
// value itself is null; the library's type error when the value is not an object.
const nlohmann::json& Member(const nlohmann::json& object, const char* key);

// A 32-bit integer from any JSON number (fractions truncated, beyond the range saturated) or a
// boolean; the library's type error for anything else.
std::int32_t ToInt32(const nlohmann::json& value);

}  // namespace Tambo::ProfileFile
