#pragma once
// The GDI kinds of owner (platform/owner.h), so every path out of a paint or a
// property change gives back what it took.
#include <windows.h>

#include "platform/owner.h"

namespace platform {

template <typename Handle>
using GdiObject = Owned<Handle, &DeleteObject>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;
using Pen = GdiObject<HPEN>;
// Until SetWindowRgn takes it; from then on the window system's (Release).
using Region = GdiObject<HRGN>;

// A DC lent by GetDC goes back to the window it came from.
struct LentDC {
    HWND window;
    HDC dc;
    bool operator!=(const LentDC& o) const { return dc != o.dc; }
};
inline void ReleaseLentDC(LentDC lent) {
    ReleaseDC(lent.window, lent.dc);
}

class ScopedGetDC : public Owned<LentDC, &ReleaseLentDC> {
  public:
    explicit ScopedGetDC(HWND window) : Owned(LentDC{window, GetDC(window)}) {}
    operator HDC() const { return get().dc; }
};

class ScopedCompatibleDC : public Owned<HDC, &DeleteDC> {
  public:
    explicit ScopedCompatibleDC(HDC like) : Owned(CreateCompatibleDC(like)) {}
};

// Not an owner: puts back the object a DC had selected before.
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
