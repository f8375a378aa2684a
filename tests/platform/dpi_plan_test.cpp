// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "platform/win32/dpi_plan.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tovalin::platform {
namespace {

// Every combination of the four functions, as bits: GetDpiForWindow 8,
// AdjustWindowRectExForDpi 4, SystemParametersInfoForDpi 2, GetDpiForMonitor 1.
DpiFunctionsFound fromBits(int bits) {
    return {(bits & 8) != 0, (bits & 4) != 0, (bits & 2) != 0, (bits & 1) != 0};
}

struct PlanCase {
    const char* windows;
    int bits;
    DpiPlan plan;
};

void PrintTo(const PlanCase& c, std::ostream* os) {
    *os << c.windows << " (functions " << c.bits << ")";
}

class DpiPlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(DpiPlanTest, Chooses) {
    EXPECT_EQ(chooseDpiPlan(fromBits(GetParam().bits)), GetParam().plan);
}

constexpr DpiPlan kWindow{DpiSource::Window, true};
constexpr DpiPlan kMonitor{DpiSource::Monitor, false};
constexpr DpiPlan kSystem{DpiSource::System, false};

INSTANTIATE_TEST_SUITE_P(
    Windows, DpiPlanTest,
    ::testing::Values(
        // The systems there are.
        PlanCase{"7 and 8", 0b0000, kSystem}, PlanCase{"8.1", 0b0001, kMonitor},
        PlanCase{"10 and 11", 0b1111, kWindow},
        // Every other combination: the window's DPI wins over the monitor's, and
        // the ...ForDpi metrics need both functions.
        PlanCase{"font only", 0b0010, kSystem}, PlanCase{"font, monitor", 0b0011, kMonitor},
        PlanCase{"frame only", 0b0100, kSystem}, PlanCase{"frame, monitor", 0b0101, kMonitor},
        PlanCase{"frame and font", 0b0110, {DpiSource::System, true}},
        PlanCase{"frame, font, monitor", 0b0111, {DpiSource::Monitor, true}},
        PlanCase{"window only", 0b1000, {DpiSource::Window, false}},
        PlanCase{"window, monitor", 0b1001, {DpiSource::Window, false}},
        PlanCase{"window, font", 0b1010, {DpiSource::Window, false}},
        PlanCase{"window, font, monitor", 0b1011, {DpiSource::Window, false}},
        PlanCase{"window, frame", 0b1100, {DpiSource::Window, false}},
        PlanCase{"window, frame, monitor", 0b1101, {DpiSource::Window, false}},
        PlanCase{"window, frame, font", 0b1110, kWindow}));

} // namespace
} // namespace tovalin::platform
