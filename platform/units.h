#pragma once
// Twips, points and pixels. Layouts are written in twips and points so they
// look the same at any pixel density; the window system wants pixels.
#include <windows.h>

namespace platform {

constexpr int kTwipsPerInch = 1440;
constexpr int kPointsPerInch = 72;

// Pixels per inch of the screen, horizontally.
int ScreenDpi();

// Rounded to the nearest pixel, halves away from zero (so -360 twips is -24
// pixels at 96 dpi, 15 twips to the pixel).
int TwipsToPixels(int twips, int dpi);
int PixelsToTwips(int pixels, int dpi);

// The LOGFONT height of a font of `points` at `dpi`: negative, so it names the
// character height. Sizes such as 9.75 and 8.25 are kept to the hundredth
// rather than cut to whole points first.
int FontHeight(double points, int dpi);

// The screen's size in twips.
SIZE ScreenSizeTwips();

}  // namespace platform
