#pragma once
#include "host/host_link.h"

namespace outgoing {

// How long we wait for the host to show the menu of a toolbar button before
// giving up on it.
constexpr double kMenuWaitLimitSeconds = 10.0;

// What became of a menu choice.
enum class MenuResult {
    kChosen,    // the keys went to the host's menu; the host acts on them later
    kNoHost,    // no host running: nothing was touched, the pointer neither
    kHostHung,  // the host did not answer: nothing was touched, the pointer neither
    kNoMenu,    // no menu of the host's came (or one left open would not close)
};

// Chooses an item of the popup menu behind the host toolbar's
// `IconNumber`th icon (1 or less: the first): clicks the icon, waits for the
// host's menu (at most `menuLimitSeconds`), presses Down `ItemNumber` times,
// then with `SubMenu` Right and `SubItemNumber` - 1 more Downs, then Enter. The keys are only
// queued; the host acts on them after this returns. The pointer is parked in the screen's corner
// meanwhile so it cannot select a menu item, and is put back on every way out. A menu that does not
// appear within the limit gets no keys. The host's caption is read through `link`; a host that does
// not answer it is left alone, and the pointer untouched. The result tells a caller whether to
// wait for an outcome at all.
MenuResult RunToolbarMenu(host::HostLink& link, int IconNumber, int ItemNumber, bool SubMenu,
                          int SubItemNumber, double menuLimitSeconds = kMenuWaitLimitSeconds);

}  // namespace outgoing
