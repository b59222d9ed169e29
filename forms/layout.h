#pragma once
// What a form is made of when it is created: the layout table a Form is built
// from. Places and sizes are in twips (1440 to the inch); pictures and icons
// are resource ids of the running program (0 = none).
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace forms {

// A colour either given directly or taken from the user's colour scheme, so a
// control painted in COLOR_HIGHLIGHT follows the scheme the way the platform's
// own controls do.
class Colour {
  public:
    static Colour System(int index) { return Colour(true, index, 0); }
    static Colour Rgb(int r, int g, int b) { return Colour(false, 0, RGB(r, g, b)); }

    bool IsSystem() const { return system_; }
    int SystemIndex() const { return index_; }
    COLORREF Resolve() const { return system_ ? GetSysColor(index_) : rgb_; }
    bool operator==(const Colour& o) const {
        return system_ == o.system_ && (system_ ? index_ == o.index_ : rgb_ == o.rgb_);
    }

  private:
    Colour(bool system, int index, COLORREF rgb) : system_(system), index_(index), rgb_(rgb) {}
    bool system_;
    int index_;
    COLORREF rgb_;
};

struct FontStyle {
    std::string face = "MS Sans Serif";
    double points = 8.0;  // fractional sizes such as 9.75 are common
    bool bold = false;
};

enum class Kind { Label, Image, Line, Button, TextBox, ListBox };
enum class Align { Left, Right, Centre };

struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// One control. Build it with the helpers below (Label, Image, ...) and the
// chained setters, which read like the rows of a layout table.
struct ControlLayout {
    Kind kind = Kind::Label;
    std::string name;
    TwipRect place;      // for a line: the bounding box of its two ends
    POINT from{}, to{};  // a line's ends, in twips
    std::string text;    // caption, text, or nothing
    FontStyle font;
    std::optional<Colour> fore, back;  // unset: the usual default of the kind
    bool opaque = true;                // labels only
    Align align = Align::Left;
    int tab = -1;  // place in the keyboard order; -1 for none
    int picture = 0;
    bool multiLine = false;  // text boxes only

    ControlLayout& Fore(const Colour& c) {
        fore = c;
        return *this;
    }
    ControlLayout& Back(const Colour& c) {
        back = c;
        return *this;
    }
    ControlLayout& Transparent() {
        opaque = false;
        return *this;
    }
    ControlLayout& Opaque() {
        opaque = true;
        return *this;
    }
    ControlLayout& Centred() {
        align = Align::Centre;
        return *this;
    }
    ControlLayout& Tab(int place) {
        tab = place;
        return *this;
    }
    ControlLayout& Picture(int id) {
        picture = id;
        return *this;
    }

    bool IsWindowed() const {
        return kind == Kind::Button || kind == Kind::TextBox || kind == Kind::ListBox;
    }
};

ControlLayout Label(std::string name, const TwipRect& place, std::string caption, FontStyle font);
ControlLayout Image(std::string name, const TwipRect& place, int picture);
ControlLayout Line(std::string name, POINT from, POINT to);
ControlLayout Button(std::string name, const TwipRect& place, std::string caption, FontStyle font,
                     int picture);
ControlLayout TextBox(std::string name, const TwipRect& place, std::string text, FontStyle font,
                      bool multiLine);
ControlLayout ListBox(std::string name, const TwipRect& place, FontStyle font);

struct TimerLayout {
    std::string name;
    bool enabled = false;
    int intervalMs = 0;
};

// A menu and its items, by name (the handler key) and caption.
struct MenuLayout {
    std::string name;
    std::string caption;
    std::vector<MenuLayout> items;
};

enum class Border { None, Sizable };

struct FormLayout {
    std::string name;
    std::string caption;
    Border border = Border::Sizable;
    int clientWidth = 0, clientHeight = 0;  // twips
    std::optional<POINT> place;             // top-left in twips; unset: the system's default
    int icon = 0;
    int backPicture = 0;
    std::optional<Colour> back;           // unset: COLOR_BTNFACE
    FontStyle font;                       // the form's own font, for measuring text
    bool neverShown = false;              // a holder of menus only; Show only loads it
    std::vector<ControlLayout> controls;  // front-most first; windowed ones before the rest
    std::vector<TimerLayout> timers;
    std::vector<MenuLayout> menus;
};

}  // namespace forms
