#pragma once
#include <windows.h>

#include <string>

#include "hostsim/faults.h"
#include "hostsim/host.h"

namespace hostsim {

// A file transfer in the simulated host. While it runs the host shows its
// modal transfer window, a second "MDIClient"-class child of the frame named
// "_AOL_Modal" holding a progress line, and the frame takes no input. Ending
// the transfer (or destroying this object) closes that window and gives the
// frame its input back.
class Transfer {
  public:
    explicit Transfer(Host& host, const std::string& what = "Uploading file");
    ~Transfer();
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    HWND window() const { return window_; }  // 0 once ended
    HWND progress() const { return progress_; }
    bool running() const { return window_ != nullptr; }

    void SetProgress(int percent);
    void End();
    // Fault: the host hangs, or the transfer ends, when its window next gets a
    // message from outside. False for a fault a transfer cannot have.
    bool Misbehave(const Fault& fault);

  private:
    Host& host_;
    std::string what_;
    HWND window_ = nullptr;
    HWND progress_ = nullptr;
};

}  // namespace hostsim
