#pragma once

#include <filesystem>
#include <string_view>

namespace Tambo {

// The prefix of the image addresses profiles store; what follows it is a file name.
inline constexpr std::u16string_view kAssetAddressPrefix = u"ms-appx:///Assets/";

// The image file an address names inside `assetsFolder`: the folder joined with the file name
// after the prefix. Empty for an address without the prefix and for anything after it that is
// not one plain file name (empty, ".", "..", or containing a slash, a backslash or a NUL), so a
// hand-edited profile can never point outside the folder. Whether the file exists is not checked.
std::filesystem::path ResolveAssetAddress(std::u16string_view address,
                                          const std::filesystem::path& assetsFolder);

}  // namespace Tambo
