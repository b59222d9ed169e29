// quillostools.exe: replymate's start. Everything follows from the splash
// window's events.
#include <windows.h>

#include "program/app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    program::App app;
    app.Run();
}
