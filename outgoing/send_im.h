#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "outgoing/toolbar_menu.h"

namespace outgoing {

// How long we wait for the host's compose window to be ready, and then for
// its answer to the send, before giving up.
constexpr double kComposeWaitLimitSeconds = 10.0;
constexpr double kAnswerWaitLimitSeconds = 10.0;

// SendIM's three waits for the host; tests shorten them.
struct SendImLimits {
    double menu = kMenuWaitLimitSeconds;
    double compose = kComposeWaitLimitSeconds;
    double answer = kAnswerWaitLimitSeconds;
};

// The host's "Send Instant Message" window and the controls we type into and
// press. `ready()` only when all four were found.
struct ComposeWindow {
    HWND window = nullptr;
    HWND recipient = nullptr;
    HWND message = nullptr;
    HWND send = nullptr;
    int controls = 0;  // all its direct children, to tell whether it is still growing
    bool ready() const { return window && recipient && message && send; }
    bool operator==(const ComposeWindow& o) const {
        return window == o.window && recipient == o.recipient && message == o.message &&
               send == o.send && controls == o.controls;
    }
};

// Looks the compose window and its controls up under the host's document
// area: the first in child order that is not one of `present`.
ComposeWindow FindComposeWindow(HWND mdiClient, const std::vector<HWND>& present = {});

// The compose windows open under the host's document area.
std::vector<HWND> OpenComposeWindows(HWND mdiClient);

// Sends `Message` to `ScreenName` through the host's compose window, as a
// user would, then deals with the host's answer: the conversation window it
// opens (closed when `CloseAfter`), or its "America Online" box (pressed
// away, and the compose window closed). When the host does not answer in
// time, closes the compose window it opened and returns.
// `beforeSending` runs just before send is pressed. Returns whether it was
// pressed: from then on the message may have gone out, whatever the host
// answers; before it, nothing has (and no compose window of ours is left
// open, half-filled or not).
bool SendIM(const std::string& ScreenName, const std::string& Message, bool CloseAfter,
            const std::function<void()>& beforeSending = {}, const SendImLimits& limits = {});

}  // namespace outgoing
