#include "support/files.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace testsupport {

TempFolder::TempFolder() {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    // The counter tells apart several folders made by one test program.
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    char name[MAX_PATH];
    std::snprintf(name, sizeof name, "%sreplymate-test-%lu-%llx", temp, GetCurrentProcessId(),
                  static_cast<unsigned long long>(counter.QuadPart));
    path_ = name;
    CreateDirectoryA(path_.c_str(), nullptr);
}

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    const HANDLE walk = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (walk != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(walk, &found));
        FindClose(walk);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

TempFolder::~TempFolder() {
    RemoveTree(path_);
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = all.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(all.substr(start, end - start));
    if (start < all.size()) lines.push_back(all.substr(start));
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

}  // namespace testsupport
