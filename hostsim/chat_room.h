#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "hostsim/faults.h"
#include "hostsim/host.h"

namespace hostsim {

// How many controls of each class the room holds. The defaults are the room
// as the host shows it; tests change counts to probe the counted chains.
struct ChatRoomShape {
    int statics = 5;
    int riches = 2;  // the transcript, then the input box
    int comboboxes = 1;
    int icons = 14;
    int images = 1;
    int listboxes = 1;
};

// A chat room in the simulated host: an "AOL Child" whose input box (its
// second "RICHCNTL") says its text in the room on Enter, appends it to the
// transcript (the first "RICHCNTL") and empties itself.
class ChatRoom {
  public:
    // With `fillMs`, the room's icons come one by one over that long, as a
    // slow host fills a window.
    explicit ChatRoom(Host& host, const ChatRoomShape& shape = {},
                      const std::string& caption = "Chat Room: lobby", bool atBack = false,
                      DWORD fillMs = 0);

    HWND window() const { return window_; }
    HWND transcript() const { return transcript_; }
    HWND inputBox() const { return inputBox_; }  // 0 when the shape has no second "RICHCNTL"

    // The user types into the input box without pressing Enter. Nothing is recorded.
    void Type(const std::string& text);
    // Every line said in the room so far, oldest first. Safe from any thread.
    std::vector<std::string> LinesSaid() const;
    // Fault: the host hangs, or the room goes, when its input box next gets a
    // message from outside. False for a fault the room cannot have.
    bool Misbehave(const Fault& fault);

  private:
    struct Said;

    Host& host_;
    HWND window_ = nullptr;
    HWND transcript_ = nullptr;
    HWND inputBox_ = nullptr;
    // Shared with the input box's Enter action, which may outlive this object.
    std::shared_ptr<Said> said_;
};

}  // namespace hostsim
