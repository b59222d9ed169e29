// The splash window's ellipse and title pulse.
#include <gtest/gtest.h>

#include <vector>

#include "forms/form.h"
#include "platform/clock.h"
#include "platform/pump.h"
#include "ui/layouts/layouts.h"
#include "ui/splash.h"

namespace {

TEST(Pulse, GreyLevelsOfOneCycle) {
    const std::vector<int> expected = {
        0,   20,  40,  60,  80,  100, 120, 140, 160, 180, 200, 220, 240,  // fade-in
        252, 232, 212, 192, 172, 152, 132, 112, 92,  72,  52,  32,  12,   // fade-out
        0,
    };
    EXPECT_EQ(ui::PulseGreyLevels(), expected);
}

TEST(Pulse, OneCycleHoldsForItsHoldAndEndsBlack) {
    forms::Form splash(layouts::Form1Layout());
    splash.Load();
    const double start = platform::MonotonicSeconds();
    ui::PulseOnce(splash, "Label1", "quillo's im/idle tools");
    const double took = platform::MonotonicSeconds() - start;
    // 26 steps of the 1/64 s clock and the 0.8 s hold
    EXPECT_GE(took, 0.8 + 25.0 / 64);
    EXPECT_LT(took, 0.8 + 27.0 / 64 + 0.5);
    EXPECT_EQ(splash.ForeColour("Label1"), RGB(0, 0, 0));
    EXPECT_EQ(splash.Text("Label1"), "quillo's im/idle tools");
    splash.Unload();
}

TEST(Delay, ATinyWaitEndsAtTheNextClockStep) {
    const double start = platform::MonotonicSeconds();
    platform::Delay(0.0000001);
    EXPECT_LE(platform::MonotonicSeconds() - start,
              2.0 / platform::kDelayClockTicksPerSecond + 0.05);
    const double before = platform::MonotonicSeconds();
    platform::Delay(0);
    EXPECT_LT(platform::MonotonicSeconds() - before, 0.01);
}

TEST(Splash, ShowEllipticClipsTheWindowToTheEllipse) {
    forms::Form splash(layouts::Form1Layout());
    ui::ShowElliptic(splash);
    EXPECT_TRUE(IsWindowVisible(splash.Hwnd()));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(splash.Hwnd(), region), ERROR);
    RECT box;
    GetRgnBox(region, &box);
    DeleteObject(region);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    // an elliptic region leaves out its rectangle's last column and row
    EXPECT_EQ(box.right, 224);
    EXPECT_EQ(box.bottom, 249);
    splash.Unload();
}

}  // namespace
