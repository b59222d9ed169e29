#include "ui/window_behaviours.h"

#include <cmath>

#include "platform/pump.h"
#include "platform/units.h"

namespace ui {
namespace {

// A form seen through ShrinkTarget; it reads the window back after every
// change, so a size the window refused is simply its old size.
class FormTarget : public ShrinkTarget {
  public:
    explicit FormTarget(forms::Form& form) : form_(form) {}
    double Width() const override { return form_.Bounds().width; }
    double Height() const override { return form_.Bounds().height; }
    // A negative size is no size at all; the window keeps the one it has.
    void SetWidth(double width) override {
        if (width >= 0) Change([&](forms::TwipRect& b) { b.width = Whole(width); });
    }
    void SetHeight(double height) override {
        if (height >= 0) Change([&](forms::TwipRect& b) { b.height = Whole(height); });
    }
    void SetLeft(double left) override {
        Change([&](forms::TwipRect& b) { b.left = Whole(left); });
    }
    void SetTop(double top) override {
        Change([&](forms::TwipRect& b) { b.top = Whole(top); });
    }
    void Pump() override { platform::PumpMessages(); }

  private:
    static int Whole(double twips) { return static_cast<int>(RoundHalfEven(twips)); }
    template <typename Edit>
    void Change(Edit edit) {
        if (!form_.IsLoaded()) return;
        forms::TwipRect bounds = form_.Bounds();
        edit(bounds);
        form_.SetBounds(bounds);
    }
    forms::Form& form_;
};

}  // namespace

void FormDrag(forms::Form& form) {
    // The capture the form took for the pressed control would keep the
    // window system from starting its own drag.
    ReleaseCapture();
    SendMessageA(form.Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void StayOnTop(forms::Form& form) {
    SetWindowPos(form.Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

void MinimizeWindow(HWND window) {
    ShowWindow(window, SW_MINIMIZE);
}

double RoundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5) return lower + 1;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

int ShrinkStepCount(double height) {
    return static_cast<int>(RoundHalfEven(height / kShrinkHeightStep));
}

int CentredOrigin(double screen, double size) {
    // integer halving truncates towards zero: -101 gives -50
    return static_cast<int>(RoundHalfEven(screen - size)) / 2;
}

void RunShrink(ShrinkTarget& target, double screenWidth, double screenHeight) {
    const int steps = ShrinkStepCount(target.Height());
    for (int i = 1; i <= steps; ++i) {
        target.Pump();
        // A refused size leaves the window as it was; the step goes on with it.
        target.SetHeight(target.Height() - kShrinkHeightStep);
        target.SetTop(CentredOrigin(screenHeight, target.Height()));
        target.Pump();
        target.SetWidth(target.Width() - kShrinkWidthStep);
        target.SetLeft(CentredOrigin(screenWidth, target.Width()));
        if (target.Width() <= kShrinkStopWidth) return;
        if (target.Height() <= kShrinkStopHeight) return;
        target.Pump();
    }
}

void ShrinkAndCenter(forms::Form& form) {
    if (!form.IsLoaded()) return;
    const SIZE screen = platform::ScreenSizeTwips();
    FormTarget target(form);
    RunShrink(target, screen.cx, screen.cy);
}

}  // namespace ui
