#pragma once
// Owners of system objects, all of one shape: move-only, get() to use the
// object, release() to hand it over to whoever frees it next, reset() to free
// it early. The traits name the handle type, what counts as no object and how
// one is freed; every owner in the tree is this template with its traits.
#include <windows.h>

#include <utility>

namespace mervik::win {

template <class Traits> class UniqueOwner {
public:
    using Handle = typename Traits::Handle;

    UniqueOwner() = default;
    explicit UniqueOwner(Handle handle) : handle_(handle) {}
    ~UniqueOwner() { reset(); }
    UniqueOwner(UniqueOwner&& other) noexcept : handle_(other.release()) {}
    UniqueOwner& operator=(UniqueOwner&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueOwner(const UniqueOwner&) = delete;
    UniqueOwner& operator=(const UniqueOwner&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return Traits::Valid(handle_); }
    Handle release() { return std::exchange(handle_, Handle{}); }
    void reset(Handle handle = Handle{}) {
        if (*this)
            Traits::Free(handle_);
        handle_ = handle;
    }

private:
    Handle handle_{};
};

// Kernel handles: both null and INVALID_HANDLE_VALUE count as no handle.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE h) { CloseHandle(h); }
};
using UniqueHandle = UniqueOwner<KernelHandleTraits>;

// A loaded library, freed once its owner ends.
struct ModuleTraits {
    using Handle = HMODULE;
    static bool Valid(HMODULE m) { return m != nullptr; }
    static void Free(HMODULE m) { FreeLibrary(m); }
};
using UniqueModule = UniqueOwner<ModuleTraits>;

// An icon this program made or was handed (not a shared system icon).
struct IconTraits {
    using Handle = HICON;
    static bool Valid(HICON i) { return i != nullptr; }
    static void Free(HICON i) { DestroyIcon(i); }
};
using UniqueIcon = UniqueOwner<IconTraits>;

// A menu not attached to a window; destroying it destroys its submenus.
struct MenuTraits {
    using Handle = HMENU;
    static bool Valid(HMENU m) { return m != nullptr; }
    static void Free(HMENU m) { DestroyMenu(m); }
};
using UniqueMenu = UniqueOwner<MenuTraits>;

} // namespace mervik::win
