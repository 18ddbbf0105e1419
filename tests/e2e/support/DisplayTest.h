#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "TestDisplay.h"

namespace e2e {

// A fixture on the display DISPLAY names, watched from a connection of the test's own; the test
// is skipped when there is no such display. Fixtures that open more in SetUp call this first and
// return when IsSkipped().
class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        display = TestDisplay::Open(nullptr);
        if (!display) {
            GTEST_SKIP() << "no X display with XTEST and XInput 2.1";
        }
    }

    std::unique_ptr<TestDisplay> display;
};

}  // namespace e2e
