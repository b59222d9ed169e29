#pragma once
#include <string>

namespace platform {

// The file on disk that every recorded message is appended to, one line each.
// It is opened for each line and closed again, so a user may empty or delete
// it while we run, and a second copy of the program appends beside us.
class RecordFile {
  public:
    explicit RecordFile(std::string path) : path_(std::move(path)) {}

    // %APPDATA%\replymate\recorded.txt where APPDATA is set, else
    // recorded.txt beside the program.
    static std::string DefaultPath();

    const std::string& path() const { return path_; }

    // Appends `line` and has it on the disk (not only in a cache) before
    // returning; makes the file, and its folder, when missing. False when it
    // could not, with the system's reason in `why`.
    bool Append(const std::string& line, std::string* why = nullptr);

  private:
    std::string path_;
    // The last append stopped part-way (a full disk): the next one first ends
    // that line, so no later message is glued to its remains.
    bool lineLeftOpen_ = false;
};

// The local date and time as the record file writes it: "2026-12-10 10:18:15".
std::string LocalTimestamp();

// What the system says of an error code, in one line.
std::string SystemErrorText(unsigned long code);

}  // namespace platform
