#include "ui/options_texts.h"

namespace ui {

const char kAboutText[] =
    "sup, this is my lil idler and im machine"
    " that may be helpfull to you, It will answer all incoming instant messages including aim "
    "im's, it will then log the messages to the list box's so you can view them whenever, the "
    "chat idler will keep you online, It works with AOL 4 & 5, everything is pretty self "
    "explanitory, im sure it still has a few bugs, so just bear with me, im still learnin, "
    "i wrote the whole thing myself in C++ with help from kelvo's code maker, "
    "hopefully ill have a lot more improved things to come.  -quillo-";

const char kGreetsText[] =
    "Greets: my bro d-rok, go check out his site at http://www.example.com/drok/, "
    "shouts to zephyr and m0nk, and big thanks to kelvo -for makin such a dope prog "
    "(kelvo's code maker) thats helped me more than you can imagine.   ";

}  // namespace ui
