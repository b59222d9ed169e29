// What a long message costs our window thread once it is logged: adding it to
// the message log, and widening the log's scroll range (SetMessageListExtent)
// on the answer that logs it and on every answer after, with a thousand
// short entries beside it; and the same widening when every entry is
// measured on every answer. Prints figures only.
#include <windows.h>

#include <cstdio>
#include <string>

#include "answer/reply.h"
#include "host/clock.h"

namespace {

constexpr size_t kLongMessage = 1024 * 1024;
constexpr int kShortEntries = 1000;
constexpr int kRuns = 5;

double Ms(double fromSeconds) {
    return (host::MonotonicSeconds() - fromSeconds) * 1000;
}

void ForgetWidths(HWND list) {
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i)
        SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(i), 0);
}

}  // namespace

int main() {
    const HWND list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP | LBS_NOINTEGRALHEIGHT, 0, 0, 100,
                                      100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (int i = 0; i < kShortEntries; ++i) {
        const std::string entry = "message " + std::to_string(i) + ": are you there?";
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    answer::SetMessageListExtent(list, font);

    const std::string longMessage(kLongMessage, 'm');
    double start = host::MonotonicSeconds();
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(longMessage.c_str()));
    std::printf("logging a 1 MiB message (LB_ADDSTRING): %.1f ms\n", Ms(start));
    start = host::MonotonicSeconds();
    answer::SetMessageListExtent(list, font);
    std::printf("SetMessageListExtent on the answer that logs it: %.1f ms\n", Ms(start));

    start = host::MonotonicSeconds();
    for (int run = 0; run < kRuns; ++run) answer::SetMessageListExtent(list, font);
    std::printf("SetMessageListExtent on each answer after, %d entries: %.2f ms\n",
                kShortEntries + 1, Ms(start) / kRuns);

    double measuringAll = 0;
    for (int run = 0; run < kRuns; ++run) {
        ForgetWidths(list);
        start = host::MonotonicSeconds();
        answer::SetMessageListExtent(list, font);
        measuringAll += Ms(start);
    }
    std::printf("the same, every entry measured on every answer: %.1f ms\n", measuringAll / kRuns);
    DestroyWindow(list);
    return 0;
}
