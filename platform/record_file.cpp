#include "platform/record_file.h"

#include <windows.h>

#include <cstdio>

#include "platform/owner.h"

namespace platform {
namespace {

constexpr char kFolderName[] = "replymate";
constexpr char kFileName[] = "recorded.txt";
constexpr char kLineEnd[] = "\r\n";

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool WriteAll(HANDLE file, const std::string& bytes, DWORD* written) {
    *written = 0;
    while (*written < bytes.size()) {
        DWORD now = 0;
        if (!WriteFile(file, bytes.data() + *written, static_cast<DWORD>(bytes.size() - *written),
                       &now, nullptr) ||
            now == 0)
            return false;
        *written += now;
    }
    return true;
}

}  // namespace

std::string RecordFile::DefaultPath() {
    char appData[MAX_PATH] = "";
    const DWORD n = GetEnvironmentVariableA("APPDATA", appData, sizeof appData);
    if (n > 0 && n < sizeof appData)
        return std::string(appData) + '\\' + kFolderName + '\\' + kFileName;
    char program[MAX_PATH] = "";
    const DWORD m = GetModuleFileNameA(nullptr, program, sizeof program);
    const std::string folder = m > 0 && m < sizeof program ? FolderOf(program) : std::string(".");
    return folder + '\\' + kFileName;
}

bool RecordFile::Append(const std::string& line, std::string* why) {
    const std::string folder = FolderOf(path_);
    if (!folder.empty()) CreateDirectoryA(folder.c_str(), nullptr);
    // Append access alone: every write lands at the end, whoever else appends.
    File file(CreateFileA(path_.c_str(), FILE_APPEND_DATA,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD error = file ? ERROR_SUCCESS : GetLastError();
    if (file) {
        const std::string bytes = (lineLeftOpen_ ? kLineEnd : "") + line;
        DWORD written = 0;
        const bool whole = WriteAll(file, bytes, &written);
        if (!whole) error = GetLastError() ? GetLastError() : ERROR_HANDLE_DISK_FULL;
        if (written > 0) lineLeftOpen_ = !whole;
        if (whole && !FlushFileBuffers(file)) error = GetLastError();
    }
    if (error == ERROR_SUCCESS) return true;
    if (why) *why = SystemErrorText(error);
    return false;
}

std::string LocalTimestamp() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear,
                                t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    return n > 0 ? std::string(text) : std::string();
}

std::string SystemErrorText(unsigned long code) {
    char text[512] = "";
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, text, sizeof text, nullptr);
    std::string said(text, n);
    while (!said.empty() && (said.back() == '\n' || said.back() == '\r' || said.back() == ' '))
        said.pop_back();
    if (said.empty()) said = "error " + std::to_string(code);
    return said;
}

}  // namespace platform
