#include "outgoing/send_im.h"

#include <algorithm>

#include "host/primitives.h"
#include "host/search.h"
#include "host/signature.h"
#include "host/window_names.h"
#include "outgoing/toolbar_menu.h"
#include "platform/pump.h"

namespace outgoing {
namespace {

// The toolbar button and item that open the compose window.
constexpr int kInstantMessageIcon = 10;
constexpr int kSendInstantMessageItem = 6;
constexpr int kSendIconNumber = 9;

// The host needs a moment between showing a window and taking our typing,
// and between the typing and the click.
constexpr double kComposePollSeconds = 0.1;
constexpr double kBeforeTypingSeconds = 0.3;
constexpr double kBeforeSendSeconds = 0.1;
constexpr double kAnswerPollSeconds = 0.2;

// The first of `windows` that is not one of `present`, or 0.
HWND FirstNew(const std::vector<HWND>& windows, const std::vector<HWND>& present) {
    for (HWND w : windows) {
        if (std::find(present.begin(), present.end(), w) == present.end()) return w;
    }
    return nullptr;
}

HWND FindHostMessageBox() {
    return FindWindowA(host::kDialogClass, host::kHostMessageBoxCaption);
}

}  // namespace

std::vector<HWND> WindowsCaptioned(HWND mdiClient, const std::string& caption) {
    std::vector<HWND> open;
    if (!mdiClient) return open;
    const char* text = caption.c_str();
    for (HWND w = FindWindowExA(mdiClient, nullptr, host::kChildClass, text); w;
         w = FindWindowExA(mdiClient, w, host::kChildClass, text)) {
        open.push_back(w);
    }
    return open;
}

ComposeWindow FindComposeWindow(HWND mdiClient, const std::vector<HWND>& present) {
    ComposeWindow c;
    c.window = FirstNew(WindowsCaptioned(mdiClient, host::kComposeCaption), present);
    // Under handle 0 the lookups would search the top-level windows instead.
    if (!c.window) return c;
    c.recipient = FindWindowExA(c.window, nullptr, host::kEditClass, nullptr);
    c.message = FindWindowExA(c.window, nullptr, host::kRichClass, nullptr);
    c.send = host::NthChild(c.window, host::kIconClass, kSendIconNumber);
    for (HWND w = FindWindowExA(c.window, nullptr, nullptr, nullptr); w;
         w = FindWindowExA(c.window, w, nullptr, nullptr)) {
        ++c.controls;
    }
    return c;
}

SendResult SendIM(const std::string& ScreenName, const std::string& Message, bool CloseAfter,
                  const SendImLimits& limits) {
    host::HostLink link;
    const HWND mdi = host::FindHostMdiClient();
    if (!mdi) return SendResult::kNoHost;
    // A compose window open before our menu choice is the user's (or one a
    // slow host brought after an earlier try gave up): never typed into.
    const std::vector<HWND> present = WindowsCaptioned(mdi, host::kComposeCaption);
    switch (
        RunToolbarMenu(link, kInstantMessageIcon, kSendInstantMessageItem, false, 0, limits.menu)) {
        case MenuResult::kChosen:
            break;
        case MenuResult::kNoHost:
            return SendResult::kNoHost;
        case MenuResult::kHostHung:
            return SendResult::kHostHung;
        // Without the host's menu no compose window of ours is coming.
        case MenuResult::kNoMenu:
            return SendResult::kNoMenu;
    }

    // The host creates the window's controls one by one after the window
    // itself, and while only a few icons exist the 9-step chain wraps onto one
    // of them: the window looks ready and the wrong icon would be pressed. It
    // is taken once it is found unchanged on two looks a poll apart and again
    // after the pause before typing, so a host that adds a control every few
    // tenths of a second is still waited for (with one and with three icons
    // the chain lands on the same icon, so the count of controls is compared
    // too).
    ComposeWindow compose;  // as the last look found it
    const auto steady = [&] {
        const ComposeWindow seen = FindComposeWindow(mdi, present);
        const bool same = seen.ready() && seen == compose;
        compose = seen;
        return same;
    };
    const bool ready = platform::WaitFor(
        [&] { return steady() && (platform::Pause(kBeforeTypingSeconds), steady()); },
        limits.compose, kComposePollSeconds);
    if (!ready) {
        // A compose window that opened but never became usable is not left
        // behind half-made for the user.
        host::PostClose(compose.window);
        return SendResult::kNoCompose;
    }

    // A host that did not take the typing (hung, or its window gone) gets no
    // click: the message would go out half-typed or to the wrong person.
    const bool typed = host::SetText(link, compose.recipient, ScreenName) &&
                       host::SetText(link, compose.message, Message);
    if (typed) platform::Pause(kBeforeSendSeconds);
    if (!typed || !IsWindow(compose.send)) {
        host::PostClose(compose.window);
        return link.cut() ? SendResult::kHostHung : SendResult::kNoCompose;
    }
    // The conversation windows with this person open before the click are not
    // the host's answer to it: the user's own, perhaps with a half-typed line.
    const std::string conversationCaption = host::kConversationCaptionPrefix + ScreenName;
    const std::vector<HWND> conversationsBefore = WindowsCaptioned(mdi, conversationCaption);
    const auto newConversation = [&] {
        return FirstNew(WindowsCaptioned(mdi, conversationCaption), conversationsBefore);
    };
    host::PostClick(compose.send);

    bool conversationOpened = false;
    const bool answered = platform::WaitFor(
        [&] {
            conversationOpened = newConversation() != nullptr;
            return conversationOpened || FindHostMessageBox() != nullptr;
        },
        limits.answer, kAnswerPollSeconds);
    if (!answered) {
        // Left open, it would be taken for the next message's compose window.
        host::PostClose(compose.window);
        return SendResult::kPressed;
    }
    // The host gets the poll's pause before we act on its answer.
    platform::Pause(kAnswerPollSeconds);

    // Looked up again: the host may have changed its windows during the pause.
    if (conversationOpened) {
        if (CloseAfter) host::PostClose(newConversation());
        return SendResult::kPressed;
    }
    // Under handle 0 the button lookup would take any top-level button.
    if (const HWND box = FindHostMessageBox()) {
        host::PostClick(FindWindowExA(box, nullptr, host::kButtonClass, nullptr));
    }
    host::PostClose(compose.window);
    return SendResult::kPressed;
}

}  // namespace outgoing
