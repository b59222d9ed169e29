// Finding the host's chat room and saying a line there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/primitives.h"
#include "host/window_names.h"
#include "hostsim/chat_room.h"
#include "hostsim/controls.h"
#include "hostsim/host.h"
#include "outgoing/chat.h"
#include "support/msg_sequence.h"

namespace {

using hostsim::ChatRoom;
using hostsim::ChatRoomShape;
using hostsim::Host;
using outgoing::FindChatRoom;
using outgoing::SendChatLine;
using testsupport::Expected;
using testsupport::kSent;

// An instant-message window: two rich-text controls like the room, but not a room.
hostsim::ChildLayout ImWindow() {
    return {"Ann: Instant Message",
            {{host::kViewClass, 2},
             {host::kStaticClass, 4},
             {host::kRichClass, 2},
             {host::kIconClass, 14}}};
}

// A window of our own thread; a message posted to it shows whether we pumped.
class OwnWindow {
  public:
    OwnWindow() {
        window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    }
    ~OwnWindow() { DestroyWindow(window); }
    bool StillQueued(UINT message) {
        MSG msg;
        return PeekMessageA(&msg, window, message, message, PM_REMOVE) != 0;
    }
    HWND window;
};

TEST(FindChatRoom, TheFirstWindowIsReturnedWithoutPumpingOurMessages) {
    Host host;
    host.OpenChild(ImWindow());
    ChatRoom room(host);  // opened last, so first in child order
    OwnWindow own;
    PostMessageA(own.window, WM_USER, 0, 0);
    EXPECT_EQ(FindChatRoom(), room.window());
    EXPECT_TRUE(own.StillQueued(WM_USER));
}

TEST(FindChatRoom, ARoomBehindOtherWindowsIsFoundAndPumpingHappens) {
    Host host;
    ChatRoom room(host, {}, "Chat Room: lobby", /*atBack=*/true);
    for (int i = 0; i < 5; ++i) host.OpenChild(ImWindow());
    OwnWindow own;
    PostMessageA(own.window, WM_USER, 0, 0);
    EXPECT_EQ(FindChatRoom(), room.window());
    EXPECT_FALSE(own.StillQueued(WM_USER));
}

TEST(FindChatRoom, TheHundredthStepIsTheLastOneTaken) {
    Host host;
    // Candidate 1 is the first window; step k reaches window k + 1. With 100
    // windows ahead of it the room is reached on the 100th and last step.
    ChatRoom room(host, {}, "Chat Room: lobby", /*atBack=*/true);
    for (int i = 0; i < 100; ++i) host.OpenChild({"other", {}});
    EXPECT_EQ(FindChatRoom(), room.window());
    host.OpenChild({"one more", {}});
    EXPECT_EQ(FindChatRoom(), nullptr);
}

TEST(FindChatRoom, NothingMatchesGivesZero) {
    {
        Host host;
        host.OpenChild(ImWindow());
        host.OpenChild({"empty", {}});
        EXPECT_EQ(FindChatRoom(), nullptr);
    }
    EXPECT_EQ(FindChatRoom(), nullptr);  // no host at all
}

// The Nth control is the Nth step of a chain that wraps to 0 past the last
// control, so some rooms with too few controls still pass and some with more
// than needed do not.
TEST(FindChatRoom, CountedChainsDecideWhichShapesPass) {
    struct Case {
        const char* name;
        ChatRoomShape shape;
        bool passes;
    };
    const auto with = [](auto change) {
        ChatRoomShape shape;
        change(shape);
        return shape;
    };
    const std::vector<Case> cases = {
        {"as the host shows it", {}, true},
        {"four icons", with([](ChatRoomShape& s) { s.icons = 4; }), true},
        {"six icons", with([](ChatRoomShape& s) { s.icons = 6; }), false},
        {"thirteen icons", with([](ChatRoomShape& s) { s.icons = 13; }), false},
        {"two statics", with([](ChatRoomShape& s) { s.statics = 2; }), true},
        {"three statics", with([](ChatRoomShape& s) { s.statics = 3; }), false},
        {"four statics", with([](ChatRoomShape& s) { s.statics = 4; }), false},
        {"one rich text", with([](ChatRoomShape& s) { s.riches = 1; }), false},
        {"no list box", with([](ChatRoomShape& s) { s.listboxes = 0; }), false},
        {"no combo box", with([](ChatRoomShape& s) { s.comboboxes = 0; }), false},
        {"no image", with([](ChatRoomShape& s) { s.images = 0; }), false},
    };
    Host host;
    for (const Case& c : cases) {
        ChatRoom room(host, c.shape);
        EXPECT_EQ(FindChatRoom() == room.window(), c.passes) << c.name;
        host.DestroyNow(room.window());
    }
}

class SendChatLineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host.OpenChild(ImWindow());
        host.ClearRecords();
    }
    Host host;
    ChatRoom room{host, {}, "Chat Room: lobby", /*atBack=*/true};
};

