#include "answer/main_window.h"

#include "answer/cycle.h"
#include "answer/reply.h"
#include "answer/upchat.h"
#include "forms/program.h"
#include "shell/window_behaviours.h"

namespace answer {

using forms::Event;

MainWindow::MainWindow(forms::Form& form, std::function<void()> popOptions)
    : form_(form), popOptions_(std::move(popOptions)) {
    form_.On(forms::kForm, Event::Load, [this] { Form_Load(); });
    form_.On("Command1", Event::Click, [this] { Command1_Click(); });
    form_.On("Command2", Event::Click, [this] { Command2_Click(); });
    form_.On("Command3", Event::Click, [this] { Command3_Click(); });
    form_.On("Command4", Event::Click, [this] { Command4_Click(); });
    form_.On("Command5", Event::Click, [this] { Command5_Click(); });
    form_.On("Command6", Event::Click, [this] { Command6_Click(); });
    form_.On("Command7", Event::Click, [this] { Command7_Click(); });
    form_.On("Image1", Event::MouseDown, [this] { Image1_MouseDown(); });
    form_.On("Image2", Event::MouseDown, [this] { Image2_MouseDown(); });
    form_.On("Label2", Event::Click, [this] { Label2_Click(); });
    form_.On("Label2", Event::MouseMove, [this] { Label2_MouseMove(); });
    form_.On("Label3", Event::MouseDown, [this] { Label3_MouseDown(); });
    form_.On("Label4", Event::MouseDown, [this] { Label4_MouseDown(); });
    form_.On("Label6", Event::Click, [this] { Label6_Click(); });
    form_.On("Label7", Event::Click, [this] { Label7_Click(); });
    form_.On("Label8", Event::Click, [this] { Label8_Click(); });
    form_.On("Label8", Event::MouseMove, [this] { Label8_MouseMove(); });
    form_.On("Label9", Event::Click, [this] { Label9_Click(); });
    form_.On("Timer1", Event::Timer, [this] { Timer1_Timer(); });
}

void MainWindow::Form_Load() { shell::StayOnTop(form_); }

void MainWindow::Command1_Click() { form_.SetTimerEnabled("Timer1", true); }
void MainWindow::Command3_Click() { form_.SetTimerEnabled("Timer1", false); }
void MainWindow::Label7_Click() { form_.SetTimerEnabled("Timer1", false); }

void MainWindow::Command2_Click() { form_.SetText("Text1", ""); }

void MainWindow::Command5_Click() {
    form_.ClearItems("List1");
    form_.ClearItems("List2");
}

void MainWindow::Command4_Click() { UpChat(); }
void MainWindow::Command6_Click() { UnUpChat(); }

void MainWindow::Command7_Click() {
    if (popOptions_) popOptions_();
}

void MainWindow::Image1_MouseDown() { shell::FormDrag(form_); }
void MainWindow::Image2_MouseDown() { shell::FormDrag(form_); }
void MainWindow::Label3_MouseDown() { shell::FormDrag(form_); }
void MainWindow::Label4_MouseDown() { shell::FormDrag(form_); }

void MainWindow::Label9_Click() { shell::MinimizeWindow(form_.Hwnd()); }

void MainWindow::CloseWithShrink() {
    shell::ShrinkAndCenter(form_);
    forms::EndProgram();
}

void MainWindow::Label6_Click() { CloseWithShrink(); }
void MainWindow::Label8_Click() { CloseWithShrink(); }
void MainWindow::Label2_Click() { forms::EndProgram(); }

void MainWindow::ShowOnlyLabel8() {
    form_.SetVisible("Label8", true);
    form_.SetVisible("Label2", false);
}

void MainWindow::Label2_MouseMove() { ShowOnlyLabel8(); }
void MainWindow::Label8_MouseMove() { ShowOnlyLabel8(); }

void MainWindow::Timer1_Timer() {
    AnswerLog log;
    log.awayText = [this] { return form_.Text("Text1"); };
    log.logSender = [this](const std::string& s) { form_.AddItem("List1", s); };
    log.logMessage = [this](const std::string& m) { form_.AddItem("List2", m); };
    log.widenMessageLog = [this] { SetMessageListExtent(form_.ControlHwnd("List2"), form_.Font()); };
    RunAnsweringCycle(log);
}

}  // namespace answer
