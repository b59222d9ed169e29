#include "answer/transcript.h"

#include <windows.h>

#include "host/primitives.h"
#include "host/window_names.h"
#include "hosttext/im_text.h"
#include "platform/pump.h"

namespace answer {

std::string GetIMSender(host::HostLink& link, HWND window) {
    if (!window) return {};
    return hosttext::SenderFromCaption(host::GetText(link, window));
}

std::string GetIMTranscript(host::HostLink& link, HWND window, bool* cutShort) {
    if (cutShort) *cutShort = false;
    // Under handle 0 the lookup would search the top-level windows instead.
    if (!window) return {};
    return host::GetText(link, FindWindowExA(window, nullptr, host::kRichClass, nullptr), cutShort);
}

std::string GetIMMessage(host::HostLink& link, HWND window) {
    if (!window) return {};
    bool cutShort = false;
    const std::string transcript = GetIMTranscript(link, window, &cutShort);
    // The end of the text, where the latest lines are, was never read.
    if (cutShort) return kMessageTooLong;
    const std::string sender = GetIMSender(link, window);
    return hosttext::MessageFromTranscript(transcript, sender, platform::PumpMessages);
}

}  // namespace answer
