#pragma once

namespace answer {

// While the host shows its modal transfer window, hands input to the host's
// main window (so the user can chat during an upload) and takes it from the
// transfer window.
void UpChat();

// The reverse: the transfer window takes input, the main window none. Run
// without a transfer window it still blocks the main window, until UpChat.
void UnUpChat();

}  // namespace answer
