#include "outgoing/toolbar_menu.h"

#include <windows.h>

#include <algorithm>

#include "platform/pump.h"
#include "platform/units.h"
#include "host/app_activate.h"
#include "host/cursor.h"
#include "host/primitives.h"
#include "host/signature.h"
#include "host/window_names.h"

namespace outgoing {
namespace {

// How often we look for the menu; between looks our windows run.
constexpr double kMenuPollSeconds = 0.01;
// How long a host menu left open gets to close on Escape; a host that answers
// our messages closes it at once.
constexpr double kLeftOpenMenuLimitSeconds = 2.0;

// A shown popup menu of the host's own thread. Another program's menu, or
// ours, may be on screen too and must never get the host's keys.
HWND FindHostMenu(DWORD hostThread) {
    if (!hostThread) return nullptr;
    for (HWND menu = FindWindowExA(nullptr, nullptr, host::kMenuClass, nullptr); menu;
         menu = FindWindowExA(nullptr, menu, host::kMenuClass, nullptr)) {
        if (IsWindowVisible(menu) && GetWindowThreadProcessId(menu, nullptr) == hostThread) {
            return menu;
        }
    }
    return nullptr;
}

// Closes whatever menu the host shows, a level at a time, with our messages
// running; false when one is still open at the limit.
bool CloseHostMenus(DWORD hostThread) {
    HWND escaped = nullptr;
    return platform::WaitFor(
        [&] {
            const HWND menu = FindHostMenu(hostThread);
            if (menu && menu != escaped) host::PostKey(menu, VK_ESCAPE);
            escaped = menu;
            return !menu;
        },
        kLeftOpenMenuLimitSeconds, kMenuPollSeconds);
}

}  // namespace

MenuResult RunToolbarMenu(host::HostLink& link, int IconNumber, int ItemNumber, bool SubMenu,
                          int SubItemNumber, double menuLimitSeconds) {
    // Without a host there is nothing to click and no reason to take the pointer.
    const HWND frame = FindWindowA(host::kFrameClass, nullptr);
    if (!frame) return MenuResult::kNoHost;
    // The caption is asked for before the pointer is parked, so a host that
    // does not answer costs the user nothing.
    const std::string title = host::GetText(link, frame);
    if (link.cut()) return MenuResult::kHostHung;

    host::SavedCursorPos pointer;
    // The screen's size in twips, taken as pixels: far beyond the bottom-right
    // corner, where the platform clamps the pointer.
    const SIZE corner = platform::ScreenSizeTwips();
    pointer.Park({corner.cx, corner.cy});
    host::AppActivate(title);

    // A host menu already open is none of ours to drive: one that came after
    // an earlier try had given up on it, or the user's. Our keys would go to
    // it while our click closed it and opened ours, which then got none.
    const DWORD hostThread = GetWindowThreadProcessId(frame, nullptr);
    if (!CloseHostMenus(hostThread)) return MenuResult::kNoMenu;

    const HWND toolbar = FindWindowExA(frame, nullptr, host::kToolbarClass, nullptr);
    const HWND bar = FindWindowExA(toolbar, nullptr, host::kToolbarBarClass, nullptr);
    const HWND icon = host::NthChild(bar, host::kIconClass, std::max(1, IconNumber));
    // Nothing was clicked, so no menu of the host's is coming.
    if (!icon) return MenuResult::kNoMenu;
    host::PostClick(icon);

    HWND menu = nullptr;
    if (!platform::WaitFor([&] { return (menu = FindHostMenu(hostThread)) != nullptr; },
                           menuLimitSeconds, kMenuPollSeconds))
        return MenuResult::kNoMenu;

    for (int i = 0; i < ItemNumber; ++i) host::PostKey(menu, VK_DOWN);
    if (SubMenu) {
        host::PostKey(menu, VK_RIGHT);
        for (int i = 1; i < SubItemNumber; ++i) host::PostKey(menu, VK_DOWN);
    }
    host::PostKey(menu, VK_RETURN);
    return MenuResult::kChosen;
}

}  // namespace outgoing
