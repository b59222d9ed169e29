#pragma once
// The colours the layouts use, by the names the tables give them.
#include "forms/layout.h"

namespace layouts {

inline forms::Colour White() {
    return forms::Colour::Rgb(255, 255, 255);
}
inline forms::Colour Black() {
    return forms::Colour::Rgb(0, 0, 0);
}
inline forms::Colour System(int index) {
    return forms::Colour::System(index);
}
inline forms::Colour Rgb(int r, int g, int b) {
    return forms::Colour::Rgb(r, g, b);
}

inline forms::FontStyle Font(const char* face, double points, bool bold = false) {
    return {face, points, bold};
}
constexpr bool kBold = true;

}  // namespace layouts
