#include "platform/window_class.h"

namespace platform {

bool RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    if (GetClassInfoA(instance, name, &wc)) return true;
    wc = {};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0;
}

}  // namespace platform
