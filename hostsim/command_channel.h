#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace hostsim {

// hostsim.exe's operator window; scripts and whole-program tests drive the
// simulated host by sending it commands (WM_COPYDATA, one line each).
constexpr char kOperatorClass[] = "hostsim operator";
constexpr ULONG_PTR kCommandTag = 0x48535443;  // marks our WM_COPYDATA
// How long a command may take the operator window before the sender gives up.
constexpr UINT kCommandReplyLimitMs = 10000;

// One command: a verb and its arguments, separated by tabs on the wire
// ("im\tbuddy\thello there").
struct Command {
    std::string verb;
    std::vector<std::string> args;
    const std::string& arg(size_t i) const;
};

Command ParseCommand(const std::string& line);
std::string FormatCommand(const Command& command);

// Sends a command to the running hostsim.exe; false when none runs or it did
// not take the command in time.
bool SendOperatorCommand(const std::string& line);

// Reads the text of a WM_COPYDATA that carries a command; empty otherwise.
std::string CommandFromCopyData(const COPYDATASTRUCT* data);

}  // namespace hostsim
