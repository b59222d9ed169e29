#pragma once
// The run-time side of a loaded form: what exists only between Load and
// Unload. Private to the forms library.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "forms/form.h"
#include "platform/gdi.h"

namespace forms {

// Child window ids start here, so an id maps straight to a control's index.
constexpr int kFirstControlId = 1000;
// Menu item ids start here and count items in the order the menus list them.
constexpr UINT kFirstMenuId = 100;
// Where a windowed control keeps the window procedure we took over from it.
constexpr char kOriginalProcProp[] = "replymate.form.proc";

struct Form::ControlState {
    const ControlLayout* layout = nullptr;
    int index = 0;
    std::string text;  // windowless controls; windowed ones keep theirs in the window
    bool visible = true;
    COLORREF fore = 0, back = 0;
    Align align = Align::Left;
    bool autoSize = false;
    bool opaque = true;
    RECT rect{};  // client pixels
    HWND hwnd = nullptr;
    platform::Font font;
    platform::Brush backBrush;  // windowed controls' background, handed out in WM_CTLCOLOR*
};

struct Form::TimerState {
    const TimerLayout* layout = nullptr;
    UINT_PTR id = 0;
    bool enabled = false;
    int intervalMs = 0;
    bool running = false;  // its handler is on the stack
};

struct Form::State {
    HWND hwnd = nullptr;
    int dpi = 96;
    COLORREF back = 0;
    platform::Font font;
    std::vector<ControlState> controls;  // in layout order, front-most first
    std::vector<TimerState> timers;
    std::vector<int> tabOrder;                 // indexes of focusable controls
    std::map<int, platform::Bitmap> pictures;  // by resource id
    std::vector<platform::Menu> menus;         // the top-level ones; each destroys its submenus
    std::map<std::string, HMENU> popups;
    std::vector<std::string> menuItems;  // by id - kFirstMenuId
    int pressed = -1;                    // windowless control under a held button
    HWND lastFocus = nullptr;

    HBITMAP Picture(int id);
};

// Creates the font a layout names, at the screen's density.
HFONT CreateLayoutFont(const FontStyle& font, int dpi);

// Draws a bitmap into `target`: at its top-left corner, or centred; either way
// cut to the target, never stretched.
void DrawPicture(HDC dc, HBITMAP picture, const RECT& target, bool centred);

}  // namespace forms
