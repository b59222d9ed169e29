#pragma once
// The four windows of replymate as layout tables, with every initial value.
#include "forms/layout.h"

namespace layouts {

// The title of the program's message boxes.
constexpr char kApplicationTitle[] = "replymate";

// The away message the main window starts with: 81 characters, ending in a
// line break.
constexpr char kDefaultAwayMessage[] =
    "Sorry Im currently away from my computer, your message has been recorded.   :-)\r\n";

forms::FormLayout Form1Layout();  // the splash window
forms::FormLayout Form2Layout();  // the main window
forms::FormLayout Form3Layout();  // holder of the options menu, never shown
forms::FormLayout Form4Layout();  // the chat idler

}  // namespace layouts
