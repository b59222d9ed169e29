#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "hostsim/faults.h"
#include "hostsim/host.h"

namespace hostsim {

// One line of an instant-message conversation: who wrote it and what.
struct TranscriptLine {
    std::string who;
    std::string text;
};

// How many controls of each kind an instant-message window holds. The
// default satisfies both instant-message signatures of the add-on.
struct ImWindowShape {
    int views = 3;
    int statics = 4;
    int richs = 2;  // the first holds the transcript
    int icons = 14;
};

// A compose window the host opened, with the controls the add-on uses.
struct ComposeHandles {
    HWND window = nullptr;
    HWND recipient = nullptr;
    HWND message = nullptr;
    HWND send = nullptr;  // null when the 9-step chain finds no icon
};

// An instant message the host sent for the user.
struct SentIM {
    std::string recipient;
    std::string text;
    double at = 0;  // NowSeconds() when the send was pressed
};

// The host's instant-message behaviour on top of a Host: the 10th toolbar
// icon opens a real popup menu whose 6th item opens the compose window; its
// 9th icon sends, answered by the conversation window or, for a refused
// screen name, by a real "America Online" message box. Also builds incoming
// instant-message windows and the window with an edit field. One per Host:
// it takes over the toolbar icon and the frame while it lives.
class ImService {
  public:
    struct Options {
        // Screen names the host refuses, besides the empty one.
        std::vector<std::string> refused;
        // Fault: the toolbar icon is clicked but no menu appears.
        bool menuOpens = true;
        // Fault: the menu choice opens no compose window, or opens it late.
        bool composeOpens = true;
        DWORD composeDelayMs = 0;
        // Fault: the compose window shows with its caption, recipient and
        // message boxes, then gains one icon every this many milliseconds.
        DWORD composeIconIntervalMs = 0;
        // The compose window's icons; the send icon is where the add-on's
        // 9-step chain lands, so with fewer the add-on never finds it.
        int composeIcons = 10;
        // Fault: a send is taken but neither window answers it.
        bool answers = true;
        // The conversation window's caption for a recipient; empty means the
        // host's own ("  Instant Message To: " + recipient).
        std::function<std::string(const std::string&)> conversationCaption;
        // Called on the host's thread for every message sent.
        std::function<void(const SentIM&)> onSent;
    };

    // The caption of an incoming window is this followed by the sender.
    static constexpr char kIncomingCaptionPrefix[] = "  Instant Message From: ";
    static constexpr int kMenuIcon = 10;
    static constexpr int kSendIMItem = 6;   // the item, counted from 1
    static constexpr int kSubMenuItem = 5;  // an item with a submenu of three
    static constexpr int kItemCount = 7;
    // What the menu returns: kFirstCommand + item - 1; the submenu's items
    // kFirstSubCommand + subitem - 1.
    static constexpr int kFirstCommand = 101;
    static constexpr int kFirstSubCommand = 201;

    explicit ImService(Host& host);
    ImService(Host& host, Options options);
    ~ImService();
    ImService(const ImService&) = delete;
    ImService& operator=(const ImService&) = delete;

    // Opens an incoming message from `sender` with these lines, first in child
    // order. A fault armed for the incoming window's steps goes with it.
    HWND OpenIncomingIM(const std::string& sender, const std::vector<TranscriptLine>& lines);
    // Opens an instant-message window with any caption, transcript and shape.
    HWND OpenIMWindow(const std::string& caption, const std::string& transcript,
                      ImWindowShape shape = {}, bool atBack = false);
    // Opens the window with an edit field; pressing its first icon closes it.
    HWND OpenEditWindow();
    // Fault: `window` goes away right after it has answered a read of its caption.
    void VanishOnCaptionRead(HWND window);
    // Fault: the host misbehaves the next time an exchange reaches the step
    // (any but the chat room's and the transfer's). One at a time; a refusal
    // (and a fault at the box, which needs one) refuses the next send.
    void Misbehave(const Fault& fault);
    // Disarms what has not gone off, and mends what Break broke.
    void Behave();
    // Faults that last until mended, as a host broken for an hour: with
    // `menu`, the toolbar icon's click opens no menu; with `compose`, every
    // compose window keeps gaining controls for as long as it is open, so it
    // never settles.
    void Break(bool menu, bool compose);

    // A transcript line as the host writes it: a tab, the name, a colon, a
    // tab and a space, the text, and one trailing space.
    static std::string SenderLine(const std::string& name, const std::string& text);
    // The lines joined, each ended by CR LF.
    static std::string Transcript(const std::vector<TranscriptLine>& lines);

    // What the host has done so far; safe from any thread.
    std::vector<SentIM> Sent() const;
    int MenusOpened() const;
    // When the toolbar icon of the menu was clicked, each time (the host's
    // clock, NowSeconds).
    std::vector<double> ToolbarClicks() const;
    int LastMenuChoice() const;  // the command chosen, 0 when cancelled or none
    std::vector<HWND> MenuWindows() const;
    std::vector<ComposeHandles> ComposeWindows() const;
    std::vector<HWND> Conversations() const;
    std::vector<HWND> MessageBoxes() const;
    std::vector<HWND> MessageBoxButtons() const;

    struct State;

  private:
    std::vector<HWND> Handles(std::vector<HWND> State::*list) const;

    Host& host_;
    std::shared_ptr<State> state_;
};

}  // namespace hostsim
