#include "AssetAddress.h"

#include "engine/Text.h"

namespace Tambo {

std::filesystem::path ResolveAssetAddress(std::u16string_view address,
                                          const std::filesystem::path& assetsFolder) {
    if (!address.starts_with(kAssetAddressPrefix)) {
        return {};
    }
    const std::u16string_view fileName = address.substr(kAssetAddressPrefix.size());
    if (fileName.empty() || fileName == u"." || fileName == u"..") {
        return {};
    }
    if (fileName.find_first_of(std::u16string_view(u"/\\\0", 3)) != std::u16string_view::npos) {
        return {};
    }
    return assetsFolder / Utf16ToUtf8(fileName);
}

}  // namespace Tambo
