#include "hostsim/chat_room.h"

#include <mutex>

#include "host/window_names.h"
#include "hostsim/controls.h"

namespace hostsim {

struct ChatRoom::Said {
    mutable std::mutex lock;
    std::vector<std::string> lines;
};

namespace {

constexpr char kTranscriptSpeaker[] = "You: ";
constexpr char kLineEnd[] = "\r\n";

}  // namespace

ChatRoom::ChatRoom(Host& host, const ChatRoomShape& shape, const std::string& caption,
                   bool atBack)
    : host_(host), said_(std::make_shared<Said>()) {
    ChildLayout layout{caption,
                   {
                       {host::kStaticClass, shape.statics, "Chat"},
                       {host::kRichClass, shape.riches, ""},
                       {host::kComboboxClass, shape.comboboxes, "lobby"},
                       {host::kIconClass, shape.icons, ""},
                       {host::kImageClass, shape.images, ""},
                       {host::kListboxClass, shape.listboxes, "people here"},
                   },
                   atBack};
    window_ = host_.OpenChild(layout);
    const auto riches = Host::Children(window_, host::kRichClass);
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

std::vector<std::string> ChatRoom::LinesSaid() const {
    std::lock_guard<std::mutex> guard(said_->lock);
    return said_->lines;
}

}  // namespace hostsim
