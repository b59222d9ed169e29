#pragma once
// Small owners for GDI objects and device contexts, so every path out of a
// paint or a property change gives back what it took.
#include <windows.h>

#include <utility>

namespace platform {

// Owns one GDI object (font, brush, bitmap, pen) and deletes it.
template <typename Handle>
class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(Handle h) : h_(h) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    GdiObject& operator=(GdiObject&& o) noexcept {
        if (this != &o) {
            Reset();
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    void Reset(Handle h = nullptr) {
        if (h_) DeleteObject(h_);
        h_ = h;
    }
    Handle get() const { return h_; }
    operator Handle() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

  private:
    Handle h_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;
using Pen = GdiObject<HPEN>;

class ScopedGetDC {
  public:
    explicit ScopedGetDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedGetDC() { ReleaseDC(window_, dc_); }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    operator HDC() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

class ScopedCompatibleDC {
  public:
    explicit ScopedCompatibleDC(HDC like) : dc_(CreateCompatibleDC(like)) {}
    ~ScopedCompatibleDC() { DeleteDC(dc_); }
    ScopedCompatibleDC(const ScopedCompatibleDC&) = delete;
    ScopedCompatibleDC& operator=(const ScopedCompatibleDC&) = delete;
    operator HDC() const { return dc_; }

  private:
    HDC dc_;
};

class ScopedSelectObject {
  public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~ScopedSelectObject() { SelectObject(dc_, old_); }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace platform
