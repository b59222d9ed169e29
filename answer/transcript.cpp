#include "answer/transcript.h"

#include <windows.h>

#include "answer/detectors.h"
#include "host/primitives.h"
#include "host/window_names.h"
#include "hosttext/im_text.h"

namespace answer {

std::string GetIMSender() {
    return GetIMSender(FindIMWindow());
}

std::string GetIMSender(HWND window) {
    if (!window) return {};
    return hosttext::SenderFromCaption(host::GetText(window));
}

std::string GetIMTranscript() {
    return GetIMTranscript(FindIMWindow());
}

std::string GetIMTranscript(HWND window) {
    // Under handle 0 the lookup would search the top-level windows instead.
    if (!window) return {};
    return host::GetText(FindWindowExA(window, nullptr, host::kRichClass, nullptr));
}

std::string GetIMMessage() {
    return GetIMMessage(FindIMWindow());
}

std::string GetIMMessage(HWND window) {
    if (!window) return {};
    const std::string transcript = GetIMTranscript(window);
    const std::string sender = GetIMSender(window);
    return hosttext::MessageFromTranscript(transcript, sender, host::PumpMessages);
}

}  // namespace answer
