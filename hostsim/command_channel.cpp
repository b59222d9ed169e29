#include "hostsim/command_channel.h"

namespace hostsim {

const std::string& Command::arg(size_t i) const {
    static const std::string kNone;
    return i < args.size() ? args[i] : kNone;
}

Command ParseCommand(const std::string& line) {
    Command command;
    size_t start = 0;
    bool first = true;
    for (;;) {
        const size_t tab = line.find('\t', start);
        std::string field =
            line.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        if (first) {
            command.verb = field;
            first = false;
        } else {
            command.args.push_back(field);
        }
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return command;
}

std::string FormatCommand(const Command& command) {
    std::string line = command.verb;
    for (const std::string& a : command.args) line += "\t" + a;
    return line;
}

bool SendOperatorCommand(const std::string& line) {
    HWND operatorWindow = FindWindowA(kOperatorClass, nullptr);
    if (!operatorWindow) return false;
    COPYDATASTRUCT data = {};
    data.dwData = kCommandTag;
    data.cbData = static_cast<DWORD>(line.size());
    data.lpData = const_cast<char*>(line.data());
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(operatorWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                               SMTO_ABORTIFHUNG, kCommandReplyLimitMs, &answer) &&
           answer == TRUE;
}

std::string CommandFromCopyData(const COPYDATASTRUCT* data) {
    if (!data || data->dwData != kCommandTag || !data->lpData) return {};
    return std::string(static_cast<const char*>(data->lpData), data->cbData);
}

}  // namespace hostsim
