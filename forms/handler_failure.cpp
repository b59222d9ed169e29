// The programs' report of a failed handler: a line for a debugger, since a
// user has nothing to act on and the program goes on.
#include <windows.h>

#include "forms/handler_failure.h"

namespace forms {

void ReportHandlerFailure(const std::string& what) {
    OutputDebugStringA(("replymate: handler failed: " + what + "\n").c_str());
}

}  // namespace forms
