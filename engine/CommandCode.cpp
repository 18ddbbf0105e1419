#include "CommandCode.h"

#include "Text.h"

namespace Tambo {

std::u16string CommandCode(const char16_t* kind, std::initializer_list<std::int64_t> numbers) {
    std::u16string code = kind;
    for (const std::int64_t number : numbers) {
        code += u' ';
        code += DecimalText(number);
    }
    return code;
}

}  // namespace Tambo
