#include "BoxSetup.h"

namespace pindeckctl {

BoxSetup::BoxSetup(const std::filesystem::path& folder, Tambo::Console console)
    : settings(folder, console), bindings(folder, console) {
    settings.LoadSettings();
    Tambo::BuildBoxModels(models, bindings);
}

std::int32_t BoxSetup::DefaultModel() const {
    return settings.ReadInt32(Tambo::SettingsKeys::kDefaultBoxConfiguration);
}

}  // namespace pindeckctl
