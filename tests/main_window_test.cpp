// The main window's handlers on the real layout, against the simulated host.
#include <gtest/gtest.h>

#include <string>

#include "ui/main_window.h"
#include "forms/form.h"
#include "host/window_names.h"
#include "hostsim/host.h"
#include "hostsim/im_service.h"
#include "hostsim/transfer.h"
#include "ui/layouts/layouts.h"
#include "ui/log_extent.h"
#include "ui/notice.h"
#include "support/files.h"
#include "support/msg_sequence.h"

namespace {

using hostsim::Host;
using hostsim::ImService;

class MainWindowHandlers : public ::testing::Test {
  protected:
    MainWindowHandlers()
        : form(layouts::Form2Layout()),
          main(form, [this] { ++optionsPopped; }, {folder.File("recorded.txt")}) {
        form.Load();
    }
    ~MainWindowHandlers() override { form.Unload(); }

    std::vector<std::string> Items(const char* list) {
        std::vector<std::string> items;
        for (int i = 0; i < form.ItemCount(list); ++i) items.push_back(form.Item(list, i));
        return items;
    }

    LRESULT MessageLogExtent() {
        return SendMessageA(form.ControlHwnd("List2"), LB_GETHORIZONTALEXTENT, 0, 0);
    }

    // This thread's notice windows.
    static std::vector<HWND> Notices() {
        std::vector<HWND> found;
        for (HWND w = FindWindowExA(nullptr, nullptr, ui::kNoticeClass, nullptr); w;
             w = FindWindowExA(nullptr, w, ui::kNoticeClass, nullptr)) {
            if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId()) found.push_back(w);
        }
        return found;
    }

    testsupport::TempFolder folder;
    forms::Form form;
    ui::MainWindow main;
    int optionsPopped = 0;
};

TEST_F(MainWindowHandlers, StartAndStopSwitchTheOneTimer) {
    EXPECT_FALSE(form.TimerEnabled("Timer1"));
    main.Command3_Click();  // Stop while stopped
    EXPECT_FALSE(form.TimerEnabled("Timer1"));
    main.Command1_Click();
    main.Command1_Click();
    EXPECT_TRUE(form.TimerEnabled("Timer1"));
    EXPECT_EQ(form.TimerInterval("Timer1"), 500);
    main.Label7_Click();
    EXPECT_FALSE(form.TimerEnabled("Timer1"));
}

TEST_F(MainWindowHandlers, RunningMachineAnswersEachMessageOnceAndLogsIt) {
    Host host;
    ImService service(host);
    service.OpenIncomingIM("pal one", {{"pal one", "hello?"}});
    service.OpenIncomingIM("pal two", {{"pal two", "anyone home"}});

    main.Command1_Click();
    // Ticks fall due every 500 ms while a cycle waits on the host for longer
    // than that; each message must still be answered exactly once.
    testsupport::PumpUntil([&] { return service.Sent().size() >= 2; }, 15);
    testsupport::PumpUntil([] { return false; }, 1.5);
    main.Command3_Click();

    ASSERT_EQ(service.Sent().size(), 2u);
    EXPECT_EQ(service.Sent()[0].recipient, "pal two");
    EXPECT_EQ(service.Sent()[1].recipient, "pal one");
    for (const auto& sent : service.Sent()) EXPECT_EQ(sent.text, layouts::kDefaultAwayMessage);
    EXPECT_EQ(Items("List1"), (std::vector<std::string>{"pal two", "pal one"}));
    EXPECT_EQ(Items("List2"), (std::vector<std::string>{"anyone home", "hello?"}));
    // And on disk, one line each in the same order: the local time, the
    // sender and the message.
    const auto lines = testsupport::ReadLines(main.recordPath());
    const std::pair<const char*, const char*> expected[] = {{"pal two", "anyone home"},
                                                            {"pal one", "hello?"}};
    ASSERT_EQ(lines.size(), 2u);
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto fields = testsupport::Fields(lines[i]);
        ASSERT_EQ(fields.size(), 3u) << lines[i];
        EXPECT_EQ(fields[0].size(), std::string("2026-12-10 10:18:15").size()) << lines[i];
        EXPECT_EQ(fields[1], expected[i].first);
        EXPECT_EQ(fields[2], expected[i].second);
    }
    EXPECT_TRUE(Notices().empty());
}

