// Recognising the host's instant-message and edit-field windows.
#include <gtest/gtest.h>

#include <functional>

#include "answer/detectors.h"
#include "host/window_names.h"
#include "hostsim/host.h"
#include "hostsim/im_service.h"

namespace {

using hostsim::Host;
using hostsim::ImService;
using hostsim::ImWindowShape;

TEST(Detectors, FindNothingWithoutAHostOrWithNoWindowsOpen) {
    EXPECT_EQ(answer::FindReceivedIM(), nullptr);
    EXPECT_EQ(answer::FindIMWindow(), nullptr);
    EXPECT_EQ(answer::FindEditWindow(), nullptr);
    Host host;
    EXPECT_EQ(answer::FindReceivedIM(), nullptr);
    EXPECT_EQ(answer::FindIMWindow(), nullptr);
    EXPECT_EQ(answer::FindEditWindow(), nullptr);
}

struct ShapeCase {
    const char* name;
    ImWindowShape shape;
    bool received;  // FindReceivedIM takes it
    bool im;        // FindIMWindow takes it
};

// A chain of N steps over K controls lands on control N mod (K + 1), 0 being none.
const ShapeCase kShapes[] = {
    {"the host's incoming window", {}, true, true},
    {"two views: the third view step is none", {2, 4, 2, 14}, false, true},
    {"one view: the third step wraps onto it, the second is none", {1, 4, 2, 14}, true, false},
    {"no view", {0, 4, 2, 14}, false, false},
    {"seven icons: the eighth step is none", {3, 4, 2, 7}, false, false},
    {"four icons: steps 8 and 14 both land on icons", {3, 4, 2, 4}, true, true},
    {"two statics: the third step is none", {3, 2, 2, 14}, false, false},
    {"one transcript control: the second step is none", {3, 4, 1, 14}, false, false},
};

TEST(Detectors, TakeAWindowOnlyWhenEveryCountedLookupLandsOnAControl) {
    for (const ShapeCase& c : kShapes) {
        SCOPED_TRACE(c.name);
        Host host;
        ImService service(host);
        const HWND w = service.OpenIMWindow("  Instant Message From: x", "", c.shape);
        EXPECT_EQ(answer::FindReceivedIM(), c.received ? w : nullptr);
        EXPECT_EQ(answer::FindIMWindow(), c.im ? w : nullptr);
        EXPECT_EQ(answer::FindEditWindow(), nullptr);
    }
}

TEST(Detectors, TheFirstMatchInChildOrderWins) {
    Host host;
    ImService service(host);
    const HWND older = service.OpenIncomingIM("older", {{"older", "hi"}});
    const HWND newer = service.OpenIncomingIM("newer", {{"newer", "hi"}});
    (void)older;
    EXPECT_EQ(answer::FindReceivedIM(), newer);  // new host windows come first
    EXPECT_EQ(answer::FindIMWindow(), newer);
}

TEST(Detectors, ATwoViewWindowInFrontSplitsTheTwoIMDetectors) {
    Host host;
    ImService service(host);
    const HWND incoming = service.OpenIncomingIM("buddy", {{"buddy", "hi"}});
    const HWND twoViews = service.OpenIMWindow("Other: window", "", {2, 4, 2, 14});
    EXPECT_EQ(answer::FindReceivedIM(), incoming);
    EXPECT_EQ(answer::FindIMWindow(), twoViews);
}

TEST(Detectors, EditWindowIsItsOwnKind) {
    Host host;
    ImService service(host);
    service.OpenIncomingIM("buddy", {{"buddy", "hi"}});
    const HWND edit = service.OpenEditWindow();
    EXPECT_EQ(answer::FindEditWindow(), edit);
    EXPECT_NE(answer::FindReceivedIM(), edit);
    EXPECT_NE(answer::FindIMWindow(), edit);
}

TEST(Detectors, AnEditWindowWithTwoIconsIsNotTaken) {
    Host other;  // the third icon step over two icons is none
    other.OpenChild(
        {"short", {{host::kStaticClass, 1}, {host::kEditClass, 1}, {host::kIconClass, 2}}});
    EXPECT_EQ(answer::FindEditWindow(), nullptr);
}

// Runs `work` when this thread next dispatches its messages, as a search does
// between candidates.
class OnNextPump {
  public:
    explicit OnNextPump(std::function<void()> work) : work_(std::move(work)) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "detectors test pump";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        PostMessageA(window_, WM_APP, 0, 0);
    }
    ~OnNextPump() { DestroyWindow(window_); }

  private:
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        if (m == WM_APP) {
            reinterpret_cast<OnNextPump*>(GetWindowLongPtrA(w, GWLP_USERDATA))->work_();
            return 0;
        }
        return DefWindowProcA(w, m, wp, lp);
    }
    std::function<void()> work_;
    HWND window_ = nullptr;
};

TEST(Detectors, FindAWindowThatOpensAheadOfTheSearchOnceItWraps) {
    Host host;
    ImService service(host);
    service.OpenIMWindow("plain", "", {0, 0, 0, 0});
    HWND incoming = nullptr;
    // Opens in front of the candidate already examined, so only the search's
    // second pass over the host's windows can meet it.
    OnNextPump opener([&] { incoming = service.OpenIncomingIM("late", {{"late", "hi"}}); });
    const HWND found = answer::FindReceivedIM();
    ASSERT_NE(incoming, nullptr);
    EXPECT_EQ(found, incoming);
}

}  // namespace
