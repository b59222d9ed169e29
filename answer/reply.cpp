#include "answer/reply.h"

#include "answer/detectors.h"
#include "host/primitives.h"
#include "host/window_names.h"

namespace answer {

std::optional<outgoing::SendResult> AnswerIM(HWND incoming, const std::string& sender,
                                             const std::string& message, bool reply,
                                             const outgoing::SendImLimits& limits) {
    if (!IsWindow(incoming)) return std::nullopt;
    host::PostClose(incoming);
    if (!reply) return std::nullopt;
    return outgoing::SendIM(sender, message, true, limits);
}

bool PressEditWindowIcon() {
    const HWND window = FindEditWindow();
    // Under handle 0 the icon lookup would search the top-level windows.
    if (!window) return true;
    host::HostLink link;
    host::SendClick(link, FindWindowExA(window, nullptr, host::kIconClass, nullptr));
    return !link.cut();
}

}  // namespace answer
