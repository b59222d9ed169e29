// The shrink's arithmetic on a model window, the shrink, top-most and
// minimise on real forms, and a real caption drag.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "forms/form.h"
#include "platform/units.h"
#include "platform/pump.h"
#include "ui/window_behaviours.h"
#include "support/msg_sequence.h"

namespace {

using ui::CentredOrigin;
using ui::RoundHalfEven;
using ui::ShrinkStepCount;

constexpr double kScreenW = 19200, kScreenH = 15360;  // 1280 x 1024 pixels

// The window's place and size once a step of the shrink has changed its left.
struct ShrinkFrame {
    double left, top, width, height;
    bool operator==(const ShrinkFrame& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

// A window that takes every size but a negative one and any height below
// `minHeight`; it notes its frame after each step and counts the pumps.
class ModelWindow : public ui::ShrinkTarget {
  public:
    explicit ModelWindow(const ShrinkFrame& start, double minHeight = 0)
        : now(start), minHeight_(minHeight) {}
    double Width() const override { return now.width; }
    double Height() const override { return now.height; }
    void SetWidth(double w) override {
        if (w >= 0) now.width = w;
    }
    void SetHeight(double h) override {
        if (h >= minHeight_) now.height = h;
    }
    // The left is the last change of every step.
    void SetLeft(double left) override {
        now.left = left;
        frames.push_back(now);
    }
    void SetTop(double top) override { now.top = top; }
    void Pump() override { ++pumps; }
    ShrinkFrame now;
    std::vector<ShrinkFrame> frames;
    int pumps = 0;

  private:
    double minHeight_;
};

std::vector<ShrinkFrame> PlanShrink(ShrinkFrame start, double screenWidth, double screenHeight) {
    ModelWindow window(start);
    ui::RunShrink(window, screenWidth, screenHeight);
    return window.frames;
}

TEST(ShrinkArithmetic, RoundsHalvesToEvenAndHalvesPlacesTowardsZero) {
    struct Case {
        double value, rounded;
    } cases[] = {{0.5, 0},  {1.5, 2},   {2.5, 2},       {35.5, 36}, {34.5, 34},
                 {-0.5, 0}, {-1.5, -2}, {-100.5, -100}, {0.49, 0},  {0.51, 1}};
    for (const Case& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
    EXPECT_EQ(ShrinkStepCount(2130), 36);
    EXPECT_EQ(ShrinkStepCount(2070), 34);
    EXPECT_EQ(ShrinkStepCount(2100), 35);
    EXPECT_EQ(CentredOrigin(1000, 1101), -50);  // -101 halves towards zero
    EXPECT_EQ(CentredOrigin(0, 100.5), -50);    // -100.5 rounds to -100 first
    EXPECT_EQ(CentredOrigin(1001, 0), 500);
}

TEST(ShrinkArithmetic, MainWindowStopsAfter34StepsAt3105By60Centred) {
    const auto frames = PlanShrink({100, 200, 7185, 2100}, kScreenW, kScreenH);
    ASSERT_EQ(frames.size(), 34u);  // not the 35 its height promises
    EXPECT_EQ(frames.front(), (ShrinkFrame{6067, 6660, 7065, 2040}));
    EXPECT_EQ(frames.back(), (ShrinkFrame{8047, 7650, 3105, 60}));
    for (size_t i = 1; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i - 1].width - frames[i].width, 120);
        EXPECT_EQ(frames[i - 1].height - frames[i].height, 60);
    }
}

TEST(ShrinkArithmetic, SmallWindowsAndWindowsLargerThanTheScreen) {
    struct Case {
        const char* what;
        ShrinkFrame start;
        double screenH;
        size_t steps;
        ShrinkFrame last;
    } cases[] = {
        {"height 30 is left alone", {5, 6, 4000, 30}, kScreenH, 0, {}},
        {"height 0 is left alone", {5, 6, 4000, 0}, kScreenH, 0, {}},
        {"width 220 stops after one step", {5, 6, 220, 2000}, kScreenH, 1, {9550, 6710, 100, 1940}},
        {"width 221 goes on until the height stops it",
         {5, 6, 221, 600},
         kScreenH,
         9,
         {9549, 7650, 101, 60}},
        {"taller than the screen", {5, 6, 4000, 1161}, 1000, 19, {8740, 489, 1720, 21}},
    };
    for (const Case& c : cases) {
        const auto frames = PlanShrink(c.start, kScreenW, c.screenH);
        EXPECT_EQ(frames.size(), c.steps) << c.what;
        if (c.steps && frames.size() == c.steps) {
            EXPECT_EQ(frames.back(), c.last) << c.what;
        }
    }
    // The first step of the tall window is placed above the screen's top.
    const auto tall = PlanShrink({5, 6, 4000, 1161}, kScreenW, 1000);
    ASSERT_FALSE(tall.empty());
    EXPECT_EQ(tall.front().top, -50);
}

TEST(ShrinkArithmetic, ARefusedStepIsSkippedAndTheShrinkGoesOn) {
    ModelWindow window({0, 0, 7185, 2100}, 1500);  // no height below 1500
    ui::RunShrink(window, kScreenW, kScreenH);
    EXPECT_EQ(window.now.height, 1500);
    EXPECT_EQ(window.now.width, 7185 - 35 * 120);  // all n = 35 steps ran
    EXPECT_EQ(window.pumps, 3 * 35);
}

forms::FormLayout PlainForm(int width, int height) {
    forms::FormLayout layout;
    layout.name = layout.caption = "behaviour test";
    layout.border = forms::Border::None;
    layout.clientWidth = width;
    layout.clientHeight = height;
    layout.place = POINT{1500, 1500};
    layout.controls = {forms::Label("Label1", {0, 0, 1500, 255}, "drag me", {}).Tab(0)};
    return layout;
}

TEST(WindowBehaviours, ShrinkAndCenterShrinksARealFormAboutTheScreensCentre) {
    forms::Form form(PlainForm(7185, 2100));
    form.Load();
    ui::ShrinkAndCenter(form);
    const forms::TwipRect b = form.Bounds();
    EXPECT_EQ(b.width, 3105);
    EXPECT_EQ(b.height, 60);
    const SIZE screen = platform::ScreenSizeTwips();
    EXPECT_NEAR(b.left, (screen.cx - 3105) / 2, 15);
    EXPECT_NEAR(b.top, (screen.cy - 60) / 2, 15);
}

TEST(WindowBehaviours, StayOnTopMinimizeAndACaptionDragByTheMouse) {
    forms::Form form(PlainForm(3000, 1500));
    form.On("Label1", forms::Event::MouseDown, [&] { ui::FormDrag(form); });
    form.Show();
    ui::StayOnTop(form);
    EXPECT_TRUE(GetWindowLongA(form.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    ui::StayOnTop(form);  // again: still top-most
    EXPECT_TRUE(GetWindowLongA(form.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    RECT before;
    GetWindowRect(form.Hwnd(), &before);
    const RECT label = form.ControlRect("Label1");
    const POINT grab{before.left + (label.left + label.right) / 2,
                     before.top + (label.top + label.bottom) / 2};
    // The drag loop runs inside our handler, so the hand moves on another thread.
    std::atomic<bool> done{false};
    std::thread hand([&] {
        SetCursorPos(grab.x, grab.y);
        Sleep(100);
        INPUT press{INPUT_MOUSE};
        press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        SendInput(1, &press, sizeof press);
        Sleep(200);
        for (int i = 1; i <= 10; ++i) {
            SetCursorPos(grab.x + 8 * i, grab.y + 4 * i);
            Sleep(30);
        }
        INPUT release{INPUT_MOUSE};
        release.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(1, &release, sizeof release);
        Sleep(200);
        done = true;
    });
    testsupport::PumpUntil([&] { return done.load(); }, 10);
    hand.join();
    platform::Pause(0.2);
    RECT after;
    GetWindowRect(form.Hwnd(), &after);
    EXPECT_EQ(after.left - before.left, 80);
    EXPECT_EQ(after.top - before.top, 40);

    ui::MinimizeWindow(form.Hwnd());
    EXPECT_TRUE(IsIconic(form.Hwnd()));
}

}  // namespace
