// A host that fails for a long while, as one whose menu stays broken for an
// hour: the whole main window runs on its own timer against it, with the
// program's waits and rests scaled down (its 60 s pointer rest is 2 s here,
// its 5 s rest for a hung host 0.5 s) and each fault lasting many rests.
// Every message read is recorded once, in the lists and in the file; none is
// answered twice; the pointer is parked (and the host's toolbar clicked) at
// most once a rest; no compose
// window is left behind; and our thread keeps dispatching.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "forms/form.h"
#include "platform/clock.h"
#include "hostsim/host.h"
#include "hostsim/im_service.h"
#include "support/files.h"
#include "support/msg_sequence.h"
#include "support/thread_watch.h"
#include "ui/layouts/layouts.h"
#include "ui/main_window.h"

namespace {

using hostsim::Host;
using hostsim::ImService;

constexpr double kPointerRest = 2.0;
constexpr double kHungRest = 0.5;
const outgoing::SendImLimits kLimits{0.3, 0.5, 1.0};
constexpr double kLongestStall = 2.5;
constexpr int kMessages = 10;
constexpr double kSettleLimit = 30;

enum class Lasting { kNoMenu, kComposeNeverSettles, kHang };

struct Row {
    const char* name;
    Lasting fault;
    double seconds;
};

const Row kRows[] = {
    {"the menu never opens", Lasting::kNoMenu, 5 * kPointerRest},
    {"the compose window never settles", Lasting::kComposeNeverSettles, 5 * kPointerRest},
    {"the host hangs", Lasting::kHang, 12 * kHungRest},
};

// What the host sent, by recipient; filled on the host's thread.
struct Answers {
    std::mutex lock;
    std::map<std::string, int> to;
    int Of(const std::string& name) {
        std::lock_guard<std::mutex> guard(lock);
        return to[name];
    }
};

class LastingFaults : public ::testing::TestWithParam<Row> {
  protected:
    std::vector<std::string> Items(forms::Form& form, const char* list) {
        std::vector<std::string> items;
        for (int i = 0; i < form.ItemCount(list); ++i) items.push_back(form.Item(list, i));
        return items;
    }
};

TEST_P(LastingFaults, EveryMessageIsRecordedOnceAndThePointerIsLeftAlone) {
    const Row& row = GetParam();
    testsupport::TempFolder folder;
    const std::string recordPath = folder.File("recorded.txt");
    Host host;
    Answers answers;
    ImService::Options options;
    options.onSent = [&](const hostsim::SentIM& im) {
        std::lock_guard<std::mutex> guard(answers.lock);
        ++answers.to[im.recipient];
    };
    ImService service(host, options);
    forms::Form form(layouts::Form2Layout());
    ui::MainWindow main(form, {}, {recordPath, kLimits, {kPointerRest, kHungRest}});
    form.Load();
    testsupport::ThreadWatch watch;

    std::vector<std::string> names;
    for (int i = 0; i < kMessages; ++i) names.push_back("pal " + std::to_string(i));
    const double faultStart = platform::MonotonicSeconds();
    if (row.fault == Lasting::kHang) {
        // The messages wait in a host that has stopped answering when the
        // machine starts.
        for (const std::string& name : names) service.OpenIncomingIM(name, {{name, "hello?"}});
        host.HangNow(static_cast<DWORD>(row.seconds * 1000), "lasting");
        main.Command1_Click();
        testsupport::PumpUntil([] { return false; }, row.seconds);
    } else {
        main.Command1_Click();
        service.Break(row.fault == Lasting::kNoMenu, row.fault == Lasting::kComposeNeverSettles);
        for (const std::string& name : names) {
            service.OpenIncomingIM(name, {{name, "hello?"}});
            testsupport::PumpUntil([] { return false; }, row.seconds / kMessages);
        }
        service.Behave();
    }
    const double faultEnd = platform::MonotonicSeconds();
    // Once the fault has cleared and the rest it caused is over, the machine
    // answers as usual.
    testsupport::PumpUntil([&] { return form.ItemCount("List1") >= kMessages; }, kSettleLimit);
    testsupport::PumpUntil([] { return false; }, kPointerRest);
    service.OpenIncomingIM("after", {{"after", "all well?"}});
    EXPECT_TRUE(testsupport::PumpUntil([&] { return answers.Of("after") == 1; }, kSettleLimit));
    main.Command3_Click();
    testsupport::Settle(host);

    std::vector<std::string> expected = names;
    expected.push_back("after");
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> recorded = Items(form, "List1");
    std::sort(recorded.begin(), recorded.end());
    EXPECT_EQ(recorded, expected);
    std::vector<std::string> inFile;
    for (const std::string& line : testsupport::ReadLines(recordPath)) {
        const auto fields = testsupport::Fields(line);
        ASSERT_EQ(fields.size(), 3u) << line;
        EXPECT_EQ(fields[2], fields[1] == "after" ? "all well?" : "hello?");
        inFile.push_back(fields[1]);
    }
    std::sort(inFile.begin(), inFile.end());
    EXPECT_EQ(inFile, expected);

    int answered = 0;
    for (const std::string& name : names) {
        EXPECT_LE(answers.Of(name), 1) << name;
        answered += answers.Of(name);
    }
    // Read only once the hang is over, every message is answered then; a
    // broken menu or compose window lets no reply through.
    EXPECT_EQ(answered, row.fault == Lasting::kHang ? kMessages : 0);

    // Each time the pointer is parked for a reply, the host's toolbar icon is
    // clicked once.
    std::vector<double> parkedDuringFault;
    for (double at : service.ToolbarClicks()) {
        if (at >= faultStart && at <= faultEnd) parkedDuringFault.push_back(at);
    }
    if (row.fault == Lasting::kHang) {
        EXPECT_TRUE(parkedDuringFault.empty());
    } else {
        EXPECT_GE(parkedDuringFault.size(), 2u);  // tried again once each rest was over
    }
    for (size_t i = 1; i < parkedDuringFault.size(); ++i)
        EXPECT_GE(parkedDuringFault[i] - parkedDuringFault[i - 1], kPointerRest);
    EXPECT_EQ(FindWindowExA(host.mdiClient(), nullptr, "AOL Child", "Send Instant Message"),
              nullptr);
    EXPECT_LE(watch.LongestGap(), kLongestStall);
    std::printf(
        "%s: %zu recorded, %d of them answered; %zu toolbar clicks during the fault; "
        "longest gap %.2f s\n",
        row.name, recorded.size(), answered, parkedDuringFault.size(), watch.LongestGap());
    form.Unload();
}

INSTANTIATE_TEST_SUITE_P(Host, LastingFaults, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

}  // namespace
