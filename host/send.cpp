#include "host/send.h"

namespace host {

bool SendToHost(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                             kHostReplyLimitMs, &answer)) {
        return false;
    }
    if (result) *result = static_cast<LRESULT>(answer);
    return true;
}

}  // namespace host
