// The program we ship, checked as a file (the test bed may be a 64-bit build
// that cannot run it): a 32-bit GUI program for Windows XP onwards, carrying
// its version block and its six-image icon.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ui/layouts/artwork_ids.h"

namespace {

// CTest names the shipped program; run by hand, the test takes the one in
// the build's root, one folder above the tests.
std::string ProgramPath() {
    if (const char* shipped = std::getenv("REPLYMATE_SHIPPED_PROGRAM")) return shipped;
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path = self;
    path.resize(path.find_last_of("\\/"));
    path.resize(path.find_last_of("\\/") + 1);
    return path + "quillostools.exe";
}

template <typename Function>
Function ProcAddress(HMODULE module, const char* name) {
    // through void*: FARPROC's own type matches no real signature
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// version.dll is loaded by hand so no library of ours has to link it.
class VersionInfo {
  public:
    explicit VersionInfo(const std::string& file) {
        HMODULE version = LoadLibraryA("version.dll");
        if (!version) return;
        auto size =
            ProcAddress<DWORD(WINAPI*)(LPCSTR, LPDWORD)>(version, "GetFileVersionInfoSizeA");
        auto read = ProcAddress<BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID)>(version,
                                                                             "GetFileVersionInfoA");
        query_ =
            ProcAddress<BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT)>(version, "VerQueryValueA");
        if (!size || !read) return;
        DWORD ignored = 0;
        block_.resize(size(file.c_str(), &ignored));
        if (block_.empty() ||
            !read(file.c_str(), 0, static_cast<DWORD>(block_.size()), block_.data()))
            block_.clear();
    }
    bool ok() const { return !block_.empty() && query_; }
    std::string String(const std::string& name) const {
        void* value = nullptr;
        UINT length = 0;
        const std::string path = "\\StringFileInfo\\040904B0\\" + name;
        if (!query_(block_.data(), path.c_str(), &value, &length) || !value) return "<missing>";
        return static_cast<const char*>(value);
    }
    std::vector<std::pair<WORD, WORD>> Translations() const {
        void* value = nullptr;
        UINT length = 0;
        std::vector<std::pair<WORD, WORD>> out;
        if (!query_(block_.data(), "\\VarFileInfo\\Translation", &value, &length)) return out;
        const WORD* words = static_cast<const WORD*>(value);
        for (UINT i = 0; i + 1 < length / sizeof(WORD); i += 2)
            out.push_back({words[i], words[i + 1]});
        return out;
    }
    VS_FIXEDFILEINFO Fixed() const {
        void* value = nullptr;
        UINT length = 0;
        VS_FIXEDFILEINFO fixed{};
        if (query_(block_.data(), "\\", &value, &length) && length >= sizeof fixed)
            fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
        return fixed;
    }

  private:
    using QueryValue = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);
    std::vector<char> block_;
    QueryValue query_ = nullptr;
};

TEST(ProgramResources, VersionBlockNamesTheProgram) {
    VersionInfo info(ProgramPath());
    ASSERT_TRUE(info.ok()) << ProgramPath();
    EXPECT_EQ(info.String("ProductName"), "replymate");
    EXPECT_EQ(info.String("FileVersion"), "1.00");
    EXPECT_EQ(info.String("ProductVersion"), "1.00");
    EXPECT_EQ(info.String("InternalName"), "quillostools");
    EXPECT_EQ(info.String("OriginalFilename"), "quillostools.exe");
    EXPECT_EQ(info.Translations(), (std::vector<std::pair<WORD, WORD>>{{0x0409, 1200}}));
    const VS_FIXEDFILEINFO fixed = info.Fixed();
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwFileVersionLS, 0u);
}

// Read from the file itself: loading a 32-bit program into a 64-bit test
// would tell nothing about its headers.
TEST(ProgramResources, IsA32BitGuiProgramForWindowsXp) {
    std::ifstream file(ProgramPath(), std::ios::binary);
    ASSERT_TRUE(file) << ProgramPath();
    IMAGE_DOS_HEADER dos{};
    file.read(reinterpret_cast<char*>(&dos), sizeof dos);
    ASSERT_EQ(dos.e_magic, IMAGE_DOS_SIGNATURE);
    IMAGE_NT_HEADERS32 nt{};
    file.seekg(dos.e_lfanew);
    file.read(reinterpret_cast<char*>(&nt), sizeof nt);
    ASSERT_TRUE(file);
    ASSERT_EQ(nt.Signature, IMAGE_NT_SIGNATURE);
    EXPECT_EQ(nt.FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(nt.OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    EXPECT_EQ(nt.OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    const auto& h = nt.OptionalHeader;
    EXPECT_EQ(std::make_pair(h.MajorOperatingSystemVersion, h.MinorOperatingSystemVersion),
              std::make_pair(WORD{5}, WORD{1}));
    EXPECT_EQ(std::make_pair(h.MajorSubsystemVersion, h.MinorSubsystemVersion),
              std::make_pair(WORD{5}, WORD{1}));
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

BOOL CALLBACK FirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR first) {
    *reinterpret_cast<LPSTR*>(first) = name;
    return FALSE;
}

TEST(ProgramResources, TheFirstIconHasSixImagesIn16And256Colours) {
    HMODULE program = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    LPSTR first = nullptr;
    EnumResourceNamesA(program, RT_GROUP_ICON, &FirstName, reinterpret_cast<LONG_PTR>(&first));
    EXPECT_EQ(first, MAKEINTRESOURCEA(IDI_APPLICATION_ICON));

    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(IDI_APPLICATION_ICON), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(program, found)));
    ASSERT_NE(data, nullptr);
    const WORD* header = reinterpret_cast<const WORD*>(data);
    EXPECT_EQ(header[1], 1);  // icons, not cursors
    ASSERT_EQ(header[2], 6);
    std::set<std::pair<int, int>> images;  // size, bits
    const auto* entries = reinterpret_cast<const GroupIconEntry*>(data + 3 * sizeof(WORD));
    for (int i = 0; i < 6; ++i) {
        const GroupIconEntry& e = entries[i];
        EXPECT_EQ(e.width, e.height);
        EXPECT_EQ(e.colourCount, e.bitCount == 4 ? 16 : 0);
        images.insert({e.width, e.bitCount});
        EXPECT_NE(FindResourceA(program, MAKEINTRESOURCEA(e.id), RT_ICON), nullptr);
    }
    EXPECT_EQ(images, (std::set<std::pair<int, int>>{
                          {16, 4}, {16, 8}, {32, 4}, {32, 8}, {48, 4}, {48, 8}}));
    FreeLibrary(program);
}

}  // namespace
