#pragma once
#include <windows.h>

#include <string>

namespace demo {

// Writes what the screen shows inside `area` (screen pixels) to a 24-bit BMP
// file; false when the capture or the file failed.
bool SaveScreenArea(const RECT& area, const std::string& path);
bool SaveWindow(HWND window, const std::string& path);
bool SaveWholeScreen(const std::string& path);

// How bright the screen is inside `area`: the mean of its grey levels, 0 to 255.
double MeanBrightness(const RECT& area);

}  // namespace demo
