// Choosing host toolbar menu items with posted keys, on the simulated host.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/clock.h"
#include "host/primitives.h"
#include "host/window_names.h"
#include "hostsim/host.h"
#include "hostsim/im_service.h"
#include "outgoing/toolbar_menu.h"
#include "support/msg_sequence.h"

namespace {

using hostsim::Host;
using hostsim::ImService;
using testsupport::Expected;
using testsupport::kPosted;

constexpr POINT kUserPointer{40, 50};  // well away from where the host's menu opens

POINT Pointer() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

// Puts the pointer somewhere and waits until the window system has caught up:
// under X the move comes back as an event, and one that arrives after the
// procedure under test has parked the pointer would move it back.
void PlacePointer(POINT where) {
    int steady = 0;
    testsupport::PumpUntil(
        [&] {
            POINT p{};
            GetCursorPos(&p);
            if (p.x == where.x && p.y == where.y) return ++steady >= 5;
            steady = 0;
            SetCursorPos(where.x, where.y);
            return false;
        },
        2.0);
}

// The same lag runs the other way: give the last move a moment to come back.
void ExpectPointerAt(POINT where) {
    testsupport::PumpUntil(
        [&] {
            const POINT p = Pointer();
            return p.x == where.x && p.y == where.y;
        },
        1.0);
    const POINT p = Pointer();
    EXPECT_EQ(p.x, where.x);
    EXPECT_EQ(p.y, where.y);
}

// Each call is an operation of its own, with its own line to the host.
// Short enough that a test of the limit does not wait out the real one.
constexpr double kTestMenuLimit = 1.5;

outgoing::MenuResult RunToolbarMenu(int IconNumber, int ItemNumber, bool SubMenu,
                                    int SubItemNumber) {
    host::HostLink link;
    return outgoing::RunToolbarMenu(link, IconNumber, ItemNumber, SubMenu, SubItemNumber,
                                    kTestMenuLimit);
}

// The icon's click, then each key as a down and up pair to the menu.
std::vector<Expected> ClickThenKeys(HWND icon, HWND menu, std::initializer_list<WPARAM> keys) {
    std::vector<Expected> out{{icon, WM_LBUTTONDOWN, kPosted}, {icon, WM_LBUTTONUP, kPosted}};
    for (WPARAM k : keys) {
        out.push_back({menu, WM_KEYDOWN, kPosted, k});
        out.push_back({menu, WM_KEYUP, kPosted, k});
    }
    return out;
}

struct MenuCase {
    const char* name;
    int item;
    bool subMenu;
    int subItem;
    std::initializer_list<WPARAM> keys;
    int choice;
};

const MenuCase kMenuCases[] = {
    {"sixth item",
     6,
     false,
     0,
     {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN},
     ImService::kFirstCommand + ImService::kSendIMItem - 1},
    {"third item of the fifth's submenu",
     ImService::kSubMenuItem,
     true,
     3,
     {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN},
     ImService::kFirstSubCommand + 2},
};

TEST(ToolbarMenu, WalksTheTenthIconsMenuWithPostedKeysAndPutsThePointerBack) {
    for (const MenuCase& c : kMenuCases) {
        SCOPED_TRACE(c.name);
        Host host;
        ImService service(host);
        const HWND icon = host.toolbarIcons()[ImService::kMenuIcon - 1];
        PlacePointer(kUserPointer);

        EXPECT_EQ(outgoing::MenuResult::kChosen,
                  RunToolbarMenu(ImService::kMenuIcon, c.item, c.subMenu, c.subItem));
        ExpectPointerAt(kUserPointer);
        ASSERT_TRUE(testsupport::PumpUntil([&] { return service.LastMenuChoice() != 0; }, 5));
        testsupport::Settle(host);

        ASSERT_EQ(service.MenuWindows().size(), 1u);
        auto expected = ClickThenKeys(icon, service.MenuWindows()[0], c.keys);
        const auto recorded =
            testsupport::Only(host.Records(), {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_KEYDOWN, WM_KEYUP});
        // The menu closes on Return's key-down; the key-up we post after it
        // may find the menu's window gone, and then nobody receives it.
        if (recorded.size() + 1 == expected.size()) expected.pop_back();
        EXPECT_SEQUENCE(recorded, expected);
        EXPECT_EQ(service.LastMenuChoice(), c.choice);
    }
}

// A menu the host brought too late for an earlier try, or the user's: it is
// closed, and the keys go to the menu our own click opens.
TEST(ToolbarMenu, AHostMenuAlreadyOpenIsClosedFirstAndOursIsDriven) {
    Host host;
    ImService service(host);
    host::PostClick(host.toolbarIcons()[ImService::kMenuIcon - 1]);
    ASSERT_TRUE(testsupport::PumpUntil([&] { return service.MenuWindows().size() == 1; }, 5));

    EXPECT_EQ(outgoing::MenuResult::kChosen,
              RunToolbarMenu(ImService::kMenuIcon, ImService::kSendIMItem, false, 0));
    ASSERT_TRUE(testsupport::PumpUntil([&] { return service.LastMenuChoice() != 0; }, 5));
    EXPECT_EQ(service.MenusOpened(), 2);
    EXPECT_EQ(service.LastMenuChoice(), ImService::kFirstCommand + ImService::kSendIMItem - 1);
}

// A popup menu of another thread of ours, standing for another program's.
class ForeignMenu {
  public:
    ForeignMenu() {
        thread_ = std::thread([this] { Run(); });
        testsupport::PumpUntil([this] { return window_.load() != nullptr; }, 5);
    }
    ~ForeignMenu() { Close(); }
    HWND window() const { return window_; }
    // Closes the menu with Escape; returns what it chose (0: nothing).
    int Close() {
        if (thread_.joinable()) {
            PostMessageA(window_, WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageA(window_, WM_KEYUP, VK_ESCAPE, 0);
            thread_.join();
        }
        return choice_;
    }
    bool open() const { return !done_; }

  private:
    void Run() {
        const HWND owner = CreateWindowExA(0, "STATIC", "foreign owner", WS_POPUP, 0, 0, 10, 10,
                                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        HMENU menu = CreatePopupMenu();
        for (int i = 1; i <= 8; ++i) AppendMenuA(menu, MF_STRING, i, "foreign item");
        // Tells the test the menu's window once it is on screen.
        SetTimer(owner, 1, 10, nullptr);
        SetWindowLongPtrA(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetWindowSubclassed(owner);
        SetForegroundWindow(owner);
        choice_ = TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, owner, nullptr);
        done_ = true;
        DestroyMenu(menu);
        DestroyWindow(owner);
    }
    static LRESULT CALLBACK OwnerProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<ForeignMenu*>(GetWindowLongPtrA(w, GWLP_USERDATA));
        if (!self) return DefWindowProcA(w, m, wp, lp);
        if (m == WM_ENTERIDLE && wp == MSGF_MENU && !self->window_) {
            self->window_ = reinterpret_cast<HWND>(lp);
        }
        return CallWindowProcA(self->original_, w, m, wp, lp);
    }
    void SetWindowSubclassed(HWND owner) {
        original_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OwnerProc)));
    }

    std::thread thread_;
    std::atomic<HWND> window_{nullptr};
    std::atomic<bool> done_{false};
    int choice_ = -1;
    WNDPROC original_ = nullptr;
};

