#pragma once
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "hostsim/host.h"
#include "hostsim/record.h"

namespace testsupport {

// One message we expect a host window to have received.
struct Expected {
    HWND window;
    UINT message;
    bool posted;
    WPARAM wParam = 0;
    std::optional<std::string> text = std::nullopt;  // checked for WM_SETTEXT when given
};

constexpr bool kPosted = true;
constexpr bool kSent = false;

// The records whose message is one of `messages`, in order.
std::vector<hostsim::Record> Only(const std::vector<hostsim::Record>& records,
                                  std::initializer_list<UINT> messages);

// The records of the given windows only, in order.
std::vector<hostsim::Record> OnlyWindows(const std::vector<hostsim::Record>& records,
                                         std::initializer_list<HWND> windows);

// Compares the records with the expected sequence; on a mismatch reports the
// caller's file and line and prints the whole recorded log.
void ExpectSequence(const std::vector<hostsim::Record>& records,
                    const std::vector<Expected>& expected, const char* file, int line);

// Lets the host handle everything posted to it, then dispatches what came back to us.
void Settle(hostsim::Host& host);

// Pumps this thread's messages until `done` holds or `seconds` pass; returns `done()`.
template <typename Predicate>
bool PumpUntil(Predicate done, double seconds);

}  // namespace testsupport

#define EXPECT_SEQUENCE(records, ...) \
    ::testsupport::ExpectSequence((records), __VA_ARGS__, __FILE__, __LINE__)

#include "support/msg_sequence_inl.h"
