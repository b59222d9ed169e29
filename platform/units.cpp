#include "platform/units.h"

#include <cmath>

#include "platform/gdi.h"

namespace platform {

int ScreenDpi() {
    ScopedGetDC screen(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    return dpi > 0 ? dpi : 96;
}

int TwipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, kTwipsPerInch);
}

int PixelsToTwips(int pixels, int dpi) {
    return MulDiv(pixels, kTwipsPerInch, dpi);
}

int FontHeight(double points, int dpi) {
    const int hundredths = static_cast<int>(std::lround(points * 100.0));
    return -MulDiv(hundredths, dpi, kPointsPerInch * 100);
}

SIZE ScreenSizeTwips() {
    const int dpi = ScreenDpi();
    return {PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), dpi),
            PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), dpi)};
}

}  // namespace platform
