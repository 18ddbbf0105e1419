#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Tambo {

// Display names of virtual keys, used only to build command descriptions. Empty until Fill() is
// called; the owner fills it once at start-up, before commands are built from stored profiles.
class KeyNames {
public:
    void Fill();

    // The name of a virtual key; empty for keys without a name and for codes above 255.
    const std::u16string& Name(std::uint32_t virtualKey) const;

private:
    std::array<std::u16string, 256> names_{};
};

}  // namespace Tambo
