// Any keybind_data.json loads and applies without harm, and what is saved loads back the same.

#include <sstream>

#include "fuzz/FuzzSupport.h"
#include "profiles/KeyBindingStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& folder = fuzz_support::ScratchFolder();
    std::filesystem::remove(folder / "keybind_data.json.bad");
    fuzz_support::WriteFile(folder / Tambo::KeyBindingStore::kFileName, data, size);
    std::ostringstream out;
    std::ostringstream err;
    Tambo::KeyBindingStore store(folder, Tambo::Console{out, err});
    Tambo::BoxModels models;
    Tambo::BuildBoxModels(models, store);
    for (std::int32_t model = -1; model <= 6; ++model) {
        models.SlotForCode(model, 11);
        models.CodeForSlot(model, 0);
    }
    if (!store.UpdateBindings(models, 2, {12, 11, 10, 9, 8, 7, 6, 5, 4, 3})) {
        fuzz_support::PropertyFailed("saving the bindings failed");
    }
    Tambo::KeyBindingStore reloaded(folder, Tambo::Console{out, err});
    if (!reloaded.LoadBindings() || reloaded.Document() != store.Document()) {
        fuzz_support::PropertyFailed("saved bindings do not load back the same");
    }
    Tambo::BoxModels again;
    reloaded.ApplyBindings(again);
    if (again.CodeToSlot(2) != models.CodeToSlot(2)) {
        fuzz_support::PropertyFailed("reloaded bindings translate differently");
    }
    return 0;
}
