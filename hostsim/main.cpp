// hostsim.exe: the simulated host client with its operator window.
//
//   hostsim.exe [--log FILE] [--refuse NAME]...   run the host
//   hostsim.exe --command "VERB<TAB>ARG..."       tell the running host what to do
//
// Verbs: im SENDER TEXT, im-window CAPTION TRANSCRIPT (both escaped as in the
// event log), chat-open, chat-close, chat-type TEXT, edit-open,
// transfer-start, transfer-end, fault STEP KIND [SECONDS], release, quit. A
// fault (hang, vanish, slow, refuse) goes off once, the next time an exchange
// reaches the step (hostsim/faults.h names them); release ends any hang and
// disarms the rest.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "hostsim/command_channel.h"
#include "hostsim/operator_window.h"

namespace {

std::vector<std::string> Arguments() {
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i) args.emplace_back(__argv[i]);
    return args;
}

// "\t" in a command given on a command line stands for the tab between fields.
std::string WithTabs(std::string line) {
    for (size_t at = line.find("\\t"); at != std::string::npos; at = line.find("\\t", at + 1)) {
        line.replace(at, 2, "\t");
    }
    return line;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::vector<std::string> args = Arguments();
    hostsim::OperatorWindow::Options options;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--command" && hasValue) {
            const bool taken = hostsim::SendOperatorCommand(WithTabs(args[i + 1]));
            if (!taken)
                std::fprintf(stderr, "hostsim: command not taken: %s\n", args[i + 1].c_str());
            return taken ? 0 : 1;
        }
        if (args[i] == "--log" && hasValue)
            options.logPath = args[++i];
        else if (args[i] == "--refuse" && hasValue)
            options.refused.push_back(args[++i]);
    }

    hostsim::OperatorWindow operatorWindow(options);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(operatorWindow.window(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
