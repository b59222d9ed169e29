// Drawing: the form's background, its windowless controls back to front, and
// the faces of its picture buttons.
#include <algorithm>

#include "forms/form.h"
#include "forms/form_state.h"
#include "platform/units.h"

namespace forms {
namespace {

UINT AlignFlag(Align align) {
    switch (align) {
        case Align::Centre:
            return DT_CENTER;
        case Align::Right:
            return DT_RIGHT;
        default:
            return DT_LEFT;
    }
}

}  // namespace

void DrawPicture(HDC dc, HBITMAP picture, const RECT& target, bool centred) {
    BITMAP bm{};
    if (!picture || !GetObjectA(picture, sizeof bm, &bm)) return;
    const int targetW = target.right - target.left, targetH = target.bottom - target.top;
    const int offsetX = centred ? (targetW - bm.bmWidth) / 2 : 0;
    const int offsetY = centred ? (targetH - bm.bmHeight) / 2 : 0;
    const int width = std::min<int>(bm.bmWidth, targetW);
    const int height = std::min<int>(bm.bmHeight, targetH);
    if (width <= 0 || height <= 0) return;
    platform::ScopedCompatibleDC source(dc);
    platform::ScopedSelectObject selected(source, picture);
    BitBlt(dc, target.left + std::max(offsetX, 0), target.top + std::max(offsetY, 0), width, height,
           source, std::max(-offsetX, 0), std::max(-offsetY, 0), SRCCOPY);
}

void Form::Paint(HDC dc, const RECT& area) {
    State& st = *state_;
    RECT client;
    GetClientRect(st.hwnd, &client);
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0) return;

    // Drawn off screen and copied in one go, so the pulsing title and the
    // layered labels never flicker.
    platform::ScopedCompatibleDC canvas(dc);
    platform::Bitmap buffer(CreateCompatibleBitmap(dc, width, height));
    platform::ScopedSelectObject bufferSelected(canvas, buffer.get());

    platform::Brush back(CreateSolidBrush(st.back));
    FillRect(canvas, &client, back);
    // The background picture sits at the top-left at its own size, untiled.
    if (HBITMAP picture = st.Picture(layout_.backPicture))
        DrawPicture(canvas, picture, client, false);

    SetBkMode(canvas, TRANSPARENT);
    for (auto it = st.controls.rbegin(); it != st.controls.rend(); ++it) {
        const ControlState& c = *it;
        if (c.hwnd || !c.visible) continue;
        switch (c.layout->kind) {
            case Kind::Image:
                DrawPicture(canvas, st.Picture(c.layout->picture), c.rect, false);
                break;
            case Kind::Line: {
                const int dpi = st.dpi;
                platform::Pen pen(CreatePen(PS_SOLID, 1, c.fore));
                platform::ScopedSelectObject penSelected(canvas, pen.get());
                MoveToEx(canvas, platform::TwipsToPixels(c.layout->from.x, dpi),
                         platform::TwipsToPixels(c.layout->from.y, dpi), nullptr);
                LineTo(canvas, platform::TwipsToPixels(c.layout->to.x, dpi),
                       platform::TwipsToPixels(c.layout->to.y, dpi));
                break;
            }
            case Kind::Label: {
                RECT r = c.rect;
                if (c.opaque) {
                    platform::Brush fill(CreateSolidBrush(c.back));
                    FillRect(canvas, &r, fill);
                }
                platform::ScopedSelectObject fontSelected(canvas, c.font.get());
                SetTextColor(canvas, c.fore);
                const UINT wrap = c.autoSize ? 0 : DT_WORDBREAK;
                DrawTextA(canvas, c.text.c_str(), static_cast<int>(c.text.size()), &r,
                          wrap | DT_NOPREFIX | AlignFlag(c.align));
                break;
            }
            default:
                break;
        }
    }
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, canvas,
           area.left, area.top, SRCCOPY);
}

void Form::DrawButton(const DRAWITEMSTRUCT& item) {
    const int index = static_cast<int>(item.CtlID) - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(state_->controls.size())) return;
    const ControlState& c = state_->controls[index];
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;

    platform::Brush fill(CreateSolidBrush(c.back));
    FillRect(dc, &face, fill);
    RECT inner = face;
    if (pressed) OffsetRect(&inner, 1, 1);
    DrawPicture(dc, state_->Picture(c.layout->picture), inner, true);

    char caption[256] = "";
    const int length = GetWindowTextA(item.hwndItem, caption, sizeof caption);
    platform::ScopedSelectObject fontSelected(dc, c.font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : c.fore);
    DrawTextA(dc, caption, length, &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = face;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace forms
