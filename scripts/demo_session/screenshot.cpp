#include "screenshot.h"

#include <cstdio>
#include <vector>

#include "platform/gdi.h"

namespace demo {
namespace {

constexpr WORD kBitsPerPixel = 24;
constexpr WORD kBitmapMagic = 0x4D42;  // "BM"

struct Pixels {
    BITMAPINFOHEADER header{};
    std::vector<BYTE> bits;  // bottom-up rows, each padded to 4 bytes
};

bool Capture(const RECT& area, Pixels& out) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return false;
    platform::ScopedGetDC screen(nullptr);
    platform::ScopedCompatibleDC memory(screen);
    platform::Bitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    {
        platform::ScopedSelectObject chosen(memory, bitmap);
        if (!BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY)) {
            return false;
        }
    }
    out.header.biSize = sizeof out.header;
    out.header.biWidth = width;
    out.header.biHeight = height;
    out.header.biPlanes = 1;
    out.header.biBitCount = kBitsPerPixel;
    out.header.biCompression = BI_RGB;
    const DWORD stride = ((width * 3) + 3) & ~3u;
    out.header.biSizeImage = stride * static_cast<DWORD>(height);
    out.bits.resize(out.header.biSizeImage);
    return GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), out.bits.data(),
                     reinterpret_cast<BITMAPINFO*>(&out.header), DIB_RGB_COLORS) == height;
}

}  // namespace

bool SaveScreenArea(const RECT& area, const std::string& path) {
    Pixels pixels;
    if (!Capture(area, pixels)) return false;
    BITMAPFILEHEADER file{};
    file.bfType = kBitmapMagic;
    file.bfOffBits = sizeof file + sizeof pixels.header;
    file.bfSize = file.bfOffBits + pixels.header.biSizeImage;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written =
        std::fwrite(&file, sizeof file, 1, f) == 1 &&
        std::fwrite(&pixels.header, sizeof pixels.header, 1, f) == 1 &&
        std::fwrite(pixels.bits.data(), 1, pixels.bits.size(), f) == pixels.bits.size();
    return std::fclose(f) == 0 && written;
}

bool SaveWindow(HWND window, const std::string& path) {
    RECT r;
    return GetWindowRect(window, &r) && SaveScreenArea(r, path);
}

bool SaveWholeScreen(const std::string& path) {
    const RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return SaveScreenArea(r, path);
}

double MeanBrightness(const RECT& area) {
    Pixels pixels;
    if (!Capture(area, pixels) || pixels.bits.empty()) return 0;
    double sum = 0;
    for (BYTE b : pixels.bits) sum += b;
    return sum / static_cast<double>(pixels.bits.size());
}

}  // namespace demo
