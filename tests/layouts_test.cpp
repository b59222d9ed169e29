// The four layouts: the tables as data, and the windows and controls they
// become (places, fonts, styles, stacking, pictures).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/form.h"
#include "platform/units.h"
#include "ui/layouts/artwork_ids.h"
#include "ui/layouts/layouts.h"

namespace {

using forms::Kind;

// One row of a layout table, front-most first.
struct Row {
    const char* name;
    Kind kind;
    int left, top, width, height;
    const char* text;
    const char* face;
    double points;
    bool bold;
    int tab;
};

constexpr Kind L = Kind::Label, I = Kind::Image, B = Kind::Button, T = Kind::TextBox,
               LB = Kind::ListBox, LN = Kind::Line;

const std::vector<Row> kForm1 = {
    {"Label3", L, 240, 2520, 2415, 975, "", "Arial", 9.75, false, 2},
    {"Image8", I, 1440, 2880, 1440, 1440, "", "", 0, false, -1},
    {"Image7", I, 0, 2880, 1440, 1440, "", "", 0, false, -1},
    {"Label2", L, 240, 2040, 2775, 495, "for: AOL 4.0, 5.0", "Arial", 9, true, 1},
    {"Label1", L, 120, 1200, 3255, 735, "quillo's im/idle tools", "Arial", 15.75, false, 0},
    {"Image6", I, 2880, 1440, 1440, 1440, "", "", 0, false, -1},
    {"Image5", I, 2880, 0, 1440, 1440, "", "", 0, false, -1},
    {"Image4", I, 1440, 1440, 1440, 1440, "", "", 0, false, -1},
    {"Image3", I, 0, 1440, 1440, 1440, "", "", 0, false, -1},
    {"Image2", I, 1440, 0, 1440, 1440, "", "", 0, false, -1},
    {"Image1", I, 0, 0, 1440, 1440, "", "", 0, false, -1},
};

const std::vector<Row> kForm2 = {
    {"Command7", B, 2760, 1560, 1575, 255, "Options", "Arial", 9.75, true, 17},
    {"Command6", B, 2760, 1320, 1575, 255, "UnUpChat", "Arial Narrow", 9.75, true, 14},
    {"Command5", B, 2760, 840, 1575, 255, "Clear Recorded", "Arial Narrow", 8.25, true, 13},
    {"Command4", B, 2760, 1080, 1575, 255, "UpChat", "Arial Narrow", 9.75, true, 12},
    {"Command3", B, 3480, 360, 855, 255, "Stop", "Arial Narrow", 9.75, true, 11},
    {"Command2", B, 2760, 600, 1575, 240, "Clear  Away Msg", "Arial Narrow", 8.25, true, 10},
    {"Command1", B, 2760, 360, 855, 255, "Start", "Arial Narrow", 9.75, true, 9},
    {"List2", LB, 5520, 360, 1575, 1410, "", "Arial Narrow", 8.25, false, 8},
    {"List1", LB, 4320, 360, 1215, 1410, "", "Arial Narrow", 8.25, false, 4},
    {"Text1", T, 0, 360, 2775, 1455, layouts::kDefaultAwayMessage, "Arial", 8.25, false, 3},
    {"Label9", L, 6720, 0, 255, 255, "-", "Arial", 14.25, true, 16},
    {"Label6", L, 6960, 0, 255, 255, "X", "Arial", 14.25, true, 15},
    {"Label8", L, 7440, 0, 975, 255, "X", "Arial", 12, true, 7},
    {"Label7", L, 5520, 600, 855, 255, "Stop", "Arial", 9.75, true, 6},
    {"Line4", LN, 6000, 480, 0, 960, "", "", 0, false, -1},
    {"Label4", L, 4320, 0, 2055, 255, "Messages Recorded", "Arial", 9.75, true, 5},
    {"Label3", L, -360, 0, 3255, 255, "answer dat im by quillo", "Arial", 9.75, true, 2},
    {"Label2", L, 7440, 0, 375, 255, "X", "Arial", 12, true, 1},
    {"Label1", L, 0, 0, 3015, 255, "File", "Arial Narrow", 9.75, true, 0},
    {"Image2", I, -240, 1080, 8700, 1200, "", "", 0, false, -1},
    {"Image1", I, -240, -240, 8700, 1200, "", "", 0, false, -1},
};

const std::vector<Row> kForm4 = {
    {"Command2", B, 1680, 840, 1215, 255, "Stop", "Arial", 8.25, true, 5},
    {"Command1", B, 1680, 600, 1215, 255, "Start", "Arial", 8.25, true, 4},
    {"Text1", T, 0, 240, 2895, 375, "reason for idle", "Arial", 8.25, true, 0},
    {"Label4", L, 2640, 0, 255, 255, "X", "MS Sans Serif", 9.75, true, 6},
    {"Label3", L, 360, 720, 855, 255, "Min's Idle", "Arial", 9.75, false, 3},
    {"Label2", L, 120, 720, 255, 375, "0", "Arial", 9.75, true, 2},
    {"Label1", L, 0, 0, 3015, 255, "quillo's idler", "Arial Narrow", 9.75, true, 1},
    {"Image1", I, 0, 0, 3000, 3000, "", "", 0, false, -1},
};

void ExpectRows(const forms::FormLayout& form, const std::vector<Row>& rows) {
    ASSERT_EQ(form.controls.size(), rows.size()) << form.name;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const forms::ControlLayout& c = form.controls[i];
        SCOPED_TRACE(form.name + " " + r.name);
        EXPECT_EQ(c.name, r.name);  // stacking: the same place front to back
        EXPECT_EQ(c.kind, r.kind);
        EXPECT_EQ(c.place.left, r.left);
        EXPECT_EQ(c.place.top, r.top);
        EXPECT_EQ(c.place.width, r.width);
        EXPECT_EQ(c.place.height, r.height);
        EXPECT_EQ(c.text, r.text);
        EXPECT_EQ(c.tab, r.tab);
        if (*r.face) {
            EXPECT_EQ(c.font.face, r.face);
            EXPECT_EQ(c.font.points, r.points);
            EXPECT_EQ(c.font.bold, r.bold);
        }
    }
}

