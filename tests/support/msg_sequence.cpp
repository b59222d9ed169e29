#include "support/msg_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "platform/pump.h"

namespace testsupport {

std::vector<hostsim::Record> Only(const std::vector<hostsim::Record>& records,
                                  std::initializer_list<UINT> messages) {
    std::vector<hostsim::Record> out;
    for (const auto& r : records) {
        if (std::find(messages.begin(), messages.end(), r.message) != messages.end()) {
            out.push_back(r);
        }
    }
    return out;
}

std::vector<hostsim::Record> OnlyWindows(const std::vector<hostsim::Record>& records,
                                         std::initializer_list<HWND> windows) {
    std::vector<hostsim::Record> out;
    for (const auto& r : records) {
        if (std::find(windows.begin(), windows.end(), r.window) != windows.end()) {
            out.push_back(r);
        }
    }
    return out;
}

void ExpectSequence(const std::vector<hostsim::Record>& records,
                    const std::vector<Expected>& expected, const char* file, int line) {
    std::ostringstream problem;
    if (records.size() != expected.size()) {
        problem << "expected " << expected.size() << " messages, recorded " << records.size();
    } else {
        for (size_t i = 0; i < records.size() && problem.str().empty(); ++i) {
            const auto& r = records[i];
            const auto& e = expected[i];
            if (r.window != e.window || r.message != e.message || r.posted != e.posted ||
                r.wParam != e.wParam || (e.text && r.text != *e.text)) {
                problem << "message " << i << " differs: expected "
                        << hostsim::MessageName(e.message) << (e.posted ? " posted" : " sent")
                        << " to " << e.window << " w=0x" << std::hex << e.wParam << std::dec;
                if (e.text) problem << " \"" << *e.text << "\"";
            }
        }
    }
    if (!problem.str().empty()) {
        ADD_FAILURE_AT(file, line) << problem.str() << "\nrecorded:\n"
                                   << hostsim::Describe(records);
    }
}

void Settle(hostsim::Host& host) {
    host.Flush();
    platform::PumpMessages();
}

}  // namespace testsupport
