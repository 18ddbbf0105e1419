#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace pindeckctl {

// A command-line number written as plain decimal digits (a leading minus for signed types) that
// fits T; empty for anything else, including empty text, spaces and trailing characters.
template <typename T>
std::optional<T> ParseWholeNumber(std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace pindeckctl
