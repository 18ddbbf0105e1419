#pragma once

#include <cstdint>
#include <memory>

#include "ProfileManager.h"
#include "engine/CommandContext.h"

namespace Tambo {

// The ready-made profiles first-time setup gives a new user, appended behind the profiles the
// manager already holds, with commands that play into `context`:
// - for a box configuration below 4 (the 10-button boxes): "TGC", "TGC 2019", "GS Pro",
//   "Optishot", "E6 Connect", "FSX Play", each with that box configuration;
// - otherwise (the 14-button boxes): "Tav-14 Base" (box configuration 4) and "Dex-14 Base" (5);
// - in every case the venue presets "24-7 Rera TGC-2019", "DOZ TGC-2019", "ZED TGC-2019" and
//   "ZED GSPRO", with that box configuration.
// The caller has stored `boxConfiguration` as the setting "Default_Box_Configuration" first.
// Names are not checked: running setup twice appends a second set, which the file keeps until
// the next load drops the later duplicates.
void CreateBuiltInPresets(ProfileManager& manager, const std::shared_ptr<CommandContext>& context,
                          std::int32_t boxConfiguration);

}  // namespace Tambo
