// Any config.json loads without harm, leaves a file that loads, and readers never fail.

#include <sstream>

#include "engine/SettingsDocument.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace Keys = Tambo::SettingsKeys;
    const auto& folder = fuzz_support::ScratchFolder();
    fuzz_support::WriteFile(folder / Tambo::SettingsDocument::kFileName, data, size);
    std::ostringstream out;
    std::ostringstream err;
    Tambo::SettingsDocument settings(folder, Tambo::Console{out, err});
    settings.LoadSettings();
    Tambo::EngineTimings timings;
    settings.CopyTimingsTo(timings);
    settings.ReadBool(Keys::kControllerExclusive, true);
    settings.ReadOptionalInt32(Keys::kDefaultBoxConfiguration);

    settings.Assign(Keys::kDefaultBoxConfiguration, 3);
    if (!settings.SaveSettings()) {
        fuzz_support::PropertyFailed("saving the settings failed");
    }
    std::ostringstream reloadErr;
    Tambo::SettingsDocument check(folder, Tambo::Console{out, reloadErr});
    check.LoadSettings();
    if (!reloadErr.str().empty() || check.Document() != settings.Document()) {
        fuzz_support::PropertyFailed("saved settings do not load back the same");
    }
    return 0;
}
