#pragma once
#include <functional>

#include "forms/form.h"
#include "ui/log_extent.h"

namespace ui {

// The main window's handlers: the answering machine's controls, the log
// buttons, UpChat and UnUpChat, the options button, dragging, minimising and
// closing. All lasting state lives in the form's controls, but for the
// widths of the logged messages, measured once.
class MainWindow {
  public:
    // Binds the handlers to `form` (the main window); `popOptions` pops up the
    // options menu at the pointer.
    MainWindow(forms::Form& form, std::function<void()> popOptions);

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Image1_MouseDown();
    void Image2_MouseDown();
    void Label2_Click();
    void Label2_MouseMove();
    void Label3_MouseDown();
    void Label4_MouseDown();
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();
    void Label8_MouseMove();
    void Label9_Click();
    void Timer1_Timer();

  private:
    void CloseWithShrink();
    void ShowOnlyLabel8();

    forms::Form& form_;
    std::function<void()> popOptions_;
    LogExtent messageLogExtent_;
};

}  // namespace ui
