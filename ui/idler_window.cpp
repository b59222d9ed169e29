#include "ui/idler_window.h"

#include <functional>
#include <vector>

#include "hosttext/idler_lines.h"
#include "outgoing/chat.h"
#include "ui/idler_window_controls.h"
#include "ui/window_behaviours.h"

namespace ui {

using namespace idler_window_controls;

using forms::Event;
using hosttext::IdleHeaderLine;
using hosttext::IdleMinutesLine;
using hosttext::IdleOffLine;
using hosttext::IdleReasonLine;
using hosttext::NextIdleCount;

IdlerWindow::IdlerWindow(forms::Form& form) : form_(form) {
    form_.On(forms::kForm, Event::Load, [this] { Form_Load(); });
    form_.On(kStart, Event::Click, [this] { Command1_Click(); });
    form_.On(kStop, Event::Click, [this] { Command2_Click(); });
    form_.On(kTitleStrip, Event::MouseDown, [this] { Label1_MouseDown(); });
    form_.On(kClose, Event::Click, [this] { Label4_Click(); });
    form_.On(kMinuteTimer, Event::Timer, [this] { Timer1_Timer(); });
}

void IdlerWindow::Form_Load() {
    ui::StayOnTop(form_);
}

void IdlerWindow::SayIdleLines() {
    // Each line is composed only when its turn comes: finding the room pumps
    // messages, and the user may edit the reason meanwhile. If the window is
    // closed (or closed and opened afresh) while the lines go out, the rest
    // are dropped rather than said with the values of a window that is gone.
    const unsigned started = form_.Generation();
    const std::vector<std::function<std::string()>> lines = {
        [] { return IdleHeaderLine(); },
        [this] { return IdleReasonLine(form_.Text(kReason)); },
        [this] { return IdleMinutesLine(form_.Text(kMinuteCounter)); },
    };
    for (const auto& compose : lines) {
        if (form_.Generation() != started) return;
        outgoing::SendChatLine(compose());
    }
}

void IdlerWindow::Command1_Click() {
    form_.SetText(kMinuteCounter, "0");
    form_.SetTimerEnabled(kMinuteTimer, true);
    SayIdleLines();
}

void IdlerWindow::Timer1_Timer() {
    form_.SetText(kMinuteCounter, NextIdleCount(form_.Text(kMinuteCounter)));
    SayIdleLines();
}

void IdlerWindow::Command2_Click() {
    const unsigned started = form_.Generation();
    form_.SetTimerEnabled(kMinuteTimer, false);
    outgoing::SendChatLine(IdleOffLine());
    if (form_.Generation() == started) form_.SetText(kMinuteCounter, "0");
}

void IdlerWindow::Label1_MouseDown() {
    ui::FormDrag(form_);
}

void IdlerWindow::Label4_Click() {
    form_.Unload();
}

}  // namespace ui
