#pragma once
#include <windows.h>

#include <string>

namespace outgoing {

// The host's chat room: the first "AOL Child" that holds the room's controls,
// or 0. Pumps our messages between candidates, so handlers may run inside it.
HWND FindChatRoom();

// Says one line in the chat room through its input box, then puts back
// whatever the user had half-typed there. Does nothing when no room is open.
void SendChatLine(const std::string& ChatText);

}  // namespace outgoing
