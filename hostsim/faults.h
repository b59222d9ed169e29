#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace hostsim {

// Where in an exchange with an add-on the simulated host misbehaves.
enum class Step {
    Search,        // an incoming instant message, as the add-on looks for it
    Sender,        // its caption read
    Transcript,    // its transcript read
    Close,         // the add-on's close of it
    Toolbar,       // the click on the toolbar icon
    Menu,          // the keys to the toolbar icon's menu
    Compose,       // the compose window coming up
    Recipient,     // typing the recipient
    Message,       // typing the message
    Send,          // the click on send
    Answer,        // the host's answer to the send
    Conversation,  // closing the conversation window
    Box,           // pressing the "America Online" box away (the send is refused)
    Transfer,      // UpChat and UnUpChat on the transfer window
    Chat,          // a line said in the chat room
};

enum class FaultKind {
    Hang,      // the host's thread stops, for `ms` or until released
    Vanish,    // the window the step works on goes away
    SlowFill,  // the window comes, or fills with its controls, over `ms`
    Refuse,    // the host refuses the message's recipient
};

struct Fault {
    Step step;
    FaultKind kind;
    DWORD ms = 0;
};

// How the operator command names them: "transcript", "hang".
const char* StepName(Step step);
const char* FaultKindName(FaultKind kind);

// A fault from the operator command's words; nothing for a word it does not know.
std::optional<Fault> ParseFault(const std::string& step, const std::string& kind,
                                const std::string& seconds);

}  // namespace hostsim
