#include "ui/splash.h"

#include <windows.h>

#include "platform/gdi.h"
#include "platform/pump.h"
#include "ui/splash_controls.h"

namespace ui {
namespace {

constexpr char kSubtitle[] = " for: AOL 4.0 - 5.0";
constexpr int kEllipseRight = 225, kEllipseBottom = 250;  // pixels
// Written as a tenth of a microsecond: in effect one step of the delay clock.
constexpr double kFadeStepDelay = 0.0000001;
constexpr double kHoldDelay = 0.8;
constexpr int kFadeFirst = 64, kFadeStride = 5;
// Steps of each fade: n = 64, 59, ..., 4 in, and back out.
constexpr size_t kFadeSteps = (kFadeFirst - 1) / kFadeStride + 1;

int GreyForStep(int n) {
    return 255 - (4 * n - 1);
}

COLORREF Grey(int v) {
    return RGB(v, v, v);
}

}  // namespace

std::vector<int> PulseGreyLevels() {
    std::vector<int> levels;
    for (int n = kFadeFirst; n >= 1; n -= kFadeStride) levels.push_back(GreyForStep(n));
    for (int n = 1; n <= kFadeFirst; n += kFadeStride) levels.push_back(GreyForStep(n));
    levels.push_back(0);
    return levels;
}

void ShowElliptic(forms::Form& form) {
    form.Show();
    platform::Region region(CreateEllipticRgn(0, 0, kEllipseRight, kEllipseBottom));
    if (region && SetWindowRgn(form.Hwnd(), region, TRUE)) region.Release();
}

void PulseOnce(forms::Form& form, const std::string& label, const std::string& text) {
    form.SetAlignment(label, forms::Align::Centre);
    form.SetText(label, text);
    form.SetOpaque(label, false);
    form.SetAutoSize(label, true);
    form.SetBackColour(RGB(0, 0, 0));
    const std::vector<int> levels = PulseGreyLevels();
    for (size_t step = 0; step < levels.size(); ++step) {
        form.SetForeColour(label, Grey(levels[step]));
        // The closing black is not waited on: the next pulse starts from it.
        if (step + 1 == levels.size()) break;
        platform::Delay(kFadeStepDelay);
        if (step + 1 == kFadeSteps) platform::Delay(kHoldDelay);
    }
}

void PulseLabel(forms::Form& form, const std::string& label, const std::string& text) {
    for (;;) PulseOnce(form, label, text);
}

Splash::Splash(forms::Form& form, std::function<void()> showMain)
    : form_(form), showMain_(std::move(showMain)) {
    form_.On(forms::kForm, forms::Event::Load, [this] { Form_Load(); });
    form_.On(splash_controls::kTitleLabel, forms::Event::Click, [this] { Label1_Click(); });
}

void Splash::Form_Load() {
    ShowElliptic(form_);
    form_.SetText(splash_controls::kSubtitleLabel, kSubtitle);
    PulseLabel(form_, splash_controls::kTitleLabel, form_.Text(splash_controls::kTitleLabel));
}

void Splash::Label1_Click() {
    form_.Hide();
    if (showMain_) showMain_();
}

}  // namespace ui
