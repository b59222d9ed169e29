// The chat idler: a title strip, the reason box, the minute counter and two buttons.
#include "ui/layouts/artwork_ids.h"
#include "ui/layouts/colours.h"
#include "ui/layouts/layouts.h"

namespace layouts {

forms::FormLayout Form4Layout() {
    using namespace forms;
    FormLayout f;
    f.name = "Form4";
    f.caption = "Form4";
    f.border = Border::None;
    f.clientWidth = 2895;
    f.clientHeight = 1095;
    f.backPicture = IDB_GREY_TEXTURE;
    f.controls = {
        Button("Command2", {1680, 840, 1215, 255}, "Stop", Font("Arial", 8.25, kBold),
               IDB_GREY_TEXTURE)
            .Tab(5),
        Button("Command1", {1680, 600, 1215, 255}, "Start", Font("Arial", 8.25, kBold),
               IDB_GREY_TEXTURE)
            .Tab(4),
        TextBox("Text1", {0, 240, 2895, 375}, "reason for idle", Font("Arial", 8.25, kBold), false)
            .Back(System(COLOR_INACTIVEBORDER))
            .Fore(Black())
            .Tab(0),

        Label("Label4", {2640, 0, 255, 255}, "X", Font("MS Sans Serif", 9.75, kBold))
            .Fore(White())
            .Transparent()
            .Tab(6),
        Label("Label3", {360, 720, 855, 255}, "Min's Idle", Font("Arial", 9.75))
            .Fore(Black())
            .Transparent()
            .Tab(3),
        Label("Label2", {120, 720, 255, 375}, "0", Font("Arial", 9.75, kBold))
            .Fore(Rgb(0, 0, 128))
            .Transparent()
            .Tab(2),
        Label("Label1", {0, 0, 3015, 255}, "quillo's idler", Font("Arial Narrow", 9.75, kBold))
            .Fore(White())
            .Back(System(COLOR_BTNTEXT))
            .Opaque()
            .Centred()
            .Tab(1),
        Image("Image1", {0, 0, 3000, 3000}, IDB_GREY_TEXTURE),
    };
    f.timers = {{"Timer1", false, 60000}};
    return f;
}

}  // namespace layouts
