#include "hostsim/host_tree.h"

namespace hostsim::tree {

HWND NthChild(HWND parent, const char* cls, int n) {
    HWND landed = nullptr;
    for (int lookup = 1; lookup <= n; ++lookup) {
        // From 0 the lookup starts at the first child of the class.
        landed = FindWindowExA(parent, landed, cls, nullptr);
    }
    return landed;
}

}  // namespace hostsim::tree
