#pragma once
#include <string>
#include <utility>

#include "forms/form.h"

namespace ui {

// Lets a list box of a form scroll sideways as far as its widest entry,
// measured in the form's font. Each entry is measured once, when it is new:
// a stranger's megabyte of message costs its measure (tens of
// milliseconds) on the answer that logs it, not on every answer after.
// Entries are only ever added at the end, or all cleared.
class LogExtent {
  public:
    LogExtent(forms::Form& form, std::string list) : form_(form), list_(std::move(list)) {}

    // Measures the entries added since the last call and sets the extent.
    void Widen();
    // The list has been emptied; the extent goes back to nothing.
    void Forget();

  private:
    forms::Form& form_;
    std::string list_;
    int measured_ = 0;  // entries measured so far, from the first
    int widest_ = 0;    // pixels
};

// Lets the message log scroll sideways as far as its widest entry.
inline void SetMessageListExtent(LogExtent& messageLog) {
    messageLog.Widen();
}

}  // namespace ui
