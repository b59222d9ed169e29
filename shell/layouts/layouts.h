#pragma once
// The four windows of replymate as layout tables, with every initial value.
#include "forms/spec.h"

namespace layouts {

// The title of the program's message boxes.
constexpr char kApplicationTitle[] = "replymate";

// The away message the main window starts with: 81 characters, ending in a
// line break.
constexpr char kDefaultAwayMessage[] =
    "Sorry Im currently away from my computer, your message has been recorded.   :-)\r\n";

forms::FormSpec Form1Layout();  // the splash window
forms::FormSpec Form2Layout();  // the main window
forms::FormSpec Form3Layout();  // holder of the options menu, never shown
forms::FormSpec Form4Layout();  // the chat idler

}  // namespace layouts
