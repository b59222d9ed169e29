#include "answer/transcript.h"

#include <windows.h>

#include "answer/detectors.h"
#include "host/primitives.h"
#include "host/window_names.h"
#include "hosttext/im_text.h"

namespace answer {

std::string GetIMSender() {
    const HWND window = FindIMWindow();
    if (!window) return {};
    return hosttext::SenderFromCaption(host::GetText(window));
}

std::string GetIMTranscript() {
    const HWND window = FindIMWindow();
    if (!window) return {};
    return host::GetText(FindWindowExA(window, nullptr, host::kRichClass, nullptr));
}

std::string GetIMMessage() {
    if (!FindIMWindow()) return {};
    const std::string transcript = GetIMTranscript();
    const std::string sender = GetIMSender();
    return hosttext::MessageFromTranscript(transcript, sender, host::PumpMessages);
}

}  // namespace answer
