#include "answer/reply.h"

#include <algorithm>
#include <cmath>

#include "answer/detectors.h"
#include "forms/gdi.h"
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
        // Each entry is measured once and its width kept in its item data,
        // plus one so that 0 means not measured yet: a stranger's megabyte of
        // message costs its measure (tens of ms) once, not on every answer after.
        const LRESULT known = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0);
        if (known > 0) {
            widest = std::max(widest, static_cast<double>(known - 1));
            continue;
        }
        const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0) continue;
        text.assign(static_cast<size_t>(length) + 1, '\0');
        const LRESULT got = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i),
                                         reinterpret_cast<LPARAM>(&text[0]));
        if (got < 0) continue;
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(got), &size);
        const double width = std::round(static_cast<double>(size.cx));
        SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(i), static_cast<LPARAM>(width) + 1);
        if (width > widest) widest = width;
    }
    SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest), 0);
}

}  // namespace answer
