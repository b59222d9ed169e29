#pragma once
// One owner for every kind of handle the program closes: a handle, the call
// that closes it, and the value that means none. Move-only, convertible to
// the raw handle, closed on every path out of its scope. Each kind is one
// line below (the GDI ones in platform/gdi.h).
//
// A handle that needs more than itself to be closed (a DC from GetDC goes
// back with the window it came from) is a small struct of both, with != that
// compares the handle alone; its none is the struct's empty value.
//
// Window classes have no owner: each is registered once for the process
// (platform/window_class.h) and its windows come and go for the whole run.
#include <windows.h>

#include <cstdint>
#include <type_traits>
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

    static Handle none() {
        if constexpr (std::is_pointer_v<Handle>) {
            return reinterpret_cast<Handle>(None);
        } else {
            return Handle{};
        }
    }

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

// A file, as CreateFileA opens it (INVALID_HANDLE_VALUE when it did not), and
// whatever else says none that way (a Toolhelp snapshot).
using File = Owned<HANDLE, &CloseHandle, -1>;
// A process, a thread, a file mapping: kernel objects that are 0 when none.
using KernelObject = Owned<HANDLE, &CloseHandle>;
// A menu and its submenus.
using Menu = Owned<HMENU, &DestroyMenu>;

}  // namespace platform
