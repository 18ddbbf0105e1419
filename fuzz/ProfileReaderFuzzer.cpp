// Any profile file loads without harm; what was loaded, written and loaded again is written the
// same the second time, and that rewritten file always loads.

#include <sstream>

#include "fuzz/FuzzSupport.h"
#include "platform/fake/RecordingPlatform.h"
#include "profiles/ProfileManager.h"

namespace {

std::string LoadAndWrite(const std::shared_ptr<Tambo::CommandContext>& context, bool& loaded) {
    std::ostringstream out;
    std::ostringstream err;
    auto manager = std::make_shared<Tambo::ProfileManager>(context, fuzz_support::ScratchFolder(),
                                                           Tambo::Console{out, err});
    loaded = manager->LoadProfiles();
    if (!manager->WriteProfiles()) {
        fuzz_support::PropertyFailed("writing the loaded profiles failed");
    }
    return fuzz_support::ReadFile(manager->FilePath());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static platform_fake::RecordingPlatform platform;
    static const auto context = platform.MakeContext();
    const auto path = fuzz_support::ScratchFolder() / Tambo::ProfileManager::kFileName;
    fuzz_support::WriteFile(path, data, size);
    bool firstLoaded = false;
    const std::string first = LoadAndWrite(context, firstLoaded);
    bool secondLoaded = false;
    const std::string second = LoadAndWrite(context, secondLoaded);
    if (!secondLoaded) {
        fuzz_support::PropertyFailed("a file the writer wrote does not load");
    }
    if (first != second) {
        fuzz_support::PropertyFailed("writing what was loaded is not stable");
    }
    return 0;
}
