#include "answer/reply.h"

#include "answer/detectors.h"
#include "host/primitives.h"
#include "host/window_names.h"
#include "outgoing/send_im.h"

namespace answer {

bool AnswerIM(HWND incoming, const std::string& sender, const std::string& message,
              const std::function<void()>& answered) {
    if (!IsWindow(incoming)) {
        answered();
        return true;
    }
    // Closed only once the reply is on its way: a message whose reply never
    // went out stays in the host, and a later cycle answers it.
    return outgoing::SendIM(sender, message, true, [&] {
        answered();
        host::PostClose(incoming);
    });
}

void PressEditWindowIcon() {
    const HWND window = FindEditWindow();
    // Under handle 0 the icon lookup would search the top-level windows.
    if (!window) return;
    host::HostLink link;
    host::SendClick(link, FindWindowExA(window, nullptr, host::kIconClass, nullptr));
}

}  // namespace answer
