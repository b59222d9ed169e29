#include "hostsim/record.h"

#include <cstdio>

namespace hostsim {

std::string MessageName(UINT message) {
    switch (message) {
        case WM_SETTEXT:
            return "WM_SETTEXT";
        case WM_GETTEXT:
            return "WM_GETTEXT";
        case WM_GETTEXTLENGTH:
            return "WM_GETTEXTLENGTH";
        case WM_CLOSE:
            return "WM_CLOSE";
        case WM_LBUTTONDOWN:
            return "WM_LBUTTONDOWN";
        case WM_LBUTTONUP:
            return "WM_LBUTTONUP";
        case WM_KEYDOWN:
            return "WM_KEYDOWN";
        case WM_KEYUP:
            return "WM_KEYUP";
        case WM_CHAR:
            return "WM_CHAR";
        case WM_ENABLE:
            return "WM_ENABLE";
        default: {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "0x%04X", message);
            return buffer;
        }
    }
}

std::string Describe(const Record& r) {
    char head[160];
    char cls[64] = "";
    GetClassNameA(r.window, cls, sizeof cls);
    std::snprintf(head, sizeof head, "%p %-14s %-16s %s w=0x%lX l=0x%lX",
                  static_cast<void*>(r.window), cls, MessageName(r.message).c_str(),
                  r.posted ? "posted" : "sent  ", static_cast<unsigned long>(r.wParam),
                  static_cast<unsigned long>(r.lParam));
    std::string line = head;
    if (r.message == WM_SETTEXT) line += " \"" + r.text + "\"";
    return line;
}

std::string Describe(const std::vector<Record>& records) {
    std::string out;
    for (const Record& r : records) out += Describe(r) + "\n";
    return out;
}

}  // namespace hostsim
