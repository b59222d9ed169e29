#pragma once
// A form: one top-level window built from a layout table (forms/layout.h).
//
//   forms::Form main(layouts::Form2Layout());
//   main.On(forms::kForm, forms::Event::Load, [&] { StayOnTop(main); });
//   main.On("Command1", forms::Event::Click, [&] { main.SetTimerEnabled("Timer1", true); });
//   main.On("Timer1", forms::Event::Timer, [&] { ... });
//   main.Show();
//
// Controls are named as in the layout. Labels, images and lines have no
// window of their own: the form draws them back to front and hit-tests them
// front to back (hidden ones, and points covered by a windowed control, are
// skipped). Buttons, text boxes and list boxes are child windows above them.
//
// Events reach handlers by control name and event; a control or event with no
// handler does nothing. Menu items are named like controls ("idle", "imoff")
// and raise Event::Click. A handler may pump messages (Pause, searches); other
// handlers then run nested inside it. A timer's tick that comes due while that
// same timer's handler is still running is dropped, so no handler is ever
// re-entered by its own timer.
//
// Unload destroys the window and forgets every run-time value; the next Load
// or Show builds it again from the layout. Property setters on a form that is
// not loaded do nothing and getters give empty values, so a handler that
// unloaded its own form (possibly from a nested handler) can run to its end.
//
// Unknown control names throw std::invalid_argument: they are programming
// errors. Binding a handler checks the name and the event at once. Nothing
// throws across a window procedure: an exception a handler lets out is
// reported (forms/handler_failure.h) and the message goes on as handled.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "forms/layout.h"

namespace forms {

enum class Event { Load, Click, MouseDown, MouseMove, Timer, Close };
using Handler = std::function<void()>;

// The name under which the form's own events (Event::Load) are registered.
constexpr char kForm[] = "Form";

class Form {
  public:
    explicit Form(FormLayout layout);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const FormLayout& Layout() const { return layout_; }

    // Registers (or replaces) the handler of one event of one control, timer
    // or menu item, or of the form itself under kForm. Handlers outlive
    // Unload. Throws std::invalid_argument for a name the layout lacks or an
    // event it cannot raise (Timer for timers, Load and Close for kForm).
    void On(const std::string& name, Event event, Handler handler);

    // Creates the window hidden, with every initial value of the layout, then
    // runs the form's Load handler. Does nothing when already loaded.
    void Load();
    // Loads if needed, then shows the window (not modal) and puts the focus
    // in the focusable control with the lowest tab place. A form marked
    // neverShown is only loaded.
    void Show();
    void Hide();
    // Destroys the window and its run-time state.
    void Unload();
    bool IsLoaded() const { return state_ != nullptr; }
    // Changes whenever the form is loaded or unloaded, so a handler that
    // pumped messages can tell whether the window it started on still stands.
    unsigned Generation() const { return generation_; }
    HWND Hwnd() const;

    // The whole window's place and size in twips.
    TwipRect Bounds() const;
    void SetBounds(const TwipRect& bounds);

    void SetBackColour(COLORREF colour);
    // The width in pixels of a text drawn in the form's own font.
    int TextWidth(const std::string& text) const;

    // Caption of a label or button, text of a text box.
    std::string Text(const std::string& name) const;
    void SetText(const std::string& name, const std::string& text);
    bool Visible(const std::string& name) const;
    void SetVisible(const std::string& name, bool visible);
    COLORREF ForeColour(const std::string& name) const;
    void SetForeColour(const std::string& name, COLORREF colour);

    // Labels.
    void SetAlignment(const std::string& name, Align align);
    // On: the label takes the size of its caption on one line, keeping its
    // left edge, centre or right edge as its alignment says.
    void SetAutoSize(const std::string& name, bool autoSize);
    void SetOpaque(const std::string& name, bool opaque);

    // Where a control lies, in client pixels (a label's after auto-sizing).
    RECT ControlRect(const std::string& name) const;
    // The child window of a button, text box or list box; 0 for the others.
    HWND ControlHwnd(const std::string& name) const;

    // List boxes. Items stay in the order they are added.
    void AddItem(const std::string& name, const std::string& item);
    int ItemCount(const std::string& name) const;
    std::string Item(const std::string& name, int index) const;
    void ClearItems(const std::string& name);
    // The width in pixels the list can scroll sideways to.
    void SetHorizontalExtent(const std::string& name, int pixels);

    // Timers.
    bool TimerEnabled(const std::string& name) const;
    void SetTimerEnabled(const std::string& name, bool enabled);
    int TimerInterval(const std::string& name) const;
    void SetTimerInterval(const std::string& name, int ms);

    // Pops up one of the form's menus at the pointer, loading the form (hidden)
    // first if needed. The chosen item's handler has run when this returns;
    // dismissing the menu does nothing.
    void PopupMenu(const std::string& menuName);

  private:
    struct State;
    struct ControlState;
    struct TimerState;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateWindowFromLayout();
    void CreateControls();
    bool CanRaise(const std::string& name, Event event) const;
    void Fire(const std::string& name, Event event);
    void OnTimer(UINT_PTR id);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnMouse(UINT message, POINT point);
    void Paint(HDC dc, const RECT& area);
    void DrawButton(const DRAWITEMSTRUCT& item);
    LRESULT ControlColours(UINT message, HDC dc, HWND control);
    void FocusFirst();
    void MoveFocus(int fromIndex, bool backwards);
    void AutoSize(ControlState& control);
    void Invalidate(ControlState& control);
    void ShowVisible(ControlState& control);
    template <typename T>
    T Get(const std::string& name, T ControlState::*field) const;
    template <typename T>
    void Set(const std::string& name, T ControlState::*field, T value,
             void (Form::*show)(ControlState&));

    ControlState& Find(const std::string& name) const;
    ControlState* FindLoaded(const std::string& name) const;
    TimerState* FindTimer(const std::string& name) const;
    int HitTest(POINT point) const;

    FormLayout layout_;
    std::map<std::pair<std::string, Event>, Handler> handlers_;
    std::unique_ptr<State> state_;
    // Counts loads, so code that ran a handler can tell whether the form it
    // started on is still the one that exists.
    unsigned generation_ = 0;
};

}  // namespace forms
