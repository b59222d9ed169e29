#pragma once
#include <windows.h>

namespace host {

// Remembers where the pointer is and puts it back there when it goes out of
// scope, on every path out of the procedure that parked it.
class SavedCursorPos {
public:
    SavedCursorPos() { GetCursorPos(&saved_); }
    ~SavedCursorPos() { SetCursorPos(saved_.x, saved_.y); }
    SavedCursorPos(const SavedCursorPos&) = delete;
    SavedCursorPos& operator=(const SavedCursorPos&) = delete;
    POINT position() const { return saved_; }

private:
    POINT saved_{};
};

}  // namespace host
