#include "answer/reply.h"

#include <cmath>

#include "answer/detectors.h"
#include "answer/transcript.h"
#include "forms/gdi.h"
#include "host/primitives.h"
#include "host/window_names.h"
#include "outgoing/send_im.h"

namespace answer {

void AnswerIM(const std::string& message) {
    const HWND incoming = FindIMWindow();
    if (!incoming) return;
    host::HostLink link;
    const std::string sender = GetIMSender(link, FindIMWindow());
    // Close only the window we set out to answer. When it went away while the
    // sender was read, the search finds the next incoming window instead, which
    // nobody has logged yet; closing that one would lose its message.
    const HWND again = FindIMWindow();
    if (again == incoming) host::PostClose(again);
    outgoing::SendIM(sender, message, true);
}

void PressEditWindowIcon() {
    const HWND window = FindEditWindow();
    // Under handle 0 the icon lookup would search the top-level windows.
    if (!window) return;
    host::HostLink link;
    host::SendClick(link, FindWindowExA(window, nullptr, host::kIconClass, nullptr));
}

void SetMessageListExtent(HWND list, HFONT font) {
    if (!font) font = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
    forms::ScopedGetDC dc(list);
    if (!dc) return;
    // The DC's default font is what the list box draws with when it has none.
    forms::ScopedSelectObject selection(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    double widest = 0;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    std::string text;
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0) continue;
        text.assign(static_cast<size_t>(length) + 1, '\0');
        const LRESULT got = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i),
                                         reinterpret_cast<LPARAM>(&text[0]));
        if (got < 0) continue;
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(got), &size);
        if (size.cx > widest) widest = std::round(static_cast<double>(size.cx));
    }
    SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest), 0);
}

}  // namespace answer
