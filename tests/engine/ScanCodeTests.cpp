#include <gtest/gtest.h>

#include "engine/platform/ScanCodes.h"

namespace {

TEST(ScanCodes, MatchTheUsLayoutSetOneCodes) {
    struct Case {
        unsigned virtualKey;
        unsigned scanCode;
    };
    const Case cases[] = {{65, 30},  {90, 44},  {13, 28},  {37, 75},  {38, 72},  {39, 77},
                          {40, 80},  {162, 29}, {18, 56},  {160, 42}, {27, 1},   {32, 57},
                          {48, 11},  {49, 2},   {112, 59}, {122, 87}, {123, 88}, {96, 82},
                          {188, 51}, {189, 12}, {190, 52}, {192, 41}, {20, 58},  {46, 83},
                          {1, 0},    {2, 0},    {0, 0},    {255, 0},  {256, 0},  {70000, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(Tambo::platform::Set1ScanCodeForVirtualKey(c.virtualKey), c.scanCode)
            << "virtual key " << c.virtualKey;
    }
}

}  // namespace
