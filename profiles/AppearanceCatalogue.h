#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Tambo {

// The pictures a profile can be drawn with: backgrounds behind the box and button images. Each
// entry is an address in the form a profile stores it ("ms-appx:///Assets/" and a file name);
// AssetAddress resolves it to one of the program's own image files. The lists never change.
class AppearanceCatalogue {
public:
    // The catalogue of the program, built on first use (thread-safe).
    static const AppearanceCatalogue& Instance();

    AppearanceCatalogue();

    // In the order the profile builder offers them; index 0 of each is a new profile's default.
    const std::vector<std::u16string>& Backgrounds() const { return backgrounds_; }
    const std::vector<std::u16string>& Buttons() const { return buttons_; }

    // The position of the first entry equal to `path` (compared as UTF-16 code units); 0 when no
    // entry is, so a path from an older or hand-edited file shows as the first picture.
    std::size_t BackgroundIndex(std::u16string_view path) const;
    std::size_t ButtonIndex(std::u16string_view path) const;

private:
    std::vector<std::u16string> backgrounds_;
    std::vector<std::u16string> buttons_;
};

}  // namespace Tambo
