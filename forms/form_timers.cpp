// Timers: enabled and interval as properties, ticks to handlers.
#include <algorithm>
#include <stdexcept>

#include "forms/form.h"
#include "forms/form_state.h"

namespace forms {

Form::TimerState* Form::FindTimer(const std::string& name) const {
    const bool known = std::any_of(layout_.timers.begin(), layout_.timers.end(),
                                   [&](const TimerLayout& t) { return t.name == name; });
    if (!known) throw std::invalid_argument("no timer named " + name + " on " + layout_.name);
    if (!state_) return nullptr;
    for (TimerState& t : state_->timers)
        if (t.layout->name == name) return &t;
    return nullptr;
}

bool Form::TimerEnabled(const std::string& name) const {
    TimerState* t = FindTimer(name);
    return t && t->enabled;
}

void Form::SetTimerEnabled(const std::string& name, bool enabled) {
    TimerState* t = FindTimer(name);
    if (!t) return;
    // Enabling a running timer keeps its interval running rather than restarting it.
    if (enabled == t->enabled) return;
    t->enabled = enabled;
    if (enabled && t->intervalMs > 0) {
        SetTimer(state_->hwnd, t->id, static_cast<UINT>(t->intervalMs), nullptr);
    } else {
        KillTimer(state_->hwnd, t->id);
    }
}

int Form::TimerInterval(const std::string& name) const {
    TimerState* t = FindTimer(name);
    return t ? t->intervalMs : 0;
}

void Form::SetTimerInterval(const std::string& name, int ms) {
    TimerState* t = FindTimer(name);
    if (!t || t->intervalMs == ms) return;
    t->intervalMs = ms;
    if (!t->enabled) return;
    if (ms > 0) {
        SetTimer(state_->hwnd, t->id, static_cast<UINT>(ms), nullptr);
    } else {
        KillTimer(state_->hwnd, t->id);
    }
}

}  // namespace forms
