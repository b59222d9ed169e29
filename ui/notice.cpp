#include "ui/notice.h"

#include <windows.h>

#include "platform/window_class.h"

namespace ui {
namespace {

constexpr int kWidth = 420;
constexpr int kTextHeight = 90;
constexpr int kMargin = 12;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
constexpr int kOkId = IDOK;

LRESULT CALLBACK NoticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kOkId || LOWORD(wParam) == IDCANCEL) DestroyWindow(window);
            return 0;
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND Child(HWND parent, const char* cls, const std::string& text, DWORD style, int id, RECT r) {
    const HWND child = CreateWindowExA(0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, r.left,
                                       r.top, r.right - r.left, r.bottom - r.top, parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                       GetModuleHandleA(nullptr), nullptr);
    // The stock font belongs to the system; nothing to free.
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return child;
}

}  // namespace

void ShowNotice(const std::string& title, const std::string& text) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    platform::RegisterWindowClass(kNoticeClass, NoticeProc,
                                  reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle = WS_EX_TOPMOST | WS_EX_DLGMODALFRAME;
    const int clientHeight = kMargin * 3 + kTextHeight + kButtonHeight;
    RECT frame{0, 0, kWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const HWND window = CreateWindowExA(exStyle, kNoticeClass, title.c_str(), style,
                                        (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                        (GetSystemMetrics(SM_CYSCREEN) - height) / 3, width, height,
                                        nullptr, nullptr, instance, nullptr);
    if (!window) return;
    Child(window, "STATIC", text, SS_LEFT, -1,
          {kMargin, kMargin, kWidth - kMargin, kMargin + kTextHeight});
    const int buttonTop = kMargin * 2 + kTextHeight;
    Child(
        window, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, kOkId,
        {kWidth - kMargin - kButtonWidth, buttonTop, kWidth - kMargin, buttonTop + kButtonHeight});
    // Shown without taking the focus: the user may be typing elsewhere.
    ShowWindow(window, SW_SHOWNOACTIVATE);
}

}  // namespace ui
