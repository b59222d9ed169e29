#include "hostsim/controls.h"

#include <cstring>

#include "hostsim/host_tree.h"

namespace hostsim {
namespace {

constexpr const char* kControlClasses[] = {
    tree::kIconClass,    tree::kStaticClass,     tree::kViewClass,     tree::kRichClass,
    tree::kEditClass,    tree::kListboxClass,    tree::kComboboxClass, tree::kImageClass,
    tree::kToolbarClass, tree::kToolbarBarClass,
};

// A longer text is set once the control exists (see CreateControl).
constexpr size_t kLongestCreationText = 16 * 1024;

void Paint(HWND window, ControlState* state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT rc;
    GetClientRect(window, &rc);
    char cls[32] = "";
    GetClassNameA(window, cls, sizeof cls);
    const bool icon = std::strcmp(cls, tree::kIconClass) == 0;
    const bool writable =
        std::strcmp(cls, tree::kRichClass) == 0 || std::strcmp(cls, tree::kEditClass) == 0;
    FillRect(dc, &rc,
             GetSysColorBrush(icon       ? COLOR_BTNFACE
                              : writable ? COLOR_WINDOW
                                         : COLOR_3DLIGHT));
    FrameRect(dc, &rc, GetSysColorBrush(COLOR_BTNSHADOW));
    SetBkMode(dc, TRANSPARENT);
    const std::string shown = state && !state->text.empty() ? state->text : std::string(cls);
    RECT text = rc;
    InflateRect(&text, -2, -1);
    DrawTextA(dc, shown.c_str(), static_cast<int>(shown.size()), &text,
              DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    EndPaint(window, &ps);
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ControlState* state = StateOf(window);
    switch (message) {
        case WM_NCCREATE: {
            auto* created = new ControlState;
            const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            if (cs->lpszName) created->text = cs->lpszName;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
            return TRUE;
        }
        case WM_NCDESTROY:
            delete state;
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            return 0;
        case WM_SETTEXT:
            if (!state) break;
            state->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
            InvalidateRect(window, nullptr, TRUE);
            return TRUE;
        case WM_GETTEXTLENGTH:
            if (!state) break;
            {
                const LRESULT length = static_cast<LRESULT>(state->text.size());
                if (state->shrinkOnRead) {
                    state->shrinkOnRead = false;
                    state->text = state->shrunkText;
                }
                return length;
            }
        case WM_GETTEXT: {
            if (!state || wParam == 0 || !lParam) return 0;
            const size_t n = state->text.size() < wParam - 1 ? state->text.size() : wParam - 1;
            std::memcpy(reinterpret_cast<char*>(lParam), state->text.data(), n);
            reinterpret_cast<char*>(lParam)[n] = '\0';
            return static_cast<LRESULT>(n);
        }
        case WM_LBUTTONDOWN:
            if (state) state->pressed = true;
            return 0;
        case WM_LBUTTONUP:
            if (state && state->pressed) {
                state->pressed = false;
                // Copied first: the action may close the window that owns this state.
                auto action = state->onClick;
                if (action) action();
            }
            return 0;
        case WM_CHAR:
            if (state && wParam == VK_RETURN && state->onEnter) {
                auto action = state->onEnter;
                action();
            }
            return 0;
        case WM_PAINT:
            Paint(window, state);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void RegisterControlClasses() {
    for (const char* name : kControlClasses) {
        WNDCLASSA wc = {};
        if (GetClassInfoA(GetModuleHandleA(nullptr), name, &wc)) continue;
        wc.lpfnWndProc = ControlProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
}

HWND CreateControl(HWND parent, const char* cls, const std::string& text, int x, int y, int w,
                   int h) {
    // Wine hands a creation text on as a counted string that holds at most
    // 32K characters, so a long text is given once the control exists.
    const bool longText = text.size() > kLongestCreationText;
    const HWND control =
        CreateWindowExA(0, cls, longText ? "" : text.c_str(), WS_CHILD | WS_VISIBLE, x, y, w, h,
                        parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (longText) SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return control;
}

ControlState* StateOf(HWND control) {
    if (!control) return nullptr;
    char cls[32] = "";
    GetClassNameA(control, cls, sizeof cls);
    for (const char* name : kControlClasses) {
        if (std::strcmp(cls, name) == 0) {
            return reinterpret_cast<ControlState*>(GetWindowLongPtrA(control, GWLP_USERDATA));
        }
    }
    return nullptr;
}

}  // namespace hostsim
