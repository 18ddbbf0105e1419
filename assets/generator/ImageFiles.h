#pragma once

#include <filesystem>
#include <string>

#include "Canvas.h"

namespace assets {

// PNG with an alpha channel (when `withAlpha`) or opaque RGB. No time stamp or other varying
// data is written, so the same canvas always gives the same bytes. False with a reason on failure.
bool WritePng(const Canvas& canvas, const std::filesystem::path& path, bool withAlpha,
              std::string& reason);
// Baseline JPEG of the opaque canvas at the given quality (1 to 100).
bool WriteJpeg(const Canvas& canvas, const std::filesystem::path& path, int quality,
               std::string& reason);

}  // namespace assets
