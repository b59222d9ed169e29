#include "host/signature.h"

#include <cstring>

namespace host {

HWND StepChildChain(HWND parent, const char* cls, HWND from, int steps) {
    HWND current = from;
    for (int i = 0; i < steps; ++i) current = FindWindowExA(parent, current, cls, nullptr);
    return current;
}

bool MeetsSignature(HWND window, const Requirement* first, const Requirement* last) {
    // Where each class's chain stands: the class, the step it has reached, and its handle.
    struct Chain {
        const char* cls;
        int reached;
        HWND at;
    };
    Chain chains[8] = {};
    size_t used = 0;
    for (; first != last; ++first) {
        const Requirement& r = *first;
        Chain* chain = nullptr;
        for (size_t i = 0; i < used; ++i) {
            if (std::strcmp(chains[i].cls, r.cls) == 0) chain = &chains[i];
        }
        if (!chain) {
            if (used == sizeof chains / sizeof chains[0]) return false;
            chain = &chains[used++];
            *chain = {r.cls, 0, nullptr};
        }
        chain->at = StepChildChain(window, r.cls, chain->at, r.n - chain->reached);
        chain->reached = r.n;
        if (!chain->at) return false;
    }
    return true;
}

}  // namespace host
