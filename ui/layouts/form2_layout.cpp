// The main window: flame bands, the away message, the buttons and the two logs.
#include "ui/layouts/artwork_ids.h"
#include "ui/layouts/colours.h"
#include "ui/layouts/layouts.h"

namespace layouts {

forms::FormLayout Form2Layout() {
    using namespace forms;
    const FontStyle narrowButton = Font("Arial Narrow", 9.75, kBold);
    const FontStyle narrowSmallButton = Font("Arial Narrow", 8.25, kBold);
    const FontStyle logFont = Font("Arial Narrow", 8.25);
    FormLayout f;
    f.name = "Form2";
    f.caption = "Form1";
    f.border = Border::None;
    f.clientWidth = 7185;
    f.clientHeight = 2100;
    f.backPicture = IDB_GREY_TEXTURE;
    f.controls = {
        Button("Command7", {2760, 1560, 1575, 255}, "Options", Font("Arial", 9.75, kBold),
               IDB_FLAME_BUTTON)
            .Tab(17),
        Button("Command6", {2760, 1320, 1575, 255}, "UnUpChat", narrowButton, IDB_FLAME_BUTTON)
            .Tab(14),
        Button("Command5", {2760, 840, 1575, 255}, "Clear Recorded", narrowSmallButton,
               IDB_FLAME_BUTTON)
            .Tab(13),
        Button("Command4", {2760, 1080, 1575, 255}, "UpChat", narrowButton, IDB_FLAME_BUTTON)
            .Tab(12),
        Button("Command3", {3480, 360, 855, 255}, "Stop", narrowButton, IDB_FLAME_BUTTON).Tab(11),
        Button("Command2", {2760, 600, 1575, 240}, "Clear  Away Msg", narrowSmallButton,
               IDB_FLAME_BUTTON)
            .Tab(10),
        Button("Command1", {2760, 360, 855, 255}, "Start", narrowButton, IDB_FLAME_BUTTON).Tab(9),
        ListBox("List2", {5520, 360, 1575, 1410}, logFont)
            .Back(System(COLOR_HIGHLIGHT))
            .Fore(System(COLOR_WINDOW))
            .Tab(8),
        ListBox("List1", {4320, 360, 1215, 1410}, logFont)
            .Back(System(COLOR_HIGHLIGHT))
            .Fore(System(COLOR_WINDOW))
            .Tab(4),
        TextBox("Text1", {0, 360, 2775, 1455}, kDefaultAwayMessage, Font("Arial", 8.25), true)
            .Back(System(COLOR_HIGHLIGHT))
            .Fore(White())
            .Tab(3),

        Label("Label9", {6720, 0, 255, 255}, "-", Font("Arial", 14.25, kBold))
            .Fore(White())
            .Transparent()
            .Tab(16),
        Label("Label6", {6960, 0, 255, 255}, "X", Font("Arial", 14.25, kBold))
            .Fore(White())
            .Transparent()
            .Tab(15),
        Label("Label8", {7440, 0, 975, 255}, "X", Font("Arial", 12, kBold))
            .Fore(White())
            .Transparent()
            .Tab(7),
        Label("Label7", {5520, 600, 855, 255}, "Stop", Font("Arial", 9.75, kBold))
            .Fore(System(COLOR_BTNTEXT))
            .Transparent()
            .Tab(6),
        Line("Line4", {6000, 1440}, {6000, 480}).Fore(System(COLOR_WINDOWTEXT)),
        Label("Label4", {4320, 0, 2055, 255}, "Messages Recorded", Font("Arial", 9.75, kBold))
            .Fore(White())
            .Transparent()
            .Tab(5),
        Label("Label3", {-360, 0, 3255, 255}, "answer dat im by quillo", Font("Arial", 9.75, kBold))
            .Fore(White())
            .Transparent()
            .Centred()
            .Tab(2),
        Label("Label2", {7440, 0, 375, 255}, "X", Font("Arial", 12, kBold))
            .Fore(White())
            .Back(Rgb(64, 0, 0))
            .Opaque()
            .Tab(1),
        Label("Label1", {0, 0, 3015, 255}, "File", narrowButton)
            .Fore(Rgb(64, 0, 0))
            .Transparent()
            .Tab(0),
        Image("Image2", {-240, 1080, 8700, 1200}, IDB_FLAME_BAND),
        Image("Image1", {-240, -240, 8700, 1200}, IDB_FLAME_BAND),
    };
    f.timers = {{"Timer1", false, 500}};
    return f;
}

}  // namespace layouts
