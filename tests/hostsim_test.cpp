// Promises of the simulated host that the other tests stand on.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "answer/signatures.h"
#include "host/signature.h"
#include "host/window_names.h"
#include "hostsim/chat_room.h"
#include "hostsim/host.h"
#include "hostsim/host_tree.h"
#include "hostsim/im_service.h"
#include "outgoing/chat.h"

namespace {

namespace tree = hostsim::tree;
using hostsim::Host;

TEST(Host, WorkItsHungThreadNeverStartedIsDroppedNotRunLater) {
    hostsim::Host::Options options;
    options.invokeLimitMs = 200;
    hostsim::Host host(options);
    host.HangNow(1000, "test");
    // What the work writes lives in this frame, as it does for every caller.
    bool ran = false;
    host.Invoke([&] { ran = true; });
    EXPECT_FALSE(ran);
    host.Release();
    host.Flush();
    EXPECT_FALSE(ran);
    host.Invoke([&] { ran = true; });
    EXPECT_TRUE(ran);
}

// hostsim writes the host's names down on its own; they must be the program's.
TEST(HostTree, NamesEveryWindowAsTheProgramLooksItUp) {
    const std::pair<const char*, const char*> kSameName[] = {
        {tree::kFrameClass, host::kFrameClass},
        {tree::kDocumentAreaClass, host::kMdiClientClass},
        {tree::kChildClass, host::kChildClass},
        {tree::kToolbarClass, host::kToolbarClass},
        {tree::kToolbarBarClass, host::kToolbarBarClass},
        {tree::kIconClass, host::kIconClass},
        {tree::kStaticClass, host::kStaticClass},
        {tree::kViewClass, host::kViewClass},
        {tree::kRichClass, host::kRichClass},
        {tree::kEditClass, host::kEditClass},
        {tree::kListboxClass, host::kListboxClass},
        {tree::kComboboxClass, host::kComboboxClass},
        {tree::kImageClass, host::kImageClass},
        {tree::kPopupMenuClass, host::kMenuClass},
        {tree::kMessageBoxClass, host::kDialogClass},
        {tree::kMessageBoxButtonClass, host::kButtonClass},
        {tree::kComposeCaption, host::kComposeCaption},
        {tree::kConversationCaptionPrefix, host::kConversationCaptionPrefix},
        {tree::kMessageBoxCaption, host::kHostMessageBoxCaption},
        {tree::kTransferWindowName, host::kModalTransferName},
    };
    for (const auto& [ours, program] : kSameName) EXPECT_STREQ(ours, program);
}

// Where hostsim puts its send icon is where the program's chain lands, before
// the last control, past it and round again.
TEST(HostTree, CountedLookupLandsWhereTheProgramsDoes) {
    Host host;
    for (int k : {0, 1, 2, 8, 10}) {
        const HWND child = host.OpenChild({"chain", {{tree::kIconClass, k}}});
        for (int n = 0; n <= 15; ++n) {
            EXPECT_EQ(tree::NthChild(child, tree::kIconClass, n),
                      host::NthChild(child, host::kIconClass, n))
                << k << " icons, " << n << " lookups";
        }
    }
}

// Each kind of window hostsim builds meets the program's signatures meant for
// it and none of the others, so no test finds the chat room answered as a
// message or an incoming message taken for the room.
TEST(HostTree, EachWindowMeetsOnlyTheSignaturesMeantForIt) {
    struct Kind {
        const char* name;
        std::function<HWND(Host&, hostsim::ImService&)> open;
        bool received, im, edit, chat;
    };
    const Kind kKinds[] = {
        {"incoming message",
         [](Host&, hostsim::ImService& s) {
             return s.OpenIncomingIM("ann", {{"ann", "hi"}});
         },
         true, true, false, false},
        {"edit window", [](Host&, hostsim::ImService& s) { return s.OpenEditWindow(); }, false,
         false, true, false},
        {"chat room", [](Host& h, hostsim::ImService&) { return hostsim::ChatRoom(h).window(); },
         false, false, false, true},
    };
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        Host host;
        hostsim::ImService service(host);
        const HWND w = kind.open(host, service);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(host::MeetsSignature(w, answer::kReceivedImSignature), kind.received);
        EXPECT_EQ(host::MeetsSignature(w, answer::kImWindowSignature), kind.im);
        EXPECT_EQ(host::MeetsSignature(w, answer::kEditWindowSignature), kind.edit);
        EXPECT_EQ(outgoing::FindChatRoom() == w, kind.chat);  // the only window open
    }
}

}  // namespace
