#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "hostsim/host_tree.h"
#include "hostsim/record.h"

namespace hostsim {

// Controls of one class to create in a host child window, in child order.
struct ControlGroup {
    std::string cls;
    int count = 1;
    std::string text;  // given to each of the `count` controls
};

// An "AOL Child" window to open: its caption and its controls in child order.
struct ChildLayout {
    std::string caption;
    std::vector<ControlGroup> controls;
    // New host windows come first in child order; this puts the window last.
    bool atBack = false;
};

// The simulated host client: "AOL Frame25" with its "MDIClient" and toolbar,
// running its own message loop on its own thread, as the real host runs in
// its own process. Every host window records the messages it gets from
// outside that thread, so tests can assert on exact sequences.
class Host {
  public:
    struct Options {
        int toolbarIcons = 12;
        bool visible = false;
        // How long Invoke waits for work the host's thread has not started.
        DWORD invokeLimitMs = 20000;
        // Told on the host's thread when a fault goes off ("hang", "hang over",
        // "vanish") and at which step it was armed.
        std::function<void(const std::string& what, const std::string& step)> onFault;
    };

    Host();
    explicit Host(Options options);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    HWND frame() const { return frame_; }
    HWND mdiClient() const { return mdi_; }
    HWND toolbar() const { return toolbar_; }
    HWND toolbarBar() const { return bar_; }
    std::vector<HWND> toolbarIcons() const { return Children(bar_, tree::kIconClass); }
    DWORD threadId() const { return threadId_; }

    // Opens an "AOL Child" built from `layout`; returns it.
    HWND OpenChild(const ChildLayout& layout);
    // Destroys a host window at once, as the host does when its window goes away.
    void DestroyNow(HWND window);
    // Direct children of `parent` of class `cls`, in child order.
    static std::vector<HWND> Children(HWND parent, const char* cls);

    // Runs `work` on the host's thread and returns when it is done. Work the
    // host has not started within the limit (its thread is hung) is dropped and
    // never runs later, since it may refer to the caller's frame.
    void Invoke(const std::function<void()>& work);
    // Runs `work` on the host's thread without waiting (it may enter a modal loop).
    void Post(std::function<void()> work);
    // Runs `work` on the host's thread once `ms` have passed, as the host's own timers do.
    void Later(DWORD ms, std::function<void()> work);

    // What to do when a host control is pressed (button-down, button-up).
    void SetClickAction(HWND control, std::function<void()> action);
    // What to do when Enter (WM_CHAR 13) reaches a host control.
    void SetEnterAction(HWND control, std::function<void()> action);
    // The control's text as the host holds it (no message is recorded).
    std::string TextOf(HWND control);

    // Faults, as a real host misbehaves. A hang holds the host's whole thread
    // for `ms` or until Release(). "From outside" means sent from another
    // thread or posted as our add-on posts (clicks, keys, closes); `window` 0
    // stands for any host window and `message` 0 for any message. Each goes
    // off once; `step` names it to the fault listener.
    // The host's thread stops now.
    void HangNow(DWORD ms, const std::string& step);
    // The host's thread stops when `window` next gets `message` from outside.
    void HangOn(HWND window, UINT message, DWORD ms, const std::string& step);
    // `goes` runs on the host's thread (closing some window) when `window`
    // next gets `message` from outside: right after answering it when it was
    // sent, in place of it when it was posted.
    void VanishOn(HWND window, UINT message, std::function<void()> goes, const std::string& step);
    // Ends any hang now and disarms what has not gone off.
    void Release();
    // Holds the host's thread as a hang does; for faults of the host's own
    // making, called on its thread.
    void Block(DWORD ms, const std::string& step);
    // Tells the fault listener of a fault the host brought about some other way.
    void ReportFault(const std::string& what, const std::string& step);
    // Fault: the next read of `control` reports its length, then the text
    // shrinks to `shorter` before the text itself is asked for.
    void ShrinkOnNextRead(HWND control, const std::string& shorter);

    std::vector<Record> Records() const;
    std::vector<Record> RecordsFor(HWND window) const;
    void ClearRecords();
    // Waits (at most a few seconds) until the host has handled everything
    // posted to its thread before this call.
    void Flush();

    // Called by the hooks on the host thread.
    void Append(const Record& record);
    // `posted` is the message as the host took it from its queue, null when sent.
    void FromOutside(HWND window, UINT message, MSG* posted);
    void AnsweredFromOutside(HWND window, UINT message);
    void RunLater(UINT_PTR timer);

  private:
    struct Trap {
        HWND window;
        UINT message;
        bool hang;  // else it vanishes
        DWORD ms;
        std::function<void()> goes;
        std::string step;
    };
    void ThreadMain(const Options& options);
    void Arm(Trap trap);
    void BuildFrame(const Options& options);

    std::thread thread_;
    DWORD threadId_ = 0;
    HANDLE ready_ = nullptr;
    HANDLE release_ = nullptr;  // set by Release(), once for each
    std::atomic<unsigned> releases_{0};
    HWND messages_ = nullptr;  // the host thread's own message-only window
    HWND frame_ = nullptr;
    HWND mdi_ = nullptr;
    HWND toolbar_ = nullptr;
    HWND bar_ = nullptr;
    HHOOK sentHook_ = nullptr;
    HHOOK answeredHook_ = nullptr;
    HHOOK postedHook_ = nullptr;
    int opened_ = 0;
    DWORD invokeLimitMs_ = 0;
    std::function<void(const std::string&, const std::string&)> onFault_;
    std::vector<Trap> traps_;        // host thread only
    std::vector<Trap> answerFirst_;  // sprung by a sent message, vanishing once it is answered
    std::map<UINT_PTR, std::function<void()>> later_;  // host thread only, by timer
    UINT_PTR nextTimer_ = 1;

    mutable std::mutex recordsLock_;
    std::vector<Record> records_;
};

}  // namespace hostsim
