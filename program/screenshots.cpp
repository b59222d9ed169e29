// screenshots.exe [folder]: shows each visible window of replymate as it
// looks once open, one at a time, and saves what the screen shows of it as
// folder/FormN.bmp (default folder: screenshots). Run it under a display:
//   wine screenshots.exe shots && convert shots/Form2.bmp Form2.png
#include <windows.h>

#include <string>

#include "forms/form.h"
#include "platform/gdi.h"
#include "platform/pump.h"
#include "ui/layouts/layouts.h"
#include "ui/main_window_controls.h"
#include "ui/splash.h"
#include "ui/splash_controls.h"

namespace {

constexpr double kSettleSeconds = 0.5;
// The splash title's colour once it has started.
constexpr BYTE kTitleGrey = 240;

bool SaveScreenArea(const RECT& area, const std::string& path) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as a BMP file keeps it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    platform::ScopedGetDC screen(nullptr);
    platform::Bitmap dib(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib) return false;
    {
        platform::ScopedCompatibleDC canvas(screen);
        platform::ScopedSelectObject selected(canvas, dib.get());
        BitBlt(canvas, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    }
    GdiFlush();
    const DWORD stride = ((width * 3 + 3) / 4) * 4;
    const DWORD imageSize = stride * height;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageSize;
    platform::File out(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!out) return false;
    DWORD written = 0;
    WriteFile(out, &file, sizeof file, &written, nullptr);
    WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
    WriteFile(out, bits, imageSize, &written, nullptr);
    return true;
}

void Shoot(forms::Form& form, const std::string& folder) {
    form.Show();
    platform::Pause(kSettleSeconds);
    RECT area;
    GetWindowRect(form.Hwnd(), &area);
    SaveScreenArea(area, folder + "\\" + form.Layout().name + ".bmp");
    form.Hide();
    platform::Pause(kSettleSeconds);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const std::string folder = *commandLine ? commandLine : "screenshots";
    CreateDirectoryA(folder.c_str(), nullptr);

    forms::Form splash(layouts::Form1Layout());
    splash.On(forms::kForm, forms::Event::Load, [&] {
        ui::ShowElliptic(splash);
        splash.SetText(ui::splash_controls::kSubtitleLabel, " for: AOL 4.0 - 5.0");
        splash.SetAlignment(ui::splash_controls::kTitleLabel, forms::Align::Centre);
        splash.SetOpaque(ui::splash_controls::kTitleLabel, false);
        splash.SetAutoSize(ui::splash_controls::kTitleLabel, true);
        splash.SetBackColour(RGB(0, 0, 0));
        splash.SetForeColour(ui::splash_controls::kTitleLabel,
                             RGB(kTitleGrey, kTitleGrey, kTitleGrey));
    });
    Shoot(splash, folder);

    forms::Form main(layouts::Form2Layout());
    main.Load();
    main.AddItem(ui::main_window_controls::kSenderLog, "SomeBuddy");
    main.AddItem(ui::main_window_controls::kMessageLog,
                 "are you there? this line is wider than the log");
    main.SetHorizontalExtent(ui::main_window_controls::kMessageLog,
                             main.TextWidth(main.Item(ui::main_window_controls::kMessageLog, 0)));
    Shoot(main, folder);

    forms::Form idler(layouts::Form4Layout());
    Shoot(idler, folder);
    return 0;
}
