// The forms runtime on the real layouts: hit-testing in stacking order,
// reloading, the hidden menu holder, timer re-entrancy, focus and colours.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "forms/form.h"
#include "forms/program.h"
#include "platform/clock.h"
#include "host/primitives.h"
#include "platform/pump.h"
#include "ui/layouts/layouts.h"
#include "support/msg_sequence.h"

namespace {

using forms::Event;
using forms::Form;

constexpr double kMenuLimitSeconds = 5;

// Records every mouse event of every windowless control as "Name.Event".
void Listen(Form& form, std::vector<std::string>& log) {
    for (const forms::ControlLayout& c : form.Layout().controls) {
        if (c.IsWindowed()) continue;
        form.On(c.name, Event::MouseDown,
                [&log, name = c.name] { log.push_back(name + ".MouseDown"); });
        form.On(c.name, Event::MouseMove,
                [&log, name = c.name] { log.push_back(name + ".MouseMove"); });
        form.On(c.name, Event::Click, [&log, name = c.name] { log.push_back(name + ".Click"); });
    }
}

POINT CentreOf(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Press(HWND window, POINT at) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageA(window, WM_LBUTTONUP, 0, where);
}

TEST(HitTesting, PressesReachTheFrontMostVisibleWindowlessControl) {
    Form main(layouts::Form2Layout());
    std::vector<std::string> log;
    Listen(main, log);
    main.Load();
    struct Case {
        POINT at;  // client pixels
        std::vector<std::string> expected;
    } cases[] = {
        {{250, 20}, {"Image1.MouseDown", "Image1.Click"}},   // between the labels and the boxes
        {{100, 130}, {"Image2.MouseDown", "Image2.Click"}},  // below the text box
        {{50, 8}, {"Label3.MouseDown", "Label3.Click"}},     // the title, in front of "File"
        {{300, 8}, {"Label4.MouseDown", "Label4.Click"}},
        {{455, 8}, {"Label9.MouseDown", "Label9.Click"}},
        {{472, 8}, {"Label6.MouseDown", "Label6.Click"}},
        {{373, 45}, {}},  // Label7 and Line4 lie under List2
        {{500, 8}, {}},   // Label2 and Label8 begin beyond the client area
    };
    for (const Case& c : cases) {
        log.clear();
        Press(main.Hwnd(), c.at);
        EXPECT_EQ(log, c.expected) << c.at.x << "," << c.at.y;
    }
    // A hidden control lets the press through to the one behind it.
    main.SetVisible("Label3", false);
    log.clear();
    Press(main.Hwnd(), {50, 8});
    EXPECT_EQ(log, (std::vector<std::string>{"Label1.MouseDown", "Label1.Click"}));
}

TEST(HitTesting, RealMouseInputFollowsTheStackingOrder) {
    Form main(layouts::Form2Layout());
    std::vector<std::string> log;
    Listen(main, log);
    main.Show();
    platform::Pause(0.2);
    RECT window;
    GetWindowRect(main.Hwnd(), &window);
    auto click = [&](POINT client) {
        log.clear();
        SetCursorPos(window.left + client.x, window.top + client.y);
        platform::Pause(0.05);
        INPUT input[2] = {{INPUT_MOUSE}, {INPUT_MOUSE}};
        input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, input, sizeof input[0]);
        platform::Pause(0.2);
    };
    click({250, 20});
    EXPECT_NE(std::find(log.begin(), log.end(), "Image1.MouseDown"), log.end());
    for (const std::string& event : log) EXPECT_EQ(event.rfind("Image1.", 0), 0u) << event;
    const RECT label7 = main.ControlRect("Label7");
    click(CentreOf(label7));
    EXPECT_TRUE(log.empty()) << log.front();
    EXPECT_EQ(GetFocus(), main.ControlHwnd("List2"));  // the list took the press
    click({main.ControlRect("Label8").left + 5, 8});
    EXPECT_TRUE(log.empty()) << log.front();
}

