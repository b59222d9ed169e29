#pragma once
#include "forms/form.h"

namespace ui {

// The chat idler's handlers: Start, the minute tick and Stop say their lines
// in the host's chat room; the title drags the window; "X" unloads it.
class IdlerWindow {
  public:
    explicit IdlerWindow(forms::Form& form);

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Label1_MouseDown();
    void Label4_Click();
    void Timer1_Timer();

  private:
    // Says the header, reason and minutes lines, each composed from the
    // controls as they are at the moment it goes out.
    void SayIdleLines();

    forms::Form& form_;
};

}  // namespace ui
