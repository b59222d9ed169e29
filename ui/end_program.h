#pragma once

namespace ui {

// Ends the program at once, from wherever it is called, as the close labels
// and Alt+F4 do; a pointer that a host procedure has parked in the screen's
// corner is given back first, since the wait that parked it never resumes.
[[noreturn]] void EndProgram();

}  // namespace ui