TEST_F(MainWindowHandlers, AFileThatCannotBeWrittenIsReportedOnceAndTheMachineGoesOn) {
    const std::string path = main.recordPath();
    // Locked by another program. (A read-only file would do on Windows, but
    // Wine lets root write to one.)
    const HANDLE locked = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    Host host;
    ImService service(host);
    for (const char* who : {"first", "second"}) {
        service.OpenIncomingIM(who, {{who, "hi"}});
        main.Timer1_Timer();
        testsupport::Settle(host);
    }
    EXPECT_EQ(Items("List1"), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(service.Sent().size(), 2u);
    CloseHandle(locked);
    EXPECT_TRUE(testsupport::ReadLines(path).empty());
    const auto notices = Notices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(IsWindowVisible(notices[0]));
    // It waits for nobody, and takes no input from the main window.
    EXPECT_TRUE(IsWindowEnabled(form.Hwnd()));
    DestroyWindow(notices[0]);
}

TEST_F(MainWindowHandlers, ClearingEmptiesTheLogsAndTheAwayMessage) {
    Host host;
    ImService service(host);
    service.OpenIncomingIM("pal", {{"pal", "one"}});
    main.Timer1_Timer();
    ASSERT_EQ(Items("List1").size(), 1u);
    EXPECT_EQ(MessageLogExtent(), form.TextWidth("one"));

    main.Command5_Click();
    EXPECT_EQ(form.ItemCount("List1"), 0);
    EXPECT_EQ(form.ItemCount("List2"), 0);
    EXPECT_EQ(MessageLogExtent(), 0);

    main.Command2_Click();
    EXPECT_EQ(form.Text("Text1"), "");
    service.OpenIncomingIM("next", {{"next", "two"}});
    main.Timer1_Timer();
    testsupport::Settle(host);
    EXPECT_EQ(Items("List1"), std::vector<std::string>{"next"});
    ASSERT_EQ(service.Sent().size(), 2u);
    EXPECT_EQ(service.Sent()[1].text, "");
}

TEST_F(MainWindowHandlers, TheMessageLogScrollsAsFarAsItsWidestEntryMeasuredOnce) {
    ui::LogExtent extent(form, "List2");
    const std::string narrow = "hi";
    const std::string wide = "a message much wider than the list box that holds it";
    for (const std::string& entry : {narrow, wide, std::string("medium length")})
        form.AddItem("List2", entry);
    extent.Widen();
    EXPECT_EQ(MessageLogExtent(), form.TextWidth(wide));
    EXPECT_GT(MessageLogExtent(), 120);

    // Emptied behind its back, then a narrow entry: the wide one is gone.
    form.ClearItems("List2");
    form.AddItem("List2", narrow);
    extent.Widen();
    EXPECT_EQ(MessageLogExtent(), form.TextWidth(narrow));
}

TEST_F(MainWindowHandlers, TheTwoCloseLabelsEndUpWithOnlyLabel8) {
    EXPECT_TRUE(form.Visible("Label2"));
    EXPECT_TRUE(form.Visible("Label8"));
    main.Label2_MouseMove();
    EXPECT_TRUE(form.Visible("Label8"));
    EXPECT_FALSE(form.Visible("Label2"));
    main.Label8_MouseMove();
    EXPECT_FALSE(form.Visible("Label2"));
}

TEST_F(MainWindowHandlers, UpChatThenUnUpChatLeaveTheFrameDisabledAndTheTransferEnabled) {
    Host host;
    hostsim::Transfer transfer(host);
    main.Command4_Click();
    EXPECT_TRUE(IsWindowEnabled(host.frame()));
    EXPECT_FALSE(IsWindowEnabled(transfer.window()));
    main.Command6_Click();
    EXPECT_FALSE(IsWindowEnabled(host.frame()));
    EXPECT_TRUE(IsWindowEnabled(transfer.window()));
}

TEST_F(MainWindowHandlers, OptionsPopsTheMenu) {
    main.Command7_Click();
    EXPECT_EQ(optionsPopped, 1);
}

}  // namespace
