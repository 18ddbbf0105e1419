// Any code either fails cleanly or gives a command whose code rebuilds to the same code.

#include <string>
#include <string_view>

#include "engine/MakeCommand.h"
#include "engine/Text.h"
#include "fuzz/FuzzSupport.h"
#include "platform/fake/RecordingPlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static platform_fake::RecordingPlatform platform;
    static const auto context = platform.MakeContext();
    const std::string_view code(reinterpret_cast<const char*>(data), size);
    Tambo::CommandPtr command;
    try {
        command = Tambo::MakeCommand(context, code);
    } catch (const std::exception&) {
        return 0;
    }
    if (!command) {
        return 0;
    }
    const std::string stored = Tambo::Utf16ToUtf8(command->GetCode());
    command->GetDescription();
    Tambo::CommandPtr rebuilt;
    try {
        rebuilt = Tambo::MakeCommand(context, stored);
    } catch (const std::exception&) {
        fuzz_support::PropertyFailed("an accepted code's stored form does not load again");
    }
    if (!rebuilt || Tambo::Utf16ToUtf8(rebuilt->GetCode()) != stored) {
        fuzz_support::PropertyFailed("the stored code does not rebuild to itself");
    }
    return 0;
}
