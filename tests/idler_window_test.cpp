// The chat idler's handlers on the real layout, against the simulated chat room.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/form.h"
#include "hostsim/chat_room.h"
#include "hostsim/host.h"
#include "ui/idler_window.h"
#include "ui/layouts/layouts.h"
#include "support/msg_sequence.h"

namespace {

using hostsim::ChatRoom;
using hostsim::Host;

const std::string kHeader = "</i></u><b>i[]i quillo's idle i[]i";
const std::string kOff = "</i></u><b>i[]i quillo's idle off i[]i";

std::string Reason(const std::string& r) {
    return "</i></u><b>i[]i <u>" + r + "</u> i[]i";
}
std::string Minutes(const std::string& m) {
    return "</i></u><b>i[]i idle for <u>" + m + " </u>min's i[]i";
}

class IdlerHandlers : public ::testing::Test {
  protected:
    IdlerHandlers() : form(layouts::Form4Layout()), idler(form) { form.Load(); }
    ~IdlerHandlers() override { form.Unload(); }

    Host host;
    forms::Form form;
    ui::IdlerWindow idler;
};

TEST_F(IdlerHandlers, StartThenStopBeforeATickSaysFourLinesInOrder) {
    ChatRoom room(host);
    idler.Command1_Click();
    EXPECT_TRUE(form.TimerEnabled("Timer1"));
    idler.Command2_Click();
    EXPECT_FALSE(form.TimerEnabled("Timer1"));
    EXPECT_EQ(room.LinesSaid(),
              (std::vector<std::string>{kHeader, Reason("reason for idle"), Minutes("0"), kOff}));
    EXPECT_EQ(form.Text("Label2"), "0");
}

TEST_F(IdlerHandlers, EachTickCountsAMinuteAndUsesTheReasonAsItIsThen) {
    ChatRoom room(host);
    idler.Command1_Click();
    idler.Timer1_Timer();
    form.SetText("Text1", "");
    idler.Timer1_Timer();
    idler.Timer1_Timer();
    EXPECT_EQ(form.Text("Label2"), "3");
    const auto lines = room.LinesSaid();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[4], Reason("reason for idle"));
    EXPECT_EQ(lines[5], Minutes("1"));
    EXPECT_EQ(lines[7], Reason(""));
    EXPECT_EQ(lines[8], Minutes("2"));
    EXPECT_EQ(lines[11], Minutes("3"));
}

TEST_F(IdlerHandlers, ClosingTheWindowWhileItsLinesGoOutDropsTheRest) {
    // Behind another window the room is found only after a pump, and the
    // user's "X" is handled in that pump.
    ChatRoom room(host, {}, "Chat Room: lobby", /*atBack=*/true);
    host.OpenChild({"something else", {{"_AOL_Static", 1}}});
    const RECT x = form.ControlRect("Label4");
    const LPARAM at = MAKELPARAM((x.left + x.right) / 2, (x.top + x.bottom) / 2);
    form.On("Label4", forms::Event::Click, [&] { idler.Label4_Click(); });
    PostMessageA(form.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(form.Hwnd(), WM_LBUTTONUP, 0, at);

    idler.Command1_Click();

    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(room.LinesSaid(), std::vector<std::string>{kHeader});
}

TEST_F(IdlerHandlers, WithNoRoomTheCounterStillAdvances) {
    idler.Command1_Click();
    idler.Timer1_Timer();
    EXPECT_EQ(form.Text("Label2"), "1");
}

}  // namespace
