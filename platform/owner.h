#pragma once
// One owner for every kind of handle the program closes: a handle, the call
// that closes it, and the value that means none. Move-only, convertible to
// the raw handle, closed on every path out of its scope.
#include <windows.h>

#include <cstdint>
#include <utility>

namespace platform {

template <typename Handle, auto Close, std::intptr_t None = 0>
class Owned {
  public:
    Owned() = default;
    explicit Owned(Handle h) : h_(h) {}
    ~Owned() { Reset(); }
    Owned(Owned&& o) noexcept : h_(o.Release()) {}
    Owned& operator=(Owned&& o) noexcept {
        if (this != &o) Reset(o.Release());
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    static Handle none() { return (Handle)None; }  // NOLINT: the none value of a handle type

    void Reset(Handle h = none()) {
        if (h_ != none()) Close(h_);
        h_ = h;
    }
    // Hands the handle over to whoever closes it next.
    Handle Release() { return std::exchange(h_, none()); }
    Handle get() const { return h_; }
    operator Handle() const { return h_; }
    explicit operator bool() const { return h_ != none(); }

  private:
    Handle h_ = none();
};

// A file, as CreateFileA opens it (INVALID_HANDLE_VALUE when it did not).
using File = Owned<HANDLE, &CloseHandle, -1>;

}  // namespace platform