TEST(LayoutTables, EveryControlHasItsPlaceTextFontTabAndStackingPlace) {
    ExpectRows(layouts::Form1Layout(), kForm1);
    ExpectRows(layouts::Form2Layout(), kForm2);
    ExpectRows(layouts::Form4Layout(), kForm4);
    EXPECT_TRUE(layouts::Form3Layout().controls.empty());
}

TEST(LayoutTables, ColoursStylesAndPictures) {
    using forms::Colour;
    const auto f1 = layouts::Form1Layout(), f2 = layouts::Form2Layout(),
               f4 = layouts::Form4Layout();
    auto find = [](const forms::FormLayout& f, const std::string& name) {
        for (const auto& c : f.controls)
            if (c.name == name) return c;
        ADD_FAILURE() << name;
        return forms::ControlLayout{};
    };
    const Colour white = Colour::Rgb(255, 255, 255), black = Colour::Rgb(0, 0, 0);
    struct Case {
        const forms::FormLayout* form;
        const char* name;
        std::optional<Colour> fore, back;
        bool opaque;
        forms::Align align;
    } cases[] = {
        {&f1, "Label3", Colour::Rgb(192, 192, 192), {}, false, forms::Align::Left},
        {&f1, "Label2", white, {}, false, forms::Align::Centre},
        {&f1, "Label1", white, {}, false, forms::Align::Centre},
        {&f2, "List2", Colour::System(COLOR_WINDOW), Colour::System(COLOR_HIGHLIGHT), true,
         forms::Align::Left},
        {&f2, "List1", Colour::System(COLOR_WINDOW), Colour::System(COLOR_HIGHLIGHT), true,
         forms::Align::Left},
        {&f2, "Text1", white, Colour::System(COLOR_HIGHLIGHT), true, forms::Align::Left},
        {&f2, "Label9", white, {}, false, forms::Align::Left},
        {&f2, "Label7", Colour::System(COLOR_BTNTEXT), {}, false, forms::Align::Left},
        {&f2, "Line4", Colour::System(COLOR_WINDOWTEXT), {}, true, forms::Align::Left},
        {&f2, "Label3", white, {}, false, forms::Align::Centre},
        {&f2, "Label2", white, Colour::Rgb(64, 0, 0), true, forms::Align::Left},
        {&f2, "Label1", Colour::Rgb(64, 0, 0), {}, false, forms::Align::Left},
        {&f4, "Text1", black, Colour::System(COLOR_INACTIVEBORDER), true, forms::Align::Left},
        {&f4, "Label4", white, {}, false, forms::Align::Left},
        {&f4, "Label3", black, {}, false, forms::Align::Left},
        {&f4, "Label2", Colour::Rgb(0, 0, 128), {}, false, forms::Align::Left},
        {&f4, "Label1", white, Colour::System(COLOR_BTNTEXT), true, forms::Align::Centre},
    };
    for (const Case& c : cases) {
        const forms::ControlLayout layout = find(*c.form, c.name);
        SCOPED_TRACE(c.form->name + " " + c.name);
        EXPECT_TRUE(layout.fore == c.fore);
        EXPECT_TRUE(layout.back == c.back);
        EXPECT_EQ(layout.opaque, c.opaque);
        EXPECT_EQ(layout.align, c.align);
    }
    auto pictureOf = [](const forms::FormLayout& f, Kind kind) {
        std::vector<int> ids;
        for (const auto& c : f.controls)
            if (c.kind == kind) ids.push_back(c.picture);
        return ids;
    };
    EXPECT_EQ(pictureOf(f1, Kind::Image), std::vector<int>(8, IDB_DARK_TILE));
    EXPECT_EQ(pictureOf(f2, Kind::Button), std::vector<int>(7, IDB_FLAME_BUTTON));
    EXPECT_EQ(pictureOf(f2, Kind::Image), std::vector<int>(2, IDB_FLAME_BAND));
    EXPECT_EQ(find(f4, "Command1").picture, IDB_GREY_TEXTURE);
    EXPECT_EQ(find(f4, "Command2").picture, IDB_GREY_TEXTURE);
    EXPECT_EQ(find(f4, "Image1").picture, IDB_GREY_TEXTURE);
    EXPECT_TRUE(find(f2, "Text1").multiLine);
    EXPECT_FALSE(find(f4, "Text1").multiLine);
}

