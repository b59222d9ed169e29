#include "outgoing/chat.h"

#include "host/primitives.h"
#include "host/search.h"
#include "host/signature.h"
#include "host/window_names.h"

namespace outgoing {
namespace {

using host::kComboboxClass;
using host::kIconClass;
using host::kImageClass;
using host::kListboxClass;
using host::kRichClass;
using host::kStaticClass;

// The room's input box: the second rich-text control, below the transcript.
constexpr int kInputBoxRich = 2;

bool IsChatRoom(HWND candidate) {
    // The order matters: each class continues its own counted chain, so the
    // 7th and 14th icons are the ones the chain reaches, not the 7th and 14th
    // children counted; a room with fewer icons can still pass.
    return host::MeetsSignature(candidate, {
                                               {kStaticClass, 1},
                                               {kRichClass, 1},
                                               {kComboboxClass, 1},
                                               {kIconClass, 4},
                                               {kStaticClass, 2},
                                               {kRichClass, kInputBoxRich},
                                               {kIconClass, 7},
                                               {kImageClass, 1},
                                               {kStaticClass, 4},
                                               {kListboxClass, 1},
                                               {kStaticClass, 5},
                                               {kIconClass, 14},
                                           });
}

}  // namespace

HWND FindChatRoom() {
    return host::SearchHostChildren(IsChatRoom);
}

void SendChatLine(const std::string& ChatText) {
    const HWND room = FindChatRoom();
    // Without a room the lookups below would run among the top-level windows
    // and could type into some other program's rich-text window.
    if (!room) return;
    const HWND box = host::NthChild(room, kRichClass, kInputBoxRich);
    host::HostLink link;
    const std::string halfTyped = host::GetText(link, box);
    // Unread, what the user had half-typed would be lost under our line.
    if (link.cut()) return;
    if (!host::SetText(link, box, ChatText) || !host::SendEnterChar(link, box)) return;
    if (!halfTyped.empty()) host::SetText(link, box, halfTyped);
}

}  // namespace outgoing
