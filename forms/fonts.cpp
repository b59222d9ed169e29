// The fonts the layouts name, with stand-ins where a system lacks them.
#include <string>

#include "forms/form_state.h"
#include "platform/units.h"

namespace forms {
namespace {

constexpr int kBoldWeight = FW_BOLD;
constexpr int kNormalWeight = FW_NORMAL;

// Faces with the same widths as the classic ones, for systems that lack
// those: without them captions wrap and get cut in their fixed-size labels.
struct FaceFallback {
    const char* face;
    const char* fallback;
};
constexpr FaceFallback kFaceFallbacks[] = {
    {"Arial", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
};

int CALLBACK NoteFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(const std::string& face) {
    LOGFONTA query{};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(query.lfFaceName, face.c_str(), LF_FACESIZE);
    bool found = false;
    platform::ScopedGetDC screen(nullptr);
    EnumFontFamiliesExA(screen, &query, &NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::string InstalledFace(const std::string& face) {
    if (FaceInstalled(face)) return face;
    for (const FaceFallback& f : kFaceFallbacks)
        if (face == f.face && FaceInstalled(f.fallback)) return f.fallback;
    return face;
}

}  // namespace

HFONT CreateLayoutFont(const FontStyle& font, int dpi) {
    const std::string face = InstalledFace(font.face);
    return CreateFontA(platform::FontHeight(font.points, dpi), 0, 0, 0,
                       font.bold ? kBoldWeight : kNormalWeight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

}  // namespace forms
