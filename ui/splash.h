#pragma once
#include <functional>
#include <string>
#include <vector>

#include "forms/form.h"

namespace ui {

// The grey levels one pulse of the splash title shows, in order: the fade-in,
// then (after the hold at the last fade-in level) the fade-out, then black.
std::vector<int> PulseGreyLevels();

// Shows the form, not modal, and clips its window to the splash's ellipse.
void ShowElliptic(forms::Form& form);

// One pulse of `label` on `form`: fade in, hold, fade out, black.
void PulseOnce(forms::Form& form, const std::string& label, const std::string& text);

// Pulses `label` for the rest of the program's life; every later event of
// the program is handled inside the waits of this loop.
[[noreturn]] void PulseLabel(forms::Form& form, const std::string& label, const std::string& text);

// The splash window's handlers.
class Splash {
  public:
    // Binds the handlers to `form` (the splash); `showMain` hides nothing and
    // shows the main window.
    Splash(forms::Form& form, std::function<void()> showMain);

    [[noreturn]] void Form_Load();
    void Label1_Click();

  private:
    forms::Form& form_;
    std::function<void()> showMain_;
};

}  // namespace ui
