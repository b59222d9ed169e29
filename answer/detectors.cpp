#include "answer/detectors.h"

#include "answer/signatures.h"
#include "host/search.h"

namespace answer {

HWND FindReceivedIM() {
    return host::SearchHostChildren(
        [](HWND w) { return host::MeetsSignature(w, kReceivedImSignature); });
}

HWND FindIMWindow() {
    return host::SearchHostChildren(
        [](HWND w) { return host::MeetsSignature(w, kImWindowSignature); });
}

HWND FindEditWindow() {
    return host::SearchHostChildren(
        [](HWND w) { return host::MeetsSignature(w, kEditWindowSignature); });
}

}  // namespace answer
