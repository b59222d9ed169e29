#include "forms/spec.h"

#include <algorithm>
#include <utility>

namespace forms {

ControlSpec Label(std::string name, TwipRect place, std::string caption, FontSpec font) {
    ControlSpec c;
    c.kind = Kind::Label;
    c.name = std::move(name);
    c.place = place;
    c.text = std::move(caption);
    c.font = std::move(font);
    return c;
}

ControlSpec Image(std::string name, TwipRect place, int picture) {
    ControlSpec c;
    c.kind = Kind::Image;
    c.name = std::move(name);
    c.place = place;
    c.picture = picture;
    return c;
}

ControlSpec Line(std::string name, POINT from, POINT to) {
    ControlSpec c;
    c.kind = Kind::Line;
    c.name = std::move(name);
    c.from = from;
    c.to = to;
    const int left = std::min(from.x, to.x), top = std::min(from.y, to.y);
    c.place = {left, top, std::max(from.x, to.x) - left, std::max(from.y, to.y) - top};
    return c;
}

ControlSpec Button(std::string name, TwipRect place, std::string caption, FontSpec font,
                   int picture) {
    ControlSpec c;
    c.kind = Kind::Button;
    c.name = std::move(name);
    c.place = place;
    c.text = std::move(caption);
    c.font = std::move(font);
    c.picture = picture;
    return c;
}

ControlSpec TextBox(std::string name, TwipRect place, std::string text, FontSpec font,
                    bool multiLine) {
    ControlSpec c;
    c.kind = Kind::TextBox;
    c.name = std::move(name);
    c.place = place;
    c.text = std::move(text);
    c.font = std::move(font);
    c.multiLine = multiLine;
    return c;
}

ControlSpec ListBox(std::string name, TwipRect place, FontSpec font) {
    ControlSpec c;
    c.kind = Kind::ListBox;
    c.name = std::move(name);
    c.place = place;
    c.font = std::move(font);
    return c;
}

}  // namespace forms
