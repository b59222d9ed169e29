#pragma once
#include <string>

namespace ui {

// The class and caption of the notice window, for whoever looks for it.
constexpr char kNoticeClass[] = "replymate notice";

// Tells the user something that went wrong without stopping anything: a
// small window in front of the others, titled `title`, with `text` and an
// OK button that closes it. It takes neither the focus nor the input of any
// other window, and nothing waits for it to close.
void ShowNotice(const std::string& title, const std::string& text);

}  // namespace ui
