#include "outgoing/idler_window.h"

#include <functional>
#include <vector>

#include "hosttext/idler_lines.h"
#include "outgoing/chat.h"
#include "shell/window_behaviours.h"

namespace outgoing {

using forms::Event;
using hosttext::IdleHeaderLine;
using hosttext::IdleMinutesLine;
using hosttext::IdleOffLine;
using hosttext::IdleReasonLine;
using hosttext::NextIdleCount;

IdlerWindow::IdlerWindow(forms::Form& form) : form_(form) {
    form_.On(forms::kForm, Event::Load, [this] { Form_Load(); });
    form_.On("Command1", Event::Click, [this] { Command1_Click(); });
    form_.On("Command2", Event::Click, [this] { Command2_Click(); });
    form_.On("Label1", Event::MouseDown, [this] { Label1_MouseDown(); });
    form_.On("Label4", Event::Click, [this] { Label4_Click(); });
    form_.On("Timer1", Event::Timer, [this] { Timer1_Timer(); });
}

void IdlerWindow::Form_Load() { shell::StayOnTop(form_); }

void IdlerWindow::SayIdleLines() {
    // Each line is composed only when its turn comes: finding the room pumps
    // messages, and the user may edit the reason meanwhile. If the window is
    // closed (or closed and opened afresh) while the lines go out, the rest
    // are dropped rather than said with the values of a window that is gone.
    const unsigned started = form_.Generation();
    const std::vector<std::function<std::string()>> lines = {
        [] { return IdleHeaderLine(); },
        [this] { return IdleReasonLine(form_.Text("Text1")); },
        [this] { return IdleMinutesLine(form_.Text("Label2")); },
    };
    for (const auto& compose : lines) {
        if (form_.Generation() != started) return;
        SendChatLine(compose());
    }
}

void IdlerWindow::Command1_Click() {
    form_.SetText("Label2", "0");
    form_.SetTimerEnabled("Timer1", true);
    SayIdleLines();
}

void IdlerWindow::Timer1_Timer() {
    form_.SetText("Label2", NextIdleCount(form_.Text("Label2")));
    SayIdleLines();
}

void IdlerWindow::Command2_Click() {
    const unsigned started = form_.Generation();
    form_.SetTimerEnabled("Timer1", false);
    SendChatLine(IdleOffLine());
    if (form_.Generation() == started) form_.SetText("Label2", "0");
}

void IdlerWindow::Label1_MouseDown() { shell::FormDrag(form_); }

void IdlerWindow::Label4_Click() { form_.Unload(); }

}  // namespace outgoing
