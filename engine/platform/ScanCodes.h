#pragma once

#include <cstdint>

namespace Tambo::platform {

// Our own table of PC set-1 scan codes per Windows virtual key, as a US layout gives them (the
// make code without the E0 prefix). 0 for a key that has none. Used where the system has no
// virtual-key-to-scan-code service of its own.
std::uint16_t Set1ScanCodeForVirtualKey(std::uint32_t virtualKey);

}  // namespace Tambo::platform