TEST(LayoutTables, WindowsTimersAndTheMenuTree) {
    struct Case {
        forms::FormLayout form;
        const char* caption;
        forms::Border border;
        int width, height;
        bool placed;
        int icon, backPicture;
    } cases[] = {
        {layouts::Form1Layout(), "Form2", forms::Border::None, 3495, 4140, true,
         IDI_APPLICATION_ICON, 0},
        {layouts::Form2Layout(), "Form1", forms::Border::None, 7185, 2100, false, 0,
         IDB_GREY_TEXTURE},
        {layouts::Form3Layout(), "Form3", forms::Border::Sizable, 4680, 3165, false, 0, 0},
        {layouts::Form4Layout(), "Form4", forms::Border::None, 2895, 1095, false, 0,
         IDB_GREY_TEXTURE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form.name);
        EXPECT_EQ(c.form.caption, c.caption);
        EXPECT_EQ(c.form.border, c.border);
        EXPECT_EQ(c.form.clientWidth, c.width);
        EXPECT_EQ(c.form.clientHeight, c.height);
        EXPECT_EQ(c.form.place.has_value(), c.placed);
        EXPECT_EQ(c.form.icon, c.icon);
        EXPECT_EQ(c.form.backPicture, c.backPicture);
    }
    EXPECT_EQ(cases[0].form.place->x, 4560);
    EXPECT_EQ(cases[0].form.place->y, 1605);
    EXPECT_TRUE(cases[2].form.neverShown);

    auto timers = [](const forms::FormLayout& f) {
        std::string out;
        for (const auto& t : f.timers)
            out += t.name + (t.enabled ? " on " : " off ") + std::to_string(t.intervalMs) + ";";
        return out;
    };
    EXPECT_EQ(timers(cases[0].form), "Timer1 on 1500;Timer2 on 1500;");
    EXPECT_EQ(timers(cases[1].form), "Timer1 off 500;");
    EXPECT_EQ(timers(cases[3].form), "Timer1 off 60000;");

    const auto& menus = cases[2].form.menus;
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].name, "options");
    EXPECT_EQ(menus[0].caption, "options");
    std::string items;
    for (const auto& item : menus[0].items) items += item.name + "=" + item.caption + ";";
    EXPECT_EQ(items, "idle=chat idle;imoff=im's off;imon=im's on;about=about;greets=greets;");
}