TEST_F(SendChatLineTest, TheLineIsSaidAndHalfTypedTextIsGivenBack) {
    room.Type("half a thou");
    SendChatLine("brb, coffee");
    const HWND box = room.inputBox();
    EXPECT_SEQUENCE(host.Records(),
                    {
                        Expected{box, WM_GETTEXTLENGTH, kSent},
                        Expected{box, WM_GETTEXT, kSent, std::string("half a thou").size() + 1},
                        Expected{box, WM_SETTEXT, kSent, 0, "brb, coffee"},
                        Expected{box, WM_CHAR, kSent, VK_RETURN},
                        Expected{box, WM_SETTEXT, kSent, 0, "half a thou"},
                    });
    EXPECT_EQ(room.LinesSaid(), std::vector<std::string>{"brb, coffee"});
    EXPECT_EQ(host.TextOf(room.transcript()), "You: brb, coffee\r\n");
    EXPECT_EQ(host.TextOf(box), "half a thou");
}

TEST_F(SendChatLineTest, AnEmptyBoxIsNotWrittenBackAfterTheEnter) {
    SendChatLine("one");
    SendChatLine("two");
    const HWND box = room.inputBox();
    const std::vector<Expected> once = {
        Expected{box, WM_GETTEXTLENGTH, kSent},
        Expected{box, WM_SETTEXT, kSent, 0, "one"},
        Expected{box, WM_CHAR, kSent, VK_RETURN},
    };
    auto twice = once;
    twice.insert(twice.end(), {Expected{box, WM_GETTEXTLENGTH, kSent},
                               Expected{box, WM_SETTEXT, kSent, 0, "two"},
                               Expected{box, WM_CHAR, kSent, VK_RETURN}});
    EXPECT_SEQUENCE(host.Records(), twice);
    EXPECT_EQ(room.LinesSaid(), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(host.TextOf(box), "");
}

TEST(SendChatLine, WithoutARoomNothingIsTouched) {
    Host host;
    HWND im = host.OpenChild(ImWindow());
    const auto imRiches = Host::Children(im, host::kRichClass);
    host.ClearRecords();
    SendChatLine("anyone here?");
    testsupport::Settle(host);
    EXPECT_TRUE(host.Records().empty()) << hostsim::Describe(host.Records());
    for (HWND rich : imRiches) EXPECT_EQ(host.TextOf(rich), "");
}

TEST(SendChatLine, WithoutAHostNoOtherProgramsRichTextIsTypedInto) {
    // Two empty top-level rich-text windows of some other program: the second
    // is what a lookup of the room's input box under handle 0 would reach.
    hostsim::RegisterControlClasses();
    std::vector<HWND> strangers;
    for (int i = 0; i < 2; ++i) {
        strangers.push_back(CreateWindowExA(0, host::kRichClass, "", WS_POPUP, 0, 0, 10, 10,
                                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    }
    SendChatLine("hello");
    for (HWND w : strangers) {
        host::HostLink link;
        EXPECT_EQ(host::GetText(link, w), "");
        DestroyWindow(w);
    }
}

}  // namespace
