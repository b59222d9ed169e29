#include "forms/layout.h"

#include <algorithm>
#include <utility>

namespace forms {

ControlLayout Label(std::string name, const TwipRect& place, std::string caption, FontStyle font) {
    ControlLayout c;
    c.kind = Kind::Label;
    c.name = std::move(name);
    c.place = place;
    c.text = std::move(caption);
    c.font = std::move(font);
    return c;
}

ControlLayout Image(std::string name, const TwipRect& place, int picture) {
    ControlLayout c;
    c.kind = Kind::Image;
    c.name = std::move(name);
    c.place = place;
    c.picture = picture;
    return c;
}

ControlLayout Line(std::string name, POINT from, POINT to) {
    ControlLayout c;
    c.kind = Kind::Line;
    c.name = std::move(name);
    c.from = from;
    c.to = to;
    const int left = std::min(from.x, to.x), top = std::min(from.y, to.y);
    c.place = {left, top, std::max(from.x, to.x) - left, std::max(from.y, to.y) - top};
    return c;
}

ControlLayout Button(std::string name, const TwipRect& place, std::string caption, FontStyle font,
                     int picture) {
    ControlLayout c;
    c.kind = Kind::Button;
    c.name = std::move(name);
    c.place = place;
    c.text = std::move(caption);
    c.font = std::move(font);
    c.picture = picture;
    return c;
}

ControlLayout TextBox(std::string name, const TwipRect& place, std::string text, FontStyle font,
                      bool multiLine) {
    ControlLayout c;
    c.kind = Kind::TextBox;
    c.name = std::move(name);
    c.place = place;
    c.text = std::move(text);
    c.font = std::move(font);
    c.multiLine = multiLine;
    return c;
}

ControlLayout ListBox(std::string name, const TwipRect& place, FontStyle font) {
    ControlLayout c;
    c.kind = Kind::ListBox;
    c.name = std::move(name);
    c.place = place;
    c.font = std::move(font);
    return c;
}

}  // namespace forms
