#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

namespace Tambo {

// Builds a command code: the two-letter kind, then each number after a single space.
std::u16string CommandCode(const char16_t* kind, std::initializer_list<std::int64_t> numbers);

}  // namespace Tambo