TEST(Reloading, AFreshIdlerHasEveryInitialValueAgain) {
    Form idler(layouts::Form4Layout());
    bool afterUnload = false;
    idler.On("Label4", Event::Click, [&] { idler.Unload(); });
    idler.On("Timer1", Event::Timer, [&] {
        // The close box is pressed while this tick is still at work.
        Press(idler.Hwnd(), CentreOf(idler.ControlRect("Label4")));
        idler.SetText("Label2", "99");  // on an unloaded form: nothing happens
        afterUnload = !idler.IsLoaded() && idler.Text("Label2").empty();
    });
    idler.Load();
    idler.SetText("Label2", "7");
    idler.SetText("Text1", "gone fishing");
    idler.SetTimerInterval("Timer1", 20);
    idler.SetTimerEnabled("Timer1", true);
    ASSERT_TRUE(testsupport::PumpUntil([&] { return !idler.IsLoaded(); }, 5));
    EXPECT_TRUE(afterUnload);

    idler.Load();
    EXPECT_EQ(idler.Text("Label2"), "0");
    EXPECT_EQ(idler.Text("Text1"), "reason for idle");
    EXPECT_FALSE(idler.TimerEnabled("Timer1"));
    EXPECT_EQ(idler.TimerInterval("Timer1"), 60000);
}

// Chooses the `item`th entry of our popup menu once it shows, from another thread.
std::thread ChooseMenuItem(int item) {
    return std::thread([item] {
        const double start = platform::MonotonicSeconds();
        HWND menu = nullptr;
        while (!(menu = FindWindowA("#32768", nullptr)) || !IsWindowVisible(menu)) {
            if (platform::MonotonicSeconds() - start > kMenuLimitSeconds) return;
            Sleep(10);
        }
        for (int i = 0; i < item; ++i) host::PostKey(menu, VK_DOWN);
        host::PostKey(menu, VK_RETURN);
    });
}

TEST(MenuHolder, NeverBecomesVisibleWhateverItsMenuDoes) {
    Form holder(layouts::Form3Layout());
    Form idler(layouts::Form4Layout());
    std::vector<std::string> chosen;
    std::atomic<bool> idlerBlocked{false};
    std::atomic<bool> boxHadOneOk{false};
    holder.On("idle", Event::Click, [&] {
        chosen.push_back("idle");
        idler.Show();
    });
    holder.On("imoff", Event::Click, [&] {
        chosen.push_back("imoff");
        holder.Show();
    });
    holder.On("imon", Event::Click, [&] { chosen.push_back("imon"); });
    holder.On("greets", Event::Click, [&] { chosen.push_back("greets"); });
    holder.On("about", Event::Click, [&] {
        chosen.push_back("about");
        std::thread reader([&] {
            HWND box = nullptr;
            for (int i = 0; i < 500 && !box; ++i, Sleep(10))
                box = FindWindowA("#32770", "replymate");
            if (!box) return;
            idlerBlocked = !IsWindowEnabled(idler.Hwnd());
            boxHadOneOk = GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        });
        forms::MessageBoxOk(holder.Hwnd(), "about text", layouts::kApplicationTitle);
        reader.join();
    });

    const char* names[] = {"idle", "imoff", "imon", "about", "greets"};
    for (int item = 1; item <= 5; ++item) {
        std::thread hand = ChooseMenuItem(item);
        holder.PopupMenu("options");
        hand.join();
        ASSERT_EQ(chosen.size(), static_cast<size_t>(item));
        EXPECT_EQ(chosen.back(), names[item - 1]);
        EXPECT_FALSE(IsWindowVisible(holder.Hwnd())) << names[item - 1];
    }
    EXPECT_TRUE(idlerBlocked);
    EXPECT_TRUE(boxHadOneOk);
    EXPECT_TRUE(IsWindowEnabled(idler.Hwnd()));  // input comes back after OK

    // Dismissing the menu runs nothing.
    std::thread away([] {
        HWND menu = nullptr;
        for (int i = 0; i < 500 && !(menu && IsWindowVisible(menu)); ++i, Sleep(10))
            menu = FindWindowA("#32768", nullptr);
        host::PostKey(menu, VK_ESCAPE);
    });
    holder.PopupMenu("options");
    away.join();
    EXPECT_EQ(chosen.size(), 5u);
    EXPECT_FALSE(IsWindowVisible(holder.Hwnd()));
}

