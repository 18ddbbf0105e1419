#include "KeyNames.h"

namespace Tambo {

void KeyNames::Fill() {
    names_[1] = u"Left Click";
    names_[2] = u"Right Click";
    names_[13] = u"ENTER";
    names_[18] = u"Alt";
    names_[27] = u"ESCAPE";
    names_[32] = u"SPACE";
    names_[35] = u"END";
    names_[36] = u"HOME";
    names_[37] = u"LEFT ARROW";
    names_[38] = u"UP ARROW";
    names_[39] = u"RIGHT ARROW";
    names_[40] = u"DOWN ARROW";
    names_[46] = u"DELETE";
    for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
        names_[digit] = std::u16string(1, digit);
        names_[96 + (digit - u'0')] = u"NUM" + std::u16string(1, digit);
    }
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
        names_[letter] = std::u16string(1, letter);
    }
    for (int function = 1; function <= 12; ++function) {
        const std::string text = "F" + std::to_string(function);
        names_[111 + function] = std::u16string(text.begin(), text.end());
    }
    names_[162] = u"LEFT CTRL";
    names_[188] = u",";
    names_[190] = u".";
    names_[192] = u"`";
}

const std::u16string& KeyNames::Name(std::uint32_t virtualKey) const {
    static const std::u16string kNone;
    return virtualKey < names_.size() ? names_[virtualKey] : kNone;
}

}  // namespace Tambo
