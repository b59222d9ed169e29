#pragma once
#include <string>

namespace host {

// Brings the top-level window whose title is exactly `title` (letter case
// included) to the foreground. An empty title, or no such window, changes
// nothing: an untitled window is never what the caller meant.
void AppActivate(const std::string& title);

}  // namespace host
