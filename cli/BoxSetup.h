#pragma once

#include <filesystem>
#include <memory>

#include "engine/BoxModels.h"
#include "engine/Console.h"
#include "engine/SettingsDocument.h"
#include "profiles/KeyBindingStore.h"

namespace pindeckctl {

// The box as the application sets it up at start: the settings loaded (created or repaired),
// the six models built and the stored bindings laid over them.
struct BoxSetup {
    BoxSetup(const std::filesystem::path& folder, Tambo::Console console);

    Tambo::SettingsDocument settings;
    Tambo::KeyBindingStore bindings;
    Tambo::BoxModels models;

    // The box model chosen in the settings (0 when none is).
    std::int32_t DefaultModel() const;
};

}  // namespace pindeckctl
