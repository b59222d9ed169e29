#pragma once
#include <windows.h>

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

// The host's windows under its document area captioned exactly `caption`, in
// child order.
std::vector<HWND> WindowsCaptioned(HWND mdiClient, const std::string& caption);

// What became of an instant message.
enum class SendResult {
    kPressed,    // send was pressed: from then on the message may have gone out,
                 // whatever the host answered
    kNoHost,     // no host running; nothing was touched
    kHostHung,   // the host stopped answering us before send was pressed
    kNoMenu,     // the toolbar's menu never came
    kNoCompose,  // the compose window never came, never became usable, or went
                 // while we typed
};

// Sends `Message` to `ScreenName` through the host's compose window, as a
// user would, then deals with the host's answer: the conversation window it
// opens (closed when `CloseAfter`), or its "America Online" box (pressed
// away, and the compose window closed). A conversation window that was open
// before send was pressed (the user's own with the same person, perhaps half
// typed) is neither taken for the answer nor closed. When the host does not
// answer in time, closes the compose window it opened and returns. Whatever
// the result short of kPressed, nothing has gone out and no compose window of
// ours is left open, half-filled or not.
SendResult SendIM(const std::string& ScreenName, const std::string& Message, bool CloseAfter,
                  const SendImLimits& limits = {});

}  // namespace outgoing
