// The appearance catalogue, the resolution of its addresses to image files, and the images.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "engine/Text.h"
#include "profiles/AppearanceCatalogue.h"
#include "profiles/AssetAddress.h"
#include "profiles/Profile.h"

namespace {

using Tambo::AppearanceCatalogue;
using Tambo::ResolveAssetAddress;

const AppearanceCatalogue& Catalogue() {
    return AppearanceCatalogue::Instance();
}

TEST(AppearanceCatalogue, ListsAreOrderedWithNewProfileDefaultsFirst) {
    EXPECT_EQ(&AppearanceCatalogue::Instance(), &Catalogue());
    ASSERT_EQ(Catalogue().Backgrounds().size(), 14u);
    ASSERT_EQ(Catalogue().Buttons().size(), 6u);
    EXPECT_EQ(Catalogue().Backgrounds()[0], Tambo::Profile::kDefaultBackgroundPath);
    EXPECT_EQ(Catalogue().Buttons()[0], Tambo::Profile::kDefaultButtonPath);
    EXPECT_EQ(Catalogue().Backgrounds()[13], u"ms-appx:///Assets/19thHole.jpg");
    EXPECT_EQ(Catalogue().Buttons()[5], u"ms-appx:///Assets/Yellow-Button.png");

    std::set<std::u16string> distinct;
    for (const auto* list : {&Catalogue().Backgrounds(), &Catalogue().Buttons()}) {
        for (const std::u16string& address : *list) {
            EXPECT_TRUE(address.starts_with(Tambo::kAssetAddressPrefix));
            EXPECT_TRUE(distinct.insert(address).second) << Tambo::Utf16ToUtf8(address);
        }
    }
}

TEST(AppearanceCatalogue, FindsAChoiceOrFallsBackToTheFirstEntry) {
    EXPECT_EQ(Catalogue().BackgroundIndex(u"ms-appx:///Assets/e6bg.png"), 6u);
    EXPECT_EQ(Catalogue().BackgroundIndex(u"ms-appx:///Assets/19thHole.jpg"), 13u);
    EXPECT_EQ(Catalogue().ButtonIndex(u"ms-appx:///Assets/Black-Button.png"), 1u);
    EXPECT_EQ(Catalogue().ButtonIndex(u"ms-appx:///Assets/Yellow-Button.png"), 5u);
    // Unknown paths, including near misses, show as the first entry.
    for (const std::u16string_view path :
         {u"", u"ms-appx:///Assets/E6BG.png", u"ms-appx:///Assets/e6bg.png ", u"e6bg.png",
          u"ms-appx:///Assets/Black-Button.png"}) {
        EXPECT_EQ(Catalogue().BackgroundIndex(path), 0u) << Tambo::Utf16ToUtf8(path);
    }
    EXPECT_EQ(Catalogue().ButtonIndex(u"ms-appx:///Assets/e6bg.png"), 0u);
}

TEST(AssetAddress, ResolvesOnlyPlainFileNamesInsideTheFolder) {
    const std::filesystem::path folder = "/opt/pindeck/assets";
    struct Case {
        std::u16string address;
        std::filesystem::path expected;  // empty: rejected
    };
    const Case cases[] = {
        {u"ms-appx:///Assets/bg-2.png", folder / "bg-2.png"},
        {u"ms-appx:///Assets/..png", folder / "..png"},
        {u"ms-appx:///Assets/caf\u00e9.png", folder / "caf\xc3\xa9.png"},
        {u"ms-appx:///Assets/../x", {}},
        {u"ms-appx:///Assets/..", {}},
        {u"ms-appx:///Assets/.", {}},
        {u"ms-appx:///Assets/", {}},
        {u"ms-appx:///Assets/sub/x.png", {}},
        {u"ms-appx:///Assets/..\\x", {}},
        {u"ms-appx:///Assets//etc/passwd", {}},
        {std::u16string(u"ms-appx:///Assets/x\0.png", 24), {}},
        {u"ms-appx:///assets/bg-2.png", {}},
        {u"ms-appx:///Assets", {}},
        {u"file:///etc/passwd", {}},
        {u"/etc/passwd", {}},
        {u"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResolveAssetAddress(c.address, folder), c.expected)
            << Tambo::Utf16ToUtf8(c.address);
    }
}

// What the first bytes of an image file tell: its format and size.
struct ImageHeader {
    std::string format;  // "png", "jpg" or empty
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool pngHasAlpha = false;
};

std::uint32_t BigEndian(const std::string& bytes, std::size_t at, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

ImageHeader ReadImageHeader(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(stream)), {});
    ImageHeader header;
    if (bytes.size() > 26 && bytes.starts_with("\x89PNG\r\n\x1a\n") &&
        bytes.compare(12, 4, "IHDR") == 0) {
        header = {"png", BigEndian(bytes, 16, 4), BigEndian(bytes, 20, 4), bytes[25] == 6};
    } else if (bytes.size() > 4 && bytes.starts_with("\xff\xd8\xff")) {
        header.format = "jpg";
        // Walk the segments to the frame header, which holds the size.
        for (std::size_t at = 2; at + 9 < bytes.size();) {
            const auto marker = static_cast<unsigned char>(bytes[at + 1]);
            if (marker >= 0xC0 && marker <= 0xC3) {
                header.height = BigEndian(bytes, at + 5, 2);
                header.width = BigEndian(bytes, at + 7, 2);
                break;
            }
            at += 2 + BigEndian(bytes, at + 2, 2);
        }
    }
    return header;
}

TEST(AssetImages, EveryAddressHasAnImageOfTheRightKindAndSize) {
    const std::filesystem::path folder = PINDECK_ASSET_IMAGES_DIR;
    for (const std::u16string& address : Catalogue().Backgrounds()) {
        const std::filesystem::path path = ResolveAssetAddress(address, folder);
        SCOPED_TRACE(path.string());
        const ImageHeader header = ReadImageHeader(path);
        EXPECT_EQ(header.format, path.extension() == ".jpg" ? "jpg" : "png");
        // The box canvas the backgrounds fill.
        EXPECT_EQ(header.width, 1280u);
        EXPECT_EQ(header.height, 720u);
    }
    for (const std::u16string& address : Catalogue().Buttons()) {
        const std::filesystem::path path = ResolveAssetAddress(address, folder);
        SCOPED_TRACE(path.string());
        const ImageHeader header = ReadImageHeader(path);
        EXPECT_EQ(header.format, "png");
        EXPECT_TRUE(header.pngHasAlpha);  // round buttons, transparent around
        EXPECT_EQ(header.width, header.height);
        EXPECT_GE(header.width, 85u);  // drawn 85 pixels wide, so never scaled up
    }
}

}  // namespace
