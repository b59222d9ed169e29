// The hidden holder of the options menu.
#include "ui/layouts/layouts.h"

namespace layouts {

forms::FormLayout Form3Layout() {
    forms::FormLayout f;
    f.name = "Form3";
    f.caption = "Form3";
    f.border = forms::Border::Sizable;
    f.clientWidth = 4680;
    f.clientHeight = 3165;
    f.neverShown = true;
    f.menus = {{"options",
                "options",
                {
                    {"idle", "chat idle", {}},
                    {"imoff", "im's off", {}},
                    {"imon", "im's on", {}},
                    {"about", "about", {}},
                    {"greets", "greets", {}},
                }}};
    return f;
}

}  // namespace layouts
