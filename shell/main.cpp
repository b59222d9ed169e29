// quillostools.exe: replymate's start. Everything follows from the splash
// window's events.
#include <windows.h>

#include "shell/app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    shell::App app;
    app.Run();
}
