#pragma once

#include <cstdint>

namespace platform_x11 {

// The screen pixel (0..sizePixels-1) of a coordinate on the 0..65535 absolute grid: the largest
// pixel whose grid coordinate, as the engine computes it (AbsoluteGridCoordinate), does not
// exceed `grid`. So every pixel the engine encodes lands on itself, and a value between two
// pixels' coordinates lands on the first of them. Values below the grid give pixel 0; the
// grid's far edge (65535) and beyond give the last pixel.
std::int32_t PixelForAbsoluteGrid(std::int32_t sizePixels, std::int32_t grid);

}  // namespace platform_x11