forms::FormLayout TwoTimers() {
    forms::FormLayout layout;
    layout.name = layout.caption = "timers";
    layout.clientWidth = layout.clientHeight = 1500;
    layout.timers = {{"Timer1", true, 10}, {"Timer2", true, 10}};
    return layout;
}

TEST(Timers, ATickDueWhileItsOwnHandlerWaitsIsDropped) {
    Form form(TwoTimers());
    int depth = 0, deepest = 0, ticks1 = 0, ticks2 = 0, ticks2DuringWait = 0;
    form.On("Timer1", Event::Timer, [&] {
        ++ticks1;
        deepest = std::max(deepest, ++depth);
        if (ticks1 == 1) {
            const int before = ticks2;
            platform::Pause(0.3);  // many Timer1 ticks come due in here
            ticks2DuringWait = ticks2 - before;
        }
        --depth;
    });
    form.On("Timer2", Event::Timer, [&] { ++ticks2; });
    form.Load();
    ASSERT_TRUE(testsupport::PumpUntil([&] { return ticks1 >= 3; }, 5));
    EXPECT_EQ(deepest, 1);
    EXPECT_GT(ticks2DuringWait, 3);  // other timers go on ticking meanwhile

    // A disabled timer's handler does not run, not even for a tick already queued.
    form.SetTimerEnabled("Timer1", false);
    const int stopped = ticks1;
    platform::Pause(0.1);
    EXPECT_EQ(ticks1, stopped);
}