TEST(ToolbarMenu, WhenTheHostShowsNoMenuAnotherMenuGetsNoKeysAndThePointerComesBack) {
    ImService::Options options;
    options.menuOpens = false;
    Host host;
    ImService service(host, options);
    ForeignMenu foreign;
    ASSERT_NE(foreign.window(), nullptr);
    ASSERT_TRUE(IsWindowVisible(foreign.window()));

    // Where the pointer is while the host takes the click.
    const HWND icon = host.toolbarIcons()[ImService::kMenuIcon - 1];
    std::atomic<LONG> clickX{-1}, clickY{-1};
    host.SetClickAction(icon, [&] {
        const POINT p = Pointer();
        clickX = p.x;
        clickY = p.y;
    });
    host.ClearRecords();
    PlacePointer(kUserPointer);

    const double start = platform::MonotonicSeconds();
    EXPECT_EQ(RunToolbarMenu(ImService::kMenuIcon, 6, false, 0), outgoing::MenuResult::kNoMenu);
    const double took = platform::MonotonicSeconds() - start;

    EXPECT_GE(took, kTestMenuLimit);
    EXPECT_LT(took, kTestMenuLimit + 2);
    ExpectPointerAt(kUserPointer);
    testsupport::Settle(host);
    EXPECT_EQ(clickX, GetSystemMetrics(SM_CXSCREEN) - 1);
    EXPECT_EQ(clickY, GetSystemMetrics(SM_CYSCREEN) - 1);
    EXPECT_TRUE(foreign.open());
    EXPECT_EQ(foreign.Close(), 0);
    EXPECT_SEQUENCE(
        testsupport::Only(host.Records(), {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_KEYDOWN, WM_KEYUP}),
        ClickThenKeys(icon, nullptr, {}));
}

TEST(ToolbarMenu, WithoutAHostReturnsAtOnceAndLeavesThePointerAlone) {
    PlacePointer(kUserPointer);
    const double start = platform::MonotonicSeconds();
    EXPECT_EQ(RunToolbarMenu(ImService::kMenuIcon, 6, false, 0), outgoing::MenuResult::kNoHost);
    EXPECT_LT(platform::MonotonicSeconds() - start, 1.0);
    ExpectPointerAt(kUserPointer);
}

}  // namespace
