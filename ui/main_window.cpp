#include "ui/main_window.h"

#include "answer/cycle.h"
#include "answer/upchat.h"
#include "hosttext/record_line.h"
#include "platform/pump.h"
#include "ui/layouts/layouts.h"
#include "ui/main_window_controls.h"
#include "ui/notice.h"
#include "ui/window_behaviours.h"

namespace ui {

using namespace main_window_controls;

using forms::Event;

MainWindow::MainWindow(forms::Form& form, std::function<void()> popOptions,
                       const AnsweringSettings& settings)
    : form_(form),
      popOptions_(std::move(popOptions)),
      messageLogExtent_(form, kMessageLog),
      recordFile_(settings.recordPath),
      sendLimits_(settings.send),
      backoff_(settings.backoff) {
    form_.On(forms::kForm, Event::Load, [this] { Form_Load(); });
    form_.On(kStart, Event::Click, [this] { Command1_Click(); });
    form_.On(kClearAway, Event::Click, [this] { Command2_Click(); });
    form_.On(kStop, Event::Click, [this] { Command3_Click(); });
    form_.On(kUpChat, Event::Click, [this] { Command4_Click(); });
    form_.On(kClearLogs, Event::Click, [this] { Command5_Click(); });
    form_.On(kUnUpChat, Event::Click, [this] { Command6_Click(); });
    form_.On(kOptions, Event::Click, [this] { Command7_Click(); });
    form_.On(kTopBand, Event::MouseDown, [this] { Image1_MouseDown(); });
    form_.On(kBottomBand, Event::MouseDown, [this] { Image2_MouseDown(); });
    form_.On(kQuit, Event::Click, [this] { Label2_Click(); });
    form_.On(kQuit, Event::MouseMove, [this] { Label2_MouseMove(); });
    form_.On(kTitle, Event::MouseDown, [this] { Label3_MouseDown(); });
    form_.On(kLogHeading, Event::MouseDown, [this] { Label4_MouseDown(); });
    form_.On(kClose, Event::Click, [this] { Label6_Click(); });
    form_.On(kLogStop, Event::Click, [this] { Label7_Click(); });
    form_.On(kQuitShrinking, Event::Click, [this] { Label8_Click(); });
    form_.On(kQuitShrinking, Event::MouseMove, [this] { Label8_MouseMove(); });
    form_.On(kMinimise, Event::Click, [this] { Label9_Click(); });
    form_.On(kAnswerTimer, Event::Timer, [this] { Timer1_Timer(); });
}

void MainWindow::Form_Load() {
    ui::StayOnTop(form_);
}

void MainWindow::Command1_Click() {
    form_.SetTimerEnabled(kAnswerTimer, true);
}
void MainWindow::Command3_Click() {
    form_.SetTimerEnabled(kAnswerTimer, false);
}
void MainWindow::Label7_Click() {
    form_.SetTimerEnabled(kAnswerTimer, false);
}

void MainWindow::Command2_Click() {
    form_.SetText(kAwayMessage, "");
}

void MainWindow::Command5_Click() {
    form_.ClearItems(kSenderLog);
    form_.ClearItems(kMessageLog);
    messageLogExtent_.Forget();
}

void MainWindow::Command4_Click() {
    answer::UpChat();
}
void MainWindow::Command6_Click() {
    answer::UnUpChat();
}

void MainWindow::Command7_Click() {
    if (popOptions_) popOptions_();
}

void MainWindow::Image1_MouseDown() {
    ui::FormDrag(form_);
}
void MainWindow::Image2_MouseDown() {
    ui::FormDrag(form_);
}
void MainWindow::Label3_MouseDown() {
    ui::FormDrag(form_);
}
void MainWindow::Label4_MouseDown() {
    ui::FormDrag(form_);
}

void MainWindow::Label9_Click() {
    ui::MinimizeWindow(form_.Hwnd());
}

void MainWindow::CloseWithShrink() {
    ui::ShrinkAndCenter(form_);
    platform::EndProgram();
}

void MainWindow::Label6_Click() {
    CloseWithShrink();
}
void MainWindow::Label8_Click() {
    CloseWithShrink();
}
void MainWindow::Label2_Click() {
    platform::EndProgram();
}

void MainWindow::ShowOnlyLabel8() {
    form_.SetVisible(kQuitShrinking, true);
    form_.SetVisible(kQuit, false);
}

void MainWindow::Label2_MouseMove() {
    ShowOnlyLabel8();
}
void MainWindow::Label8_MouseMove() {
    ShowOnlyLabel8();
}

void MainWindow::Record(const std::string& sender, const std::string& message) {
    form_.AddItem(kSenderLog, sender);
    form_.AddItem(kMessageLog, message);
    SetMessageListExtent(messageLogExtent_);
    std::string why;
    if (recordFile_.Append(hosttext::RecordLine(platform::LocalTimestamp(), sender, message),
                           &why) ||
        recordFailureShown_)
        return;
    // Said once, and nothing waits for it: the answering machine goes on, and
    // the lists still hold every message.
    recordFailureShown_ = true;
    ShowNotice(layouts::kApplicationTitle,
               "Messages cannot be kept on disk: " + recordFile_.path() + ": " + why +
                   "\r\n\r\nThey are still recorded in the main window's lists until you close "
                   "replymate.");
}

void MainWindow::Timer1_Timer() {
    answer::AnswerLog log;
    log.awayText = [this] { return form_.Text(kAwayMessage); };
    log.record = [this](const std::string& sender, const std::string& message) {
        Record(sender, message);
    };
    answer::RunAnsweringCycle(log, backoff_, sendLimits_);
}

}  // namespace ui
