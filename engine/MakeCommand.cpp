#include "MakeCommand.h"

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "ControlCommands.h"
#include "KeyboardCommands.h"
#include "MouseCommands.h"
#include "PostCommands.h"

namespace Tambo {
namespace {

const char* const kInvalidArgument = "invalid stoi argument";
const char* const kOutOfRange = "stoi argument out of range";
const char* const kInvalidPosition = "invalid string position";

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Decimal text to int the way the standard string-to-int conversion reads it: leading white
// space skipped, an optional sign, at least one digit, anything after the digits ignored.
std::int32_t ParseInt(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size() || text[pos] < '0' || text[pos] > '9') {
        throw std::invalid_argument(kInvalidArgument);
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    const std::int64_t limit = negative ? kMax + 1 : kMax;
    std::int64_t value = 0;
    bool overflow = false;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > limit) {
            overflow = true;
            value = limit;  // keep consuming digits without growing
        }
    }
    if (overflow) {
        throw std::out_of_range(kOutOfRange);
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

// Virtual keys are bytes; anything else could never be stored and read back.
std::uint32_t ParseVirtualKey(std::string_view text) {
    const std::int32_t value = ParseInt(text);
    if (value < 0 || value > 255) {
        throw std::out_of_range(kOutOfRange);
    }
    return static_cast<std::uint32_t>(value);
}

// Splits at single spaces: each space ends a token, so two spaces make an empty token, and a
// space at the very end adds none.
std::vector<std::string_view> SplitAtSpaces(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t space = text.find(' ', start);
        if (space == std::string_view::npos) {
            tokens.push_back(text.substr(start));
            break;
        }
        tokens.push_back(text.substr(start, space - start));
        start = space + 1;
    }
    return tokens;
}

// The first `count` tokens converted in order; too few tokens is a missing number.
template <typename Convert>
auto ParseTokens(std::string_view text, std::size_t count, Convert convert) {
    const std::vector<std::string_view> tokens = SplitAtSpaces(text);
    std::vector<decltype(convert(std::string_view{}))> values;
    for (std::size_t i = 0; i < count && i < tokens.size(); ++i) {
        values.push_back(convert(tokens[i]));
    }
    if (values.size() < count) {
        throw std::invalid_argument(kInvalidArgument);
    }
    return values;
}

std::vector<ScreenPoint> ParsePoints(std::string_view text) {
    const std::vector<std::string_view> tokens = SplitAtSpaces(text);
    std::vector<ScreenPoint> points;
    points.reserve(tokens.size() / 2);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::int32_t value = ParseInt(tokens[i]);
        if (i % 2 == 0) {
            points.push_back(ScreenPoint{value, 0});
        } else {
            points.back().y = value;
        }
    }
    if (tokens.size() % 2 == 1) {
        points.pop_back();  // an x without its y
    }
    return points;
}

}  // namespace

CommandPtr MakeCommand(const std::shared_ptr<CommandContext>& context, std::string_view code) {
    if (code.size() < 2) {
        return nullptr;
    }
    const std::string_view kind = code.substr(0, 2);

    if (kind == "MD")
        return std::make_shared<MouseDown>(context);
    if (kind == "MU")
        return std::make_shared<MouseUp>(context);
    if (kind == "SC")
        return std::make_shared<SimpleClick>(context);
    if (kind == "RC")
        return std::make_shared<RightClick>(context);

    static constexpr std::string_view kNumberedKinds[] = {"SL", "KC", "PK", "NR", "EC", "UK", "DK",
                                                          "PS", "MS", "DU", "DP", "MC", "MT"};
    bool known = false;
    for (const std::string_view numbered : kNumberedKinds) {
        known = known || kind == numbered;
    }
    if (!known) {
        return nullptr;
    }
    // A toggle without points is written as the bare "MT"; read it back as such.
    if (kind == "MT" && code.size() == 2) {
        return std::make_shared<MouseToggle>(context, std::vector<ScreenPoint>{});
    }
    if (code.size() < 3) {
        throw std::out_of_range(kInvalidPosition);
    }
    const std::string_view rest = code.substr(3);

    if (kind == "SL")
        return std::make_shared<SleepCommand>(context, ParseInt(rest));
    if (kind == "KC")
        return std::make_shared<KeyCommand>(context, ParseVirtualKey(rest));
    if (kind == "PK")
        return std::make_shared<PostKey>(context, ParseVirtualKey(rest));
    if (kind == "NR")
        return std::make_shared<KeyNoRepeat>(context, ParseVirtualKey(rest));
    if (kind == "EC")
        return std::make_shared<EnterCommand>(context, ParseInt(rest));
    if (kind == "UK")
        return std::make_shared<UpKey>(context, ParseVirtualKey(rest));
    if (kind == "DK")
        return std::make_shared<DownKey>(context, ParseVirtualKey(rest));
    if (kind == "PS")
        return std::make_shared<ProfileSwitch>(context, ParseInt(rest));
    if (kind == "MS")
        return std::make_shared<MouseSlide>(context, ParseInt(rest));
    if (kind == "DU" || kind == "DP") {
        const auto keys = ParseTokens(rest, 2, ParseVirtualKey);
        if (kind == "DU")
            return std::make_shared<DualKey>(context, keys[0], keys[1]);
        return std::make_shared<DualPost>(context, keys[0], keys[1]);
    }
    if (kind == "MC") {
        const auto numbers = ParseTokens(rest, 3, ParseInt);
        return std::make_shared<MouseCommand>(context, numbers[0], numbers[1], numbers[2]);
    }
    return std::make_shared<MouseToggle>(context, ParsePoints(rest));
}

}  // namespace Tambo
