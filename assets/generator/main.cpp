// Draws every picture the appearance catalogue lists into the folder given as the only
// argument. Deterministic: the committed images are this program's output.

#include <filesystem>
#include <iostream>
#include <string>

#include "Drawings.h"
#include "ImageFiles.h"

namespace {

constexpr int kJpegQuality = 92;

bool Write(const assets::Drawing& drawing, bool transparent, const std::filesystem::path& folder) {
    const assets::Canvas canvas = drawing.draw();
    const std::filesystem::path path = folder / drawing.fileName;
    std::string reason;
    const bool written = path.extension() == ".jpg"
                             ? assets::WriteJpeg(canvas, path, kJpegQuality, reason)
                             : assets::WritePng(canvas, path, transparent, reason);
    if (!written) {
        std::cerr << "pindeck_asset_generator: " << path.string() << ": " << reason << "\n";
    }
    return written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: pindeck_asset_generator OUTPUT_FOLDER\n";
        return 64;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    bool ok = true;
    for (const assets::Drawing& drawing : assets::BackgroundDrawings()) {
        ok = Write(drawing, false, folder) && ok;
    }
    for (const assets::Drawing& drawing : assets::ButtonDrawings()) {
        ok = Write(drawing, true, folder) && ok;
    }
    return ok ? 0 : 1;
}
