// quillostools.exe: for now only the splash window from its layout; start-up
// proper (the ellipse, the pulse, the main window) is built on top of this.
#include <windows.h>

#include "forms/form.h"
#include "host/primitives.h"
#include "shell/layouts/layouts.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    forms::Form splash(layouts::Form1Layout());
    splash.Show();
    for (;;) {
        host::PumpMessages();
        WaitMessage();
    }
}
