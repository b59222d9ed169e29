#pragma once
#include <functional>
#include <string>

#include "answer/backoff.h"
#include "forms/form.h"
#include "outgoing/send_im.h"
#include "platform/record_file.h"
#include "ui/log_extent.h"

namespace ui {

// Where the answering machine keeps what it records, and how long it waits
// for and on the host; the program runs with these, tests shorten them.
struct AnsweringSettings {
    std::string recordPath = platform::RecordFile::DefaultPath();
    outgoing::SendImLimits send;
    answer::BackoffLimits backoff;
};

// The main window's handlers: the answering machine's controls, the log
// buttons, UpChat and UnUpChat, the options button, dragging, minimising and
// closing. All lasting state lives in the form's controls, but for the
// widths of the logged messages (measured once), the record file on disk, and
// when a failing host may next be asked.
class MainWindow {
  public:
    // Binds the handlers to `form` (the main window); `popOptions` pops up the
    // options menu at the pointer.
    MainWindow(forms::Form& form, std::function<void()> popOptions,
               const AnsweringSettings& settings = {});

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

    // The record file, for a user who asks where it is.
    const std::string& recordPath() const { return recordFile_.path(); }

  private:
    void CloseWithShrink();
    void ShowOnlyLabel8();
    // Keeps one message read: both logs, the message log's range, the file.
    void Record(const std::string& sender, const std::string& message);

    forms::Form& form_;
    std::function<void()> popOptions_;
    LogExtent messageLogExtent_;
    platform::RecordFile recordFile_;
    bool recordFailureShown_ = false;  // a failing file is reported once a run
    outgoing::SendImLimits sendLimits_;
    answer::Backoff backoff_;
};

}  // namespace ui