TEST(LayoutTables, TheDefaultAwayMessageIsExactly81CharactersEndingInALineBreak) {
    const std::string away = layouts::kDefaultAwayMessage;
    EXPECT_EQ(away.size(), 81u);
    EXPECT_EQ(away.substr(away.size() - 2), "\r\n");
    EXPECT_NE(away.find("recorded.   :-)"), std::string::npos);
}

// ---- the windows the tables become ----

TEST(BuiltWindows, MainWindowControlsAtTheirPixelPlacesAndInStackingOrder) {
    forms::Form main(layouts::Form2Layout());
    main.Load();
    const int dpi = platform::ScreenDpi();
    RECT client;
    GetClientRect(main.Hwnd(), &client);
    EXPECT_EQ(client.right, platform::TwipsToPixels(7185, dpi));
    EXPECT_EQ(client.bottom, platform::TwipsToPixels(2100, dpi));
    const LONG style = GetWindowLongA(main.Hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_VSCROLL | WS_HSCROLL));
    char caption[16] = "";
    GetWindowTextA(main.Hwnd(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Form1");

    // Windowed children in child (z) order are the table's windowed rows.
    std::vector<std::string> stacked;
    for (HWND c = GetWindow(main.Hwnd(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        for (const Row& r : kForm2)
            if (main.ControlHwnd(r.name) == c) stacked.push_back(r.name);
    }
    EXPECT_EQ(stacked,
              (std::vector<std::string>{"Command7", "Command6", "Command5", "Command4", "Command3",
                                        "Command2", "Command1", "List2", "List1", "Text1"}));
    for (const Row& r : kForm2) {
        if (r.kind == LN) continue;
        SCOPED_TRACE(r.name);
        const RECT expected{platform::TwipsToPixels(r.left, dpi),
                            platform::TwipsToPixels(r.top, dpi),
                            platform::TwipsToPixels(r.left + r.width, dpi),
                            platform::TwipsToPixels(r.top + r.height, dpi)};
        const RECT got = main.ControlRect(r.name);
        EXPECT_TRUE(EqualRect(&got, &expected));
        HWND h = main.ControlHwnd(r.name);
        if (!h) continue;
        RECT placed;
        GetWindowRect(h, &placed);
        MapWindowPoints(nullptr, main.Hwnd(), reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_TRUE(EqualRect(&placed, &expected));
        LOGFONTA lf{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0)), sizeof lf, &lf);
        EXPECT_EQ(lf.lfHeight, platform::FontHeight(r.points, dpi));
        EXPECT_EQ(lf.lfWeight, r.bold ? FW_BOLD : FW_NORMAL);
        EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET);
        EXPECT_FALSE(lf.lfItalic || lf.lfUnderline || lf.lfStrikeOut);
    }
    EXPECT_EQ(main.Text("Text1"), layouts::kDefaultAwayMessage);
    EXPECT_EQ(main.Text("Command2"), "Clear  Away Msg");
}

TEST(BuiltWindows, FractionalPointSizesAreNotCutToWholePoints) {
    EXPECT_EQ(platform::FontHeight(9.75, 96), -13);
    EXPECT_EQ(platform::FontHeight(8.25, 96), -11);
    EXPECT_EQ(platform::FontHeight(14.25, 96), -19);
    EXPECT_EQ(platform::FontHeight(15.75, 96), -21);
    EXPECT_EQ(platform::FontHeight(9.75, 120), -16);  // 16.25
    EXPECT_EQ(platform::FontHeight(8.25, 144), -17);  // 16.5 rounds up
    EXPECT_EQ(platform::TwipsToPixels(-360, 96), -24);
    EXPECT_EQ(platform::TwipsToPixels(7185, 120), 599);
}

TEST(BuiltWindows, ListsNeverSortAndTextBoxesHaveNoScrollBars) {
    forms::Form main(layouts::Form2Layout());
    forms::Form idler(layouts::Form4Layout());
    main.Load();
    idler.Load();
    for (const char* list : {"List1", "List2"}) {
        const LONG style = GetWindowLongA(main.ControlHwnd(list), GWL_STYLE);
        EXPECT_FALSE(style & LBS_SORT) << list;
        EXPECT_TRUE(style & LBS_NOINTEGRALHEIGHT) << list;
        for (const char* item : {"zed", "alpha", "mike", "alpha"}) main.AddItem(list, item);
        ASSERT_EQ(main.ItemCount(list), 4);
        EXPECT_EQ(main.Item(list, 0) + main.Item(list, 1) + main.Item(list, 2) + main.Item(list, 3),
                  "zedalphamikealpha");
        main.ClearItems(list);
        EXPECT_EQ(main.ItemCount(list), 0);
    }
    const LONG multi = GetWindowLongA(main.ControlHwnd("Text1"), GWL_STYLE);
    EXPECT_EQ(multi & (ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL),
              ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL);
    const LONG single = GetWindowLongA(idler.ControlHwnd("Text1"), GWL_STYLE);
    EXPECT_FALSE(single & ES_MULTILINE);
    EXPECT_FALSE((multi | single) & (WS_VSCROLL | WS_HSCROLL));

    // A wide entry gives the message log a horizontal scroll range.
    const std::string wide(200, 'w');
    main.AddItem("List2", wide);
    main.SetHorizontalExtent("List2", main.TextWidth(wide));
    EXPECT_EQ(SendMessageA(main.ControlHwnd("List2"), LB_GETHORIZONTALEXTENT, 0, 0),
              main.TextWidth(wide));
    EXPECT_GT(main.TextWidth(wide), 400);
}

TEST(BuiltWindows, SplashPlaceAndIconAndTheHiddenFramedMenuHolder) {
    forms::Form splash(layouts::Form1Layout());
    forms::Form holder(layouts::Form3Layout());
    splash.Load();
    holder.Show();  // only loads it
    const int dpi = platform::ScreenDpi();
    RECT r;
    GetWindowRect(splash.Hwnd(), &r);
    EXPECT_EQ(r.left, platform::TwipsToPixels(4560, dpi));
    EXPECT_EQ(r.top, platform::TwipsToPixels(1605, dpi));
    EXPECT_NE(SendMessageA(splash.Hwnd(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_TRUE(GetWindowLongA(holder.Hwnd(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_TRUE(GetWindowLongA(holder.Hwnd(), GWL_STYLE) & WS_CAPTION);
    EXPECT_FALSE(IsWindowVisible(holder.Hwnd()));
    RECT client;
    GetClientRect(holder.Hwnd(), &client);
    EXPECT_EQ(client.right, platform::TwipsToPixels(4680, dpi));
    EXPECT_EQ(client.bottom, platform::TwipsToPixels(3165, dpi));
}

TEST(Pictures, EachPictureHasItsSizeAndDepth) {
    struct Case {
        int id, width, height;
    } cases[] = {{IDB_DARK_TILE, 96, 96},
                 {IDB_GREY_TEXTURE, 200, 200},
                 {IDB_FLAME_BUTTON, 102, 30},
                 {IDB_FLAME_BAND, 580, 80}};
    for (const Case& c : cases) {
        HBITMAP bitmap =
            static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.id),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bitmap, nullptr) << c.id;
        BITMAP bm{};
        GetObjectA(bitmap, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, c.width) << c.id;
        EXPECT_EQ(bm.bmHeight, c.height) << c.id;
        EXPECT_EQ(bm.bmBitsPixel, 24) << c.id;
        DeleteObject(bitmap);
    }
}

}  // namespace
