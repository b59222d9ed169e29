#pragma once
#include <functional>

#include "forms/form.h"

namespace ui {

// The options menu's items, held by the never-shown options form.
class OptionsMenu {
  public:
    // Binds the item handlers to `form`; `showIdler` shows the chat idler.
    OptionsMenu(forms::Form& form, std::function<void()> showIdler);

    // Pops the menu up at the pointer; returns once a chosen item has run.
    void Pop();

    void idle_Click();
    void imoff_Click();
    void imon_Click();
    void about_Click();
    void greets_Click();

  private:
    forms::Form& form_;
    std::function<void()> showIdler_;
};

}  // namespace ui
