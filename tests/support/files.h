#pragma once
#include <string>
#include <vector>

namespace testsupport {

// A folder of its own under the temporary folder, removed with what it holds.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

  private:
    std::string path_;
};

// The lines of a file, each without its CR LF; empty when there is no file.
std::vector<std::string> ReadLines(const std::string& path);

// The fields of a record file line, split at its tabs.
std::vector<std::string> Fields(const std::string& line);

}  // namespace testsupport
