#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace hostsim {

// One message a host window received from outside the host's own thread.
struct Record {
    HWND window;
    UINT message;
    bool posted;  // false: sent from another thread or process
    WPARAM wParam;
    LPARAM lParam;
    std::string text;  // the text of a WM_SETTEXT
};

// A readable name for the messages the host records ("WM_SETTEXT").
std::string MessageName(UINT message);

// One line per record, for test failures and the operator window.
std::string Describe(const Record& record);
std::string Describe(const std::vector<Record>& records);

}  // namespace hostsim
