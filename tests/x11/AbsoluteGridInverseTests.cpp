#include <gtest/gtest.h>

#include <limits>

#include "engine/MouseCommands.h"
#include "platform/x11/AbsoluteGridInverse.h"

namespace {

using platform_x11::PixelForAbsoluteGrid;

std::int32_t Grid(std::int32_t size, std::int32_t pixel) {
    return Tambo::AbsoluteGridCoordinate(static_cast<float>(size - 1), pixel);
}

// Each axis is encoded on its own, so every width and height of the screens below is covered.
TEST(AbsoluteGridInverse, EveryPixelTheEngineEncodesLandsOnItself) {
    for (const std::int32_t size : {1920, 1080, 1280, 720, 1366, 768, 3840, 2160, 2}) {
        for (std::int32_t pixel = 0; pixel < size; ++pixel) {
            ASSERT_EQ(PixelForAbsoluteGrid(size, Grid(size, pixel)), pixel) << "size " << size;
        }
    }
}

TEST(AbsoluteGridInverse, ValuesBetweenPixelsGoToThePixelBeforeAndOutsideValuesToTheEdge) {
    constexpr std::int32_t kWidth = 1920;
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    const struct {
        std::int32_t grid;
        std::int32_t pixel;
    } cases[] = {
        {Grid(kWidth, 640) - 1, 639},
        {Grid(kWidth, 640) + 1, 640},
        {Grid(kWidth, 641) - 1, 640},
        {0, 0},
        {-5, 0},
        {kMin, 0},
        {65535, kWidth - 1},
        {65536, kWidth - 1},
        {kMax, kWidth - 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PixelForAbsoluteGrid(kWidth, c.grid), c.pixel) << "grid " << c.grid;
    }
}

TEST(AbsoluteGridInverse, AOnePixelScreenHasOnlyPixelZero) {
    for (const std::int32_t grid : {0, 1, 65535}) {
        EXPECT_EQ(PixelForAbsoluteGrid(1, grid), 0);
    }
}

}  // namespace
