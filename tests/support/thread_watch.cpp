#include "support/thread_watch.h"

namespace testsupport {
namespace {

constexpr char kClass[] = "replymate test thread watch";
constexpr UINT_PTR kTimer = 1;
constexpr UINT kTickMs = 20;

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

ThreadWatch::ThreadWatch() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    window_ =
        CreateWindowExA(0, kClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    last_ = Now();
    SetTimer(window_, kTimer, kTickMs, nullptr);
}

ThreadWatch::~ThreadWatch() {
    DestroyWindow(window_);
}

void ThreadWatch::Tick() {
    const double now = Now();
    if (now - last_ > longestGap_) longestGap_ = now - last_;
    last_ = now;
}

LRESULT CALLBACK ThreadWatch::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        if (auto* self = reinterpret_cast<ThreadWatch*>(GetWindowLongPtrA(window, GWLP_USERDATA)))
            self->Tick();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace testsupport
