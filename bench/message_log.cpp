// What a long message costs our window thread once it is logged: adding it to
// the main window's message log, and widening the log's scroll range on the
// answer that logs it and on every answer after, with a thousand short
// entries beside it; and the same widening when every entry is measured on
// every answer. Prints figures only.
#include <windows.h>

#include <cstdio>
#include <string>

#include "forms/form.h"
#include "platform/clock.h"
#include "ui/layouts/layouts.h"
#include "ui/log_extent.h"
#include "ui/main_window_controls.h"

namespace {

constexpr size_t kLongMessage = 1024 * 1024;
constexpr int kShortEntries = 1000;
constexpr int kRuns = 5;
using ui::main_window_controls::kMessageLog;

double Ms(double fromSeconds) {
    return (platform::MonotonicSeconds() - fromSeconds) * 1000;
}

}  // namespace

int main() {
    forms::Form form(layouts::Form2Layout());
    form.Load();
    ui::LogExtent extent(form, kMessageLog);
    for (int i = 0; i < kShortEntries; ++i)
        form.AddItem(kMessageLog, "message " + std::to_string(i) + ": are you there?");
    extent.Widen();

    const std::string longMessage(kLongMessage, 'm');
    double start = platform::MonotonicSeconds();
    form.AddItem(kMessageLog, longMessage);
    std::printf("logging a 1 MiB message (LB_ADDSTRING): %.1f ms\n", Ms(start));
    start = platform::MonotonicSeconds();
    extent.Widen();
    std::printf("widening the log on the answer that logs it: %.1f ms\n", Ms(start));

    start = platform::MonotonicSeconds();
    for (int run = 0; run < kRuns; ++run) extent.Widen();
    std::printf("widening the log on each answer after, %d entries: %.2f ms\n", kShortEntries + 1,
                Ms(start) / kRuns);

    double measuringAll = 0;
    for (int run = 0; run < kRuns; ++run) {
        ui::LogExtent fresh(form, kMessageLog);
        start = platform::MonotonicSeconds();
        fresh.Widen();
        measuringAll += Ms(start);
    }
    std::printf("the same, every entry measured on every answer: %.1f ms\n", measuringAll / kRuns);
    form.Unload();
    return 0;
}
