#pragma once
#include <windows.h>

#include <cstddef>
#include <initializer_list>

namespace host {

// Takes `steps` counted lookups of class `cls` under `parent`, each one the
// next child of that class after the previous result, starting after `from`.
// A lookup after the last child gives 0 and the one after 0 starts again at
// the first child, so with k children step n of a chain from 0 lands on child
// n mod (k + 1), 0 meaning none.
HWND StepChildChain(HWND parent, const char* cls, HWND from, int steps);

// The Nth direct child of a class, by a counted chain from the first.
inline HWND NthChild(HWND parent, const char* cls, int n) {
    return StepChildChain(parent, cls, nullptr, n);
}

// One requirement of a window signature: the Nth control of a class.
struct Requirement {
    const char* cls;
    int n;
};

// True when every requirement is met. Requirements of one class continue one
// chain (so list them in rising N); the test stops at the first missing control.
bool MeetsSignature(HWND window, const Requirement* first, const Requirement* last);

template <size_t N>
bool MeetsSignature(HWND window, const Requirement (&signature)[N]) {
    return MeetsSignature(window, signature, signature + N);
}

inline bool MeetsSignature(HWND window, std::initializer_list<Requirement> signature) {
    return MeetsSignature(window, signature.begin(), signature.end());
}

}  // namespace host
