#include "hostsim/chat_room.h"

#include <mutex>

#include "hostsim/controls.h"
#include "hostsim/host_tree.h"

namespace hostsim {

struct ChatRoom::Said {
    mutable std::mutex lock;
    std::vector<std::string> lines;
};

namespace {

constexpr char kTranscriptSpeaker[] = "You: ";
constexpr char kLineEnd[] = "\r\n";
constexpr int kIconSize = 24;
constexpr int kAddedIconsTop = 150;

// Adds the room's icons one at a time on the host's thread.
void AddIcons(Host* host, HWND room, int left, DWORD intervalMs) {
    if (left == 0 || !IsWindow(room)) return;
    const int placed = static_cast<int>(Host::Children(room, tree::kIconClass).size());
    CreateControl(room, tree::kIconClass, "", 4 + placed * (kIconSize + 3), kAddedIconsTop,
                  kIconSize, kIconSize);
    host->Later(intervalMs,
                [host, room, left, intervalMs] { AddIcons(host, room, left - 1, intervalMs); });
}

}  // namespace

ChatRoom::ChatRoom(Host& host, const ChatRoomShape& shape, const std::string& caption, bool atBack,
                   DWORD fillMs)
    : host_(host), said_(std::make_shared<Said>()) {
    const bool slow = fillMs > 0 && shape.icons > 0;
    ChildLayout layout{caption,
                       {
                           {tree::kStaticClass, shape.statics, "Chat"},
                           {tree::kRichClass, shape.riches, ""},
                           {tree::kComboboxClass, shape.comboboxes, "lobby"},
                           {tree::kIconClass, slow ? 0 : shape.icons, ""},
                           {tree::kImageClass, shape.images, ""},
                           {tree::kListboxClass, shape.listboxes, "people here"},
                       },
                       atBack};
    window_ = host_.OpenChild(layout);
    if (slow) {
        host_.ReportFault("slow", StepName(Step::Chat));
        Host* h = &host_;
        const HWND room = window_;
        const DWORD intervalMs = fillMs / static_cast<DWORD>(shape.icons);
        host_.Invoke([h, room, &shape, intervalMs] { AddIcons(h, room, shape.icons, intervalMs); });
    }
    const auto riches = Host::Children(window_, tree::kRichClass);
    if (!riches.empty()) transcript_ = riches[0];
    if (riches.size() > 1) inputBox_ = riches[1];
    if (!inputBox_) return;

    const HWND box = inputBox_, transcript = transcript_;
    std::shared_ptr<Said> said = said_;
    // Runs on the host's thread, inside the input box's WM_CHAR.
    host_.SetEnterAction(box, [box, transcript, said] {
        ControlState* typed = StateOf(box);
        if (!typed || typed->text.empty()) return;  // the host says nothing for an empty box
        const std::string line = typed->text;
        typed->text.clear();
        InvalidateRect(box, nullptr, TRUE);
        if (ControlState* record = StateOf(transcript)) {
            record->text += kTranscriptSpeaker + line + kLineEnd;
            InvalidateRect(transcript, nullptr, TRUE);
        }
        std::lock_guard<std::mutex> guard(said->lock);
        said->lines.push_back(line);
    });
}

void ChatRoom::Type(const std::string& text) {
    host_.Invoke([&] {
        if (ControlState* s = StateOf(inputBox_)) {
            s->text = text;
            InvalidateRect(inputBox_, nullptr, TRUE);
        }
    });
}

bool ChatRoom::Misbehave(const Fault& fault) {
    if (!inputBox_) return false;
    if (fault.kind == FaultKind::Hang) {
        host_.HangOn(inputBox_, 0, fault.ms, StepName(fault.step));
        return true;
    }
    if (fault.kind == FaultKind::Vanish) {
        Host* h = &host_;
        const HWND room = window_;
        host_.VanishOn(
            inputBox_, 0, [h, room] { h->DestroyNow(room); }, StepName(fault.step));
        return true;
    }
    return false;
}

std::vector<std::string> ChatRoom::LinesSaid() const {
    std::lock_guard<std::mutex> guard(said_->lock);
    return said_->lines;
}

}  // namespace hostsim