TEST(Program, EndingFromANestedHandlerEndsTheProcessAtOnce) {
    EXPECT_EXIT(
        {
            Form form(TwoTimers());
            form.On("Timer1", Event::Timer, [&] {
                platform::Pause(0.5);  // Timer2 ends the program in here
                std::exit(2);          // the interrupted handler must not resume
            });
            form.On("Timer2", Event::Timer, [] { platform::EndProgram(); });
            form.Load();
            platform::Pause(2);
            std::exit(1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(Focus, OpensInText1AndTabFollowsTheTabPlaces) {
    Form idler(layouts::Form4Layout());
    idler.Show();
    platform::Pause(0.1);
    ASSERT_EQ(GetFocus(), idler.ControlHwnd("Text1"));
    const char* order[] = {"Command1", "Command2", "Text1", "Command1"};
    for (const char* next : order) {
        SendMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        SendMessageA(GetFocus(), WM_CHAR, '\t', 0);
        EXPECT_EQ(GetFocus(), idler.ControlHwnd(next)) << next;
    }
    EXPECT_EQ(idler.Text("Text1"), "reason for idle");  // no tab typed into it
}

TEST(Colours, WindowedControlsGetTheirLayoutColours) {
    Form main(layouts::Form2Layout());
    Form idler(layouts::Form4Layout());
    main.Load();
    idler.Load();
    struct Case {
        Form* form;
        const char* name;
        UINT message;
        COLORREF text, back;
    } cases[] = {
        {&main, "Text1", WM_CTLCOLOREDIT, RGB(255, 255, 255), GetSysColor(COLOR_HIGHLIGHT)},
        {&main, "List1", WM_CTLCOLORLISTBOX, GetSysColor(COLOR_WINDOW),
         GetSysColor(COLOR_HIGHLIGHT)},
        {&main, "List2", WM_CTLCOLORLISTBOX, GetSysColor(COLOR_WINDOW),
         GetSysColor(COLOR_HIGHLIGHT)},
        {&idler, "Text1", WM_CTLCOLOREDIT, RGB(0, 0, 0), GetSysColor(COLOR_INACTIVEBORDER)},
    };
    HDC dc = CreateCompatibleDC(nullptr);
    for (const Case& c : cases) {
        const LRESULT brush = SendMessageA(c.form->Hwnd(), c.message, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(c.form->ControlHwnd(c.name)));
        LOGBRUSH lb{};
        ASSERT_TRUE(GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof lb, &lb)) << c.name;
        EXPECT_EQ(lb.lbColor, c.back) << c.name;
        EXPECT_EQ(GetBkColor(dc), c.back) << c.name;
        EXPECT_EQ(GetTextColor(dc), c.text) << c.name;
    }
    DeleteDC(dc);
}

TEST(Properties, UnknownNamesThrowAndAnUnloadedFormIsQuiet) {
    Form idler(layouts::Form4Layout());
    EXPECT_THROW(idler.SetText("Label99", "x"), std::invalid_argument);
    EXPECT_THROW(idler.SetTimerEnabled("Timer9", true), std::invalid_argument);
    EXPECT_THROW(idler.PopupMenu("options"), std::invalid_argument);
    // bound handlers are checked where they are bound, not found dead later
    const std::pair<const char*, Event> wrong[] = {{"Comand1", Event::Click},
                                                   {"Timer1", Event::Click},
                                                   {"Command1", Event::Timer},
                                                   {"idle", Event::Click},
                                                   {forms::kForm, Event::Click}};
    for (const auto& [name, event] : wrong)
        EXPECT_THROW(idler.On(name, event, [] {}), std::invalid_argument) << name;
    idler.SetText("Label2", "5");  // not loaded: nothing happens
    EXPECT_EQ(idler.Text("Label2"), "");
    EXPECT_EQ(idler.Hwnd(), nullptr);
}

TEST(Handlers, AnExceptionAHandlerLetsOutIsReportedAndTheFormGoesOn) {
    Form idler(layouts::Form4Layout());
    int clicks = 0;
    idler.On("Command1", Event::Click, [&] {
        ++clicks;
        throw std::runtime_error("no such reason");
    });
    idler.Load();
    testing::TestPartResultArray reported;
    {
        testing::ScopedFakeTestPartResultReporter intercept(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &reported);
        HWND button = idler.ControlHwnd("Command1");
        for (int i = 0; i < 2; ++i)
            SendMessageA(idler.Hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
    }
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(reported.size(), 2);
    EXPECT_NE(std::string(reported.GetTestPartResult(0).message())
                  .find("Form4.Command1 Click: no such reason"),
              std::string::npos)
        << reported.GetTestPartResult(0).message();
}

TEST(Labels, AutoSizeKeepsTheCentreOfACentredLabel) {
    Form splash(layouts::Form1Layout());
    splash.Load();
    const RECT before = splash.ControlRect("Label1");
    splash.SetAutoSize("Label1", true);
    const RECT after = splash.ControlRect("Label1");
    EXPECT_LT(after.right - after.left, before.right - before.left);
    EXPECT_NEAR((after.left + after.right) / 2.0, (before.left + before.right) / 2.0, 1.0);
    EXPECT_EQ(after.top, before.top);
    splash.SetText("Label1", "a much longer title than the layout ever gave it");
    EXPECT_GT(splash.ControlRect("Label1").right - splash.ControlRect("Label1").left,
              after.right - after.left);
}

}  // namespace

namespace {

TEST(Closing, AFormsCloseHandlerDecidesAndWithoutOneTheFormUnloads) {
    Form idler(layouts::Form4Layout());
    idler.Load();
    SendMessageA(idler.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(idler.IsLoaded());

    Form main(layouts::Form2Layout());
    int closes = 0;
    main.On(forms::kForm, Event::Close, [&] { ++closes; });
    main.Load();
    SendMessageA(main.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(main.IsLoaded());
    main.Unload();
}

}  // namespace
