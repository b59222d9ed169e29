#include "host/app_activate.h"

#include <windows.h>

#include <cstring>

namespace host {

void AppActivate(const std::string& title) {
    if (title.empty()) return;
    // The platform's title match ignores letter case; it narrows the
    // candidates without sending them anything, and the exact test decides.
    std::string buffer(title.size() + 2, '\0');
    for (HWND w = FindWindowExA(nullptr, nullptr, nullptr, title.c_str()); w;
         w = FindWindowExA(nullptr, w, nullptr, title.c_str())) {
        const int n = GetWindowTextA(w, &buffer[0], static_cast<int>(buffer.size()));
        if (n == static_cast<int>(title.size()) &&
            std::memcmp(buffer.data(), title.data(), title.size()) == 0) {
            SetForegroundWindow(w);
            return;
        }
    }
}

}  // namespace host
