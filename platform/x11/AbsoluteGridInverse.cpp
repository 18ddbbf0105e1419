#include "AbsoluteGridInverse.h"

#include "engine/MouseCommands.h"

namespace platform_x11 {
namespace {

constexpr std::int32_t kGridEdge = 65535;

}  // namespace

std::int32_t PixelForAbsoluteGrid(std::int32_t sizePixels, std::int32_t grid) {
    if (sizePixels <= 1) {
        return 0;
    }
    // The grid's far edge is the last pixel. The engine encodes the last pixel one past it
    // (65536), so this agrees with the search below for every value the engine produces.
    if (grid >= kGridEdge) {
        return sizePixels - 1;
    }
    // The engine's encoding is a non-decreasing step function of the pixel (single-precision
    // rounding keeps it monotonic), so a binary search over the pixels inverts it exactly
    // without re-deriving its rounding.
    const float sizeMinusOne = static_cast<float>(sizePixels - 1);
    // The answer stays within [low, high]; pixel 0 is the answer when even it lies beyond.
    std::int32_t low = 0;
    std::int32_t high = sizePixels - 1;
    while (low < high) {
        const std::int32_t middle = low + (high - low + 1) / 2;
        if (Tambo::AbsoluteGridCoordinate(sizeMinusOne, middle) <= grid) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return low;
}

}  // namespace platform_x11
