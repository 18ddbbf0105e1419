#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Tambo {

// UTF-8 <-> UTF-16 at file and console boundaries. Ill-formed input never throws: invalid UTF-8
// sequences and unpaired surrogates become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Replaces the invalid sequences of a UTF-8 text by U+FFFD.
std::string SanitizeUtf8(std::string_view utf8);

// Plain decimal, a leading minus sign for negative values, no leading zeros.
std::u16string DecimalText(std::int64_t value);

}  // namespace Tambo
