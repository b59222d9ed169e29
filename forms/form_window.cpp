// The form's window procedure: events to handlers, mouse hit-testing, timers,
// focus and the colours of windowed controls.
#include <windowsx.h>

#include <stdexcept>

#include "forms/form.h"
#include "forms/form_state.h"
#include "forms/handler_failure.h"

namespace forms {
namespace {

Form* FormOf(HWND window) {
    return reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

const char* EventName(Event event) {
    switch (event) {
        case Event::Load:
            return "Load";
        case Event::Click:
            return "Click";
        case Event::MouseDown:
            return "MouseDown";
        case Event::MouseMove:
            return "MouseMove";
        case Event::Timer:
            return "Timer";
        case Event::Close:
            return "Close";
    }
    return "?";
}

bool IsButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

bool IsButtonUp(UINT message) {
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

}  // namespace

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        if (form->state_) form->state_->hwnd = window;
    }
    Form* form = FormOf(window);
    if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (!form || !form->state_ || form->state_->hwnd != window)
        return DefWindowProcA(window, message, wParam, lParam);
    try {
        if (message == WM_NCDESTROY) {
            // Destroyed from outside (not by Unload): forget the run-time state.
            ++form->generation_;
            form->state_.reset();
            return DefWindowProcA(window, message, wParam, lParam);
        }
        return form->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& e) {
        // Nothing may unwind through the window system.
        ReportHandlerFailure(form->layout_.name + ": " + e.what());
        return DefWindowProcA(window, message, wParam, lParam);
    } catch (...) {
        ReportHandlerFailure(form->layout_.name + ": an exception that is not a std::exception");
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK Form::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(GetPropA(window, kOriginalProcProp));
    if (!original) return DefWindowProcA(window, message, wParam, lParam);
    try {
        switch (message) {
            case WM_KEYDOWN:
                if (wParam == VK_TAB) {
                    Form* form = FormOf(GetParent(window));
                    if (form && form->state_) {
                        const bool backwards = GetKeyState(VK_SHIFT) < 0;
                        form->MoveFocus(GetDlgCtrlID(window) - kFirstControlId, backwards);
                    }
                    return 0;
                }
                break;
            case WM_CHAR:
                // Tab moves the focus; it is never typed into a text box.
                if (wParam == '\t') return 0;
                break;
            case WM_NCDESTROY:
                RemovePropA(window, kOriginalProcProp);
                SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
                break;
        }
    } catch (...) {
        ReportHandlerFailure("a control's window procedure failed");
    }
    return CallWindowProcA(original, window, message, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = state_->hwnd;
    switch (message) {
        case WM_CREATE:
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT draws every pixel
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            Paint(dc, ps.rcPaint);
            EndPaint(window, &ps);
            return 0;
        }
        case WM_DRAWITEM:
            DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
            return ControlColours(message, reinterpret_cast<HDC>(wParam),
                                  reinterpret_cast<HWND>(lParam));
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            OnMouse(message, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_CAPTURECHANGED:
            state_->pressed = -1;
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(window, focus)) state_->lastFocus = focus;
            } else if (!HIWORD(wParam)) {
                HWND last = state_->lastFocus;
                if (last && IsWindow(last) && IsChild(window, last) && IsWindowVisible(last) &&
                    IsWindowEnabled(last)) {
                    SetFocus(last);
                } else {
                    FocusFirst();
                }
            }
            return 0;
        case WM_WINDOWPOSCHANGING:
            if (layout_.neverShown) reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
            break;
        case WM_CLOSE:
            // Alt+F4 and the like: the form's Close handler decides; without
            // one the form unloads rather than leave a dead window behind.
            if (handlers_.count({kForm, Event::Close})) {
                Fire(kForm, Event::Close);
            } else {
                Unload();
            }
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void Form::Fire(const std::string& name, Event event) {
    auto it = handlers_.find({name, event});
    if (it == handlers_.end() || !it->second) return;
    // A copy, so a handler that replaces its own registration keeps running.
    Handler handler = it->second;
    try {
        handler();
    } catch (const std::exception& e) {
        ReportHandlerFailure(layout_.name + "." + name + " " + EventName(event) + ": " + e.what());
    } catch (...) {
        ReportHandlerFailure(layout_.name + "." + name + " " + EventName(event) +
                             ": an exception that is not a std::exception");
    }
}

void Form::OnTimer(UINT_PTR id) {
    TimerState* timer = nullptr;
    for (TimerState& t : state_->timers)
        if (t.id == id) timer = &t;
    // A tick already queued when the timer was disabled is not delivered.
    if (!timer || !timer->enabled) return;
    // A tick that comes due while this timer's handler still runs (inside one
    // of its waits) is dropped, so the handler never runs nested in itself.
    if (timer->running) return;
    timer->running = true;
    const unsigned generation = generation_;
    Fire(timer->layout->name, Event::Timer);
    if (generation == generation_) timer->running = false;
}

void Form::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        if (HIWORD(wParam) != 0) return;  // accelerators: we have none
        const UINT id = LOWORD(wParam);
        if (id < kFirstMenuId || id - kFirstMenuId >= state_->menuItems.size()) return;
        const std::string item = state_->menuItems[id - kFirstMenuId];
        Fire(item, Event::Click);
        return;
    }
    const int index = LOWORD(wParam) - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(state_->controls.size())) return;
    const ControlState& c = state_->controls[index];
    const WORD code = HIWORD(wParam);
    // An owner-drawn button reports the second press of a double click as
    // BN_DOUBLECLICKED instead of BN_CLICKED; it is a click all the same.
    if (c.layout->kind == Kind::Button && (code == BN_CLICKED || code == BN_DOUBLECLICKED))
        Fire(c.layout->name, Event::Click);
}

