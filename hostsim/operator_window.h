#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "hostsim/chat_room.h"
#include "hostsim/command_channel.h"
#include "hostsim/event_log.h"
#include "hostsim/host.h"
#include "hostsim/im_service.h"
#include "hostsim/transfer.h"

namespace hostsim {

// hostsim.exe's window for people and scripts: it delivers incoming messages,
// opens the chat room and the edit-field window, starts and ends transfers,
// and shows (and logs) what the host sent and what was said in the room.
class OperatorWindow {
  public:
    struct Options {
        std::string logPath;
        std::vector<std::string> refused;
        bool showHost = true;
    };

    explicit OperatorWindow(const Options& options);
    ~OperatorWindow();
    OperatorWindow(const OperatorWindow&) = delete;
    OperatorWindow& operator=(const OperatorWindow&) = delete;

    HWND window() const { return window_; }
    // Carries out one command line; false when the verb is unknown.
    bool Execute(const std::string& line);

    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    struct Tracked {
        HWND window;
        std::string kind;
        std::string caption;
    };

    void Build();
    void Show(const std::string& line);
    void Track(HWND window, const std::string& kind, const std::string& caption);
    void Poll();
    void OnButton(int id);
    bool Misbehave(const Fault& fault);

    EventLog log_;
    std::unique_ptr<Host> host_;
    std::unique_ptr<ImService> ims_;
    std::unique_ptr<ChatRoom> chat_;
    std::unique_ptr<Transfer> transfer_;
    std::vector<Tracked> tracked_;
    size_t chatLinesSeen_ = 0;
    DWORD chatFillMs_ = 0;  // the next chat room opened fills this slowly
    size_t sentSeen_ = 0;
    size_t toolbarClicksSeen_ = 0;
    size_t conversationsSeen_ = 0;

    HWND window_ = nullptr;
    HWND sender_ = nullptr;
    HWND text_ = nullptr;
    HWND events_ = nullptr;
};

}  // namespace hostsim
