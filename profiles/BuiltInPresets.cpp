#include "BuiltInPresets.h"

#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ActionCatalogue.h"
#include "engine/Text.h"

namespace Tambo {
namespace {

// An empty slot in the tables below.
constexpr std::u16string_view kEmpty;

// One preset: its pictures, its box and what each slot holds, by catalogue action name. The
// number of slot entries is the preset's slot count.
struct Preset {
    std::u16string_view name;
    std::u16string_view backgroundPath;
    std::u16string_view buttonPath;
    std::optional<std::int32_t> fixedBoxConfiguration;  // empty: the box chosen at setup
    std::vector<std::u16string_view> slots;
};

constexpr std::u16string_view kPrimaryBackground = u"ms-appx:///Assets/background_primary.png";
constexpr std::u16string_view kDefaultButton = Profile::kDefaultButtonPath;

// The tables keep one line per preset field and slot row, as they are read.
// clang-format off

// For the 10-button boxes (box configurations 0 to 3).
const std::vector<Preset>& TenButtonPresets() {
    static const std::vector<Preset> presets = {
        {u"TGC", kPrimaryBackground, kDefaultButton, std::nullopt,
         {u"TGC: Enter", u"TGC: Hole Flyover", u"TGC: Putter", u"TGC: Mulligan",
          u"TGC: Scout Camera/Target View", u"TGC: Hole Overview/Map", u"TGC: Club Up",
          u"TGC: Club Down", u"TGC: Aim Left", u"TGC: Aim Right"}},
        {u"TGC 2019", kPrimaryBackground, kDefaultButton, std::nullopt,
         {u"TGC19: Enter", u"TGC19: Hole Flyover", u"TGC19: Putter", u"TGC19: Mulligan",
          u"TGC19: Scout Camera/Target View", u"TGC19: Hole Overview/Map", u"TGC19: Club Up",
          u"TGC19: Club Down", u"TGC19: Aim Left", u"TGC19: Aim Right"}},
        {u"GS Pro", u"ms-appx:///Assets/GSPR-BG.png", kDefaultButton, std::nullopt,
         {u"GEN: Left Click", u"GSP: Show Green Grid", u"GSP: Flyover", u"GSP: Post Mulligan",
          u"GSP: Scout/Shot Cam", u"GSP: Putt Toggle", u"GSP: Post Up Arrow",
          u"GSP: Post Down Arrow", u"GSP: Post Left Arrow", u"GSP: Post Right Arrow"}},
        {u"Optishot", u"ms-appx:///Assets/opti-bg.png", kDefaultButton, std::nullopt,
         {u"Opti: Show/Hide Putting Grid", u"Opti: Mulligan", u"Opti: Shot Type Up",
          u"Opti: Perform a Flyby", u"Opti: Show/Hide Overhead Map", u"Opti: Show/Hide Scoreboard",
          u"Opti: Longer Club", u"Opti: Shorter Club", u"Opti: Aim Left", u"Opti: Aim Right"}},
        {u"E6 Connect", u"ms-appx:///Assets/e6bg.png", u"ms-appx:///Assets/Black-Button.png",
         std::nullopt,
         {u"E6: Left Click", kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty,
          u"E6: Aim Left", u"E6: Aim Right"}},
        {u"FSX Play", kPrimaryBackground, kDefaultButton, std::nullopt,
         {kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty}},
    };
    return presets;
}

// For the 14-button boxes (box configurations 4 and 5); each names its own box.
const std::vector<Preset>& FourteenButtonPresets() {
    static const std::vector<Preset> presets = {
        {u"Tav-14 Base", u"ms-appx:///Assets/14box1-bg.png", kDefaultButton, 4,
         {u"GSP: Unblock Camera", u"GSP: Heat Map", kEmpty, kEmpty, u"GSP: Flyover",
          u"GSP: Mulligan", u"GSP: Putt Toggle", kEmpty, u"GSP: Scout/Shot Cam",
          u"GEN: Left Click", u"GSP: Aim Forward", u"GSP: Aim Back", u"GSP: Aim Left",
          u"GSP: Aim Right"}},
        {u"Dex-14 Base", u"ms-appx:///Assets/DEX-14-Box.png", kDefaultButton, 5,
         {u"GSP: Scout/Shot Cam", u"GSP: Putt Toggle", kEmpty, u"GEN: Left Click", kEmpty,
          u"GSP: Heat Map", u"GSP: Unblock Camera", kEmpty, u"GSP: Mulligan", u"GSP: Flyover",
          u"GSP: Aim Forward", u"GSP: Aim Back", u"GSP: Aim Left", u"GSP: Aim Right"}},
    };
    return presets;
}

// The layouts of partner venues, for every box.
const std::vector<Preset>& VenuePresets() {
    static const std::vector<Preset> presets = {
        {u"24-7 Rera TGC-2019", u"ms-appx:///Assets/247-bg.png", kDefaultButton, std::nullopt,
         {u"TGC19: Enter", u"TGC19: Mulligan", kEmpty, u"TGC19: Mode",
          u"TGC19: Scout Camera/Target View", u"TGC19: Hole Overview/Map", u"TGC19: Club Up",
          u"TGC19: Club Down", u"TGC19: Aim Left", u"TGC19: Aim Right"}},
        {u"DOZ TGC-2019", u"ms-appx:///Assets/doz.png", kDefaultButton, std::nullopt,
         {u"TGC19: Enter", u"TGC19: Mulligan", u"TGC19: Putter", u"TGC19: Hole Overview/Map",
          u"TGC19: Scout Camera/Target View", u"TGC19: Hole Flyover", u"TGC19: Grid On/Off",
          u"TGC19: Escape", u"TGC19: Aim Left", u"TGC19: Aim Right"}},
        {u"ZED TGC-2019", u"ms-appx:///Assets/IGS-NEW.jpg", kDefaultButton, std::nullopt,
         {u"TGC19: Enter", u"TGC19: Hole Flyover", u"TGC19: Putter", u"TGC19: Mulligan",
          u"TGC19: Hole Overview/Map", u"TGC19: Scout Camera/Target View", u"TGC19: Club Up",
          u"TGC19: Club Down", u"TGC19: Aim Left", u"TGC19: Aim Right"}},
        {u"ZED GSPRO", u"ms-appx:///Assets/IGS-NEW.jpg", kDefaultButton, std::nullopt,
         {kEmpty, u"GSP: Flyover", u"GSP: Putt Toggle", u"GSP: Mulligan", kEmpty,
          u"GSP: Scout/Shot Cam", u"GSP: Club Up", u"GSP: Club Down", u"GSP: Aim Left",
          u"GSP: Aim Right"}},
    };
    return presets;
}

// clang-format on

ProfilePtr BuildPreset(const Preset& preset, const std::shared_ptr<CommandContext>& context,
                       std::int32_t chosenBoxConfiguration) {
    auto profile = std::make_shared<Profile>(std::u16string(preset.name), preset.slots.size());
    profile->SetBackgroundPath(std::u16string(preset.backgroundPath));
    profile->SetButtonPath(std::u16string(preset.buttonPath));
    for (std::size_t slot = 0; slot < preset.slots.size(); ++slot) {
        if (preset.slots[slot].empty()) {
            continue;
        }
        const auto action = ActionCatalogue::FindAction(preset.slots[slot]);
        if (!action) {
            // Only a mistyped table could get here; the tests check every name.
            std::cerr << "Unknown catalogue action in preset " << Utf16ToUtf8(preset.name) << ": "
                      << Utf16ToUtf8(preset.slots[slot]) << "\n";
            continue;
        }
        profile->AddActionToSlot(
            static_cast<std::int32_t>(slot),
            ActionCatalogue::GetAction(context, action->category, action->index));
    }
    profile->SetBoxConfiguration(preset.fixedBoxConfiguration.value_or(chosenBoxConfiguration));
    return profile;
}

void AppendPresets(ProfileManager& manager, const std::vector<Preset>& presets,
                   const std::shared_ptr<CommandContext>& context, std::int32_t boxConfiguration) {
    for (const Preset& preset : presets) {
        manager.AppendProfile(BuildPreset(preset, context, boxConfiguration));
    }
}

}  // namespace

void CreateBuiltInPresets(ProfileManager& manager, const std::shared_ptr<CommandContext>& context,
                          std::int32_t boxConfiguration) {
    constexpr std::int32_t kFirstFourteenButtonBox = 4;
    AppendPresets(
        manager,
        boxConfiguration < kFirstFourteenButtonBox ? TenButtonPresets() : FourteenButtonPresets(),
        context, boxConfiguration);
    AppendPresets(manager, VenuePresets(), context, boxConfiguration);
}

}  // namespace Tambo
