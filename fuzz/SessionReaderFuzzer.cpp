// Any session file loads without harm; a selection stored into whatever was loaded is saved and
// loads back with every other member unchanged.

#include <sstream>

#include "engine/Text.h"
#include "fuzz/FuzzSupport.h"
#include "profiles/SessionDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& folder = fuzz_support::ScratchFolder();
    fuzz_support::WriteFile(folder / Tambo::SessionDocument::kFileName, data, size);
    std::ostringstream out;
    std::ostringstream err;
    const std::u16string name = u"Caf\u00e9 \U0001F3CC";
    nlohmann::json saved;
    {
        Tambo::SessionDocument session(folder, Tambo::Console{out, err});
        session.LoadSession();
        session.GetSelectedProfileName();
        session.SetSelectedProfileName(name);
        session.SaveSession();
        if (!session.Flush()) {
            fuzz_support::PropertyFailed("saving the session failed");
        }
        saved = session.Document();
    }
    Tambo::SessionDocument reloaded(folder, Tambo::Console{out, err});
    if (!reloaded.LoadSession() || reloaded.GetSelectedProfileName() != name ||
        reloaded.Document() != saved) {
        fuzz_support::PropertyFailed("a saved session does not load back the same");
    }
    return 0;
}
