// The window that gives a parked pointer back: when it cannot be made, nothing
// is freed twice and the pointer still comes back; when the program ends, it
// gives back a pointer that is still parked.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "host/cursor.h"
#include "platform/pump.h"
#include "support/msg_sequence.h"

namespace {

// While watched, every block freed is remembered until it is handed out
// again, so one freed twice is counted (and not freed again).
std::atomic<bool> watching{false};
constexpr size_t kRemembered = 4096;
void* freed[kRemembered];
size_t freedCount = 0;
int doubleFrees = 0;

bool Forget(void* block) {
    for (size_t i = 0; i < freedCount; ++i) {
        if (freed[i] == block) {
            freed[i] = freed[--freedCount];
            return true;
        }
    }
    return false;
}

void Free(void* block) noexcept {
    if (watching && block) {
        if (Forget(block)) {
            freed[freedCount++] = block;
            ++doubleFrees;
            return;
        }
        if (freedCount < kRemembered) freed[freedCount++] = block;
    }
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block) throw std::bad_alloc();
    if (watching) Forget(block);
    return block;
}

void operator delete(void* block) noexcept {
    Free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    Free(block);
}

namespace {

constexpr char kReturnClass[] = "replymate pointer return";
constexpr POINT kHome{200, 150}, kCorner{0, 0};

// Makes this thread's pointer-return windows fail once their making has
// begun: the window's own procedure sees WM_NCCREATE (and takes whatever it
// is handed then), WM_CREATE fails, and the window is destroyed again.
class FailingReturnWindows {
  public:
    FailingReturnWindows() : hook_(SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId())) {
        begun_ = 0;
    }
    ~FailingReturnWindows() { UnhookWindowsHookEx(hook_); }
    FailingReturnWindows(const FailingReturnWindows&) = delete;
    FailingReturnWindows& operator=(const FailingReturnWindows&) = delete;
    int begun() const { return begun_; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const char* cls = code == HCBT_CREATEWND
                              ? reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass
                              : nullptr;
        if (cls && !IS_INTRESOURCE(cls) && lstrcmpA(cls, kReturnClass) == 0) {
            const HWND window = reinterpret_cast<HWND>(wParam);
            own_ = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Fail)));
            ++begun_;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static LRESULT CALLBACK Fail(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_CREATE) return -1;
        return CallWindowProcA(own_, window, message, wParam, lParam);
    }

    HHOOK hook_;
    static inline WNDPROC own_ = nullptr;
    static inline int begun_ = 0;
};

POINT Pointer() {
    POINT now{};
    GetCursorPos(&now);
    return now;
}

bool PointerAt(POINT where) {
    const POINT now = Pointer();
    return now.x == where.x && now.y == where.y;
}

// Under Wine a move shows only once X has made it: the pointer is placed, and
// then looked at until it holds still there.
void PlacePointer(POINT where) {
    int steady = 0;
    testsupport::PumpUntil(
        [&] {
            if (PointerAt(where)) return ++steady >= 5;
            steady = 0;
            SetCursorPos(where.x, where.y);
            return false;
        },
        2.0);
}

TEST(PointerReturn, AReturnWindowThatFailsToBeMadeFreesNothingTwiceAndThePointerComesBack) {
    PlacePointer(kHome);
    {
        FailingReturnWindows failing;
        doubleFrees = 0;
        watching = true;
        {
            host::SavedCursorPos saved;
            saved.Park(kCorner);
        }
        watching = false;
        EXPECT_EQ(failing.begun(), 1);
        EXPECT_EQ(doubleFrees, 0);
    }
    EXPECT_TRUE(testsupport::PumpUntil([] { return PointerAt(kHome); }, 2.0))
        << "the pointer is at " << Pointer().x << "," << Pointer().y;
}

TEST(PointerReturn, TheEndOfTheProgramGivesBackAPointerStillParked) {
    PlacePointer(kHome);
    host::SavedCursorPos saved;
    saved.Park(kCorner);
    ASSERT_EQ(Pointer().x, kCorner.x);
    platform::AnnounceEnding();  // what EndProgram does before the process goes
    EXPECT_EQ(Pointer().x, kHome.x);
    EXPECT_EQ(Pointer().y, kHome.y);
}

}  // namespace