int Form::HitTest(POINT point) const {
    RECT client;
    GetClientRect(state_->hwnd, &client);
    // What lies outside the client area is cut off, and cannot be pointed at.
    if (!PtInRect(&client, point)) return -1;
    HWND child = ChildWindowFromPointEx(state_->hwnd, point, CWP_SKIPINVISIBLE);
    if (child && child != state_->hwnd) return -1;
    for (const ControlState& c : state_->controls) {
        if (c.hwnd || !c.visible || c.layout->kind == Kind::Line) continue;
        if (PtInRect(&c.rect, point)) return c.index;
    }
    return -1;
}

void Form::OnMouse(UINT message, POINT point) {
    HWND window = state_->hwnd;
    if (IsButtonDown(message)) {
        const int hit = HitTest(point);
        SetCapture(window);
        state_->pressed = hit;
        if (hit >= 0) Fire(layout_.controls[hit].name, Event::MouseDown);
        return;
    }
    if (IsButtonUp(message)) {
        const int pressed = state_->pressed;
        state_->pressed = -1;
        if (GetCapture() == window) ReleaseCapture();
        if (message == WM_LBUTTONUP && pressed >= 0 && HitTest(point) == pressed)
            Fire(layout_.controls[pressed].name, Event::Click);
        return;
    }
    // While a button is held over a control, the moves belong to that control.
    const int target =
        state_->pressed >= 0 && GetCapture() == window ? state_->pressed : HitTest(point);
    if (target >= 0) Fire(layout_.controls[target].name, Event::MouseMove);
}

void Form::FocusFirst() {
    for (int index : state_->tabOrder) {
        HWND h = state_->controls[index].hwnd;
        if (IsWindowVisible(h) && IsWindowEnabled(h)) {
            SetFocus(h);
            return;
        }
    }
    SetFocus(state_->hwnd);
}

void Form::MoveFocus(int fromIndex, bool backwards) {
    const std::vector<int>& order = state_->tabOrder;
    const int n = static_cast<int>(order.size());
    int at = 0;
    while (at < n && order[at] != fromIndex) ++at;
    if (at == n) return;
    for (int step = 1; step < n; ++step) {
        const int next = backwards ? (at - step + n) % n : (at + step) % n;
        HWND h = state_->controls[order[next]].hwnd;
        if (IsWindowVisible(h) && IsWindowEnabled(h)) {
            SetFocus(h);
            return;
        }
    }
}

LRESULT Form::ControlColours(UINT message, HDC dc, HWND control) {
    const int index = GetDlgCtrlID(control) - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(state_->controls.size()) ||
        !state_->controls[index].backBrush) {
        return DefWindowProcA(state_->hwnd, message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    const ControlState& c = state_->controls[index];
    SetTextColor(dc, c.fore);
    SetBkColor(dc, c.back);
    return reinterpret_cast<LRESULT>(c.backBrush.get());
}

}  // namespace forms
