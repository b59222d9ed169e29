// The splash window: eight dark tiles under a white title and subtitle.
#include "ui/layouts/artwork_ids.h"
#include "ui/layouts/colours.h"
#include "ui/layouts/layouts.h"

namespace layouts {

forms::FormLayout Form1Layout() {
    using namespace forms;
    constexpr int kTile = 1440;
    FormLayout f;
    f.name = "Form1";
    f.caption = "Form2";
    f.border = Border::None;
    f.clientWidth = 3495;
    f.clientHeight = 4140;
    f.place = POINT{4560, 1605};
    f.icon = IDI_APPLICATION_ICON;
    f.controls = {
        Label("Label3", {240, 2520, 2415, 975}, "", Font("Arial", 9.75))
            .Fore(Rgb(192, 192, 192))
            .Transparent()
            .Tab(2),
        Image("Image8", {kTile, 2 * kTile, kTile, kTile}, IDB_DARK_TILE),
        Image("Image7", {0, 2 * kTile, kTile, kTile}, IDB_DARK_TILE),
        Label("Label2", {240, 2040, 2775, 495}, "for: AOL 4.0, 5.0", Font("Arial", 9, kBold))
            .Fore(White())
            .Transparent()
            .Centred()
            .Tab(1),
        Label("Label1", {120, 1200, 3255, 735}, "quillo's im/idle tools", Font("Arial", 15.75))
            .Fore(White())
            .Transparent()
            .Centred()
            .Tab(0),
        Image("Image6", {2 * kTile, kTile, kTile, kTile}, IDB_DARK_TILE),
        Image("Image5", {2 * kTile, 0, kTile, kTile}, IDB_DARK_TILE),
        Image("Image4", {kTile, kTile, kTile, kTile}, IDB_DARK_TILE),
        Image("Image3", {0, kTile, kTile, kTile}, IDB_DARK_TILE),
        Image("Image2", {kTile, 0, kTile, kTile}, IDB_DARK_TILE),
        Image("Image1", {0, 0, kTile, kTile}, IDB_DARK_TILE),
    };
    // Enabled, but nothing listens to them.
    f.timers = {{"Timer1", true, 1500}, {"Timer2", true, 1500}};
    return f;
}

}  // namespace layouts
