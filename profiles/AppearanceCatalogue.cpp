#include "AppearanceCatalogue.h"

#include <algorithm>

namespace Tambo {
namespace {

std::size_t IndexOrFirst(const std::vector<std::u16string>& entries, std::u16string_view path) {
    const auto found = std::find(entries.begin(), entries.end(), path);
    return found == entries.end() ? 0 : static_cast<std::size_t>(found - entries.begin());
}

}  // namespace

const AppearanceCatalogue& AppearanceCatalogue::Instance() {
    static const AppearanceCatalogue catalogue;
    return catalogue;
}

AppearanceCatalogue::AppearanceCatalogue()
    : backgrounds_{
          u"ms-appx:///Assets/background_primary.png",
          u"ms-appx:///Assets/bg-2.png",
          u"ms-appx:///Assets/tambo-wireless.png",
          u"ms-appx:///Assets/white-bg.jpg",
          u"ms-appx:///Assets/opti-bg.png",
          u"ms-appx:///Assets/GSPR-BG.png",
          u"ms-appx:///Assets/e6bg.png",
          u"ms-appx:///Assets/14box1-bg.png",
          u"ms-appx:///Assets/DEX-14-Box.png",
          // Made for partner venues.
          u"ms-appx:///Assets/doz.png",
          u"ms-appx:///Assets/IGS-NEW.jpg",
          u"ms-appx:///Assets/247-bg.png",
          u"ms-appx:///Assets/netreturn.png",
          u"ms-appx:///Assets/19thHole.jpg",
      },
      buttons_{
          u"ms-appx:///Assets/button.png",
          u"ms-appx:///Assets/Black-Button.png",
          u"ms-appx:///Assets/Blue-Button.png",
          u"ms-appx:///Assets/Dark-Green-Button.png",
          u"ms-appx:///Assets/Red-Button.png",
          u"ms-appx:///Assets/Yellow-Button.png",
      } {}

std::size_t AppearanceCatalogue::BackgroundIndex(std::u16string_view path) const {
    return IndexOrFirst(backgrounds_, path);
}

std::size_t AppearanceCatalogue::ButtonIndex(std::u16string_view path) const {
    return IndexOrFirst(buttons_, path);
}

}  // namespace Tambo
