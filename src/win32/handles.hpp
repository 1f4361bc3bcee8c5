// Owning wrappers for the system's handles: closed when they go, move-only. One template
// for every kind; its traits say what "no handle" is and how a handle is closed.
#pragma once

#include <windows.h>

#include <utility>

namespace korvane::win32 {

template <class Traits> class Unique {
public:
    using Handle = typename Traits::Handle;

    Unique() noexcept = default;
    explicit Unique(Handle handle) noexcept : handle_(handle) {}
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Traits::None())) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, Traits::None()));
        }
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    ~Unique() { Close(); }

    Handle Get() const noexcept { return handle_; }
    bool Valid() const noexcept { return Traits::Valid(handle_); }
    explicit operator bool() const noexcept { return Valid(); }
    // For functions that hand out a new handle through a pointer.
    Handle* Receive() noexcept {
        Close();
        return &handle_;
    }
    void Reset(Handle handle = Traits::None()) noexcept {
        Close();
        handle_ = handle;
    }
    // Closes the handle now and says whether that succeeded (a write may fail only here).
    bool Close() noexcept {
        const bool ok = !Valid() || Traits::Close(handle_);
        handle_ = Traits::None();
        return ok;
    }

private:
    Handle handle_ = Traits::None();
};

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle None() noexcept { return INVALID_HANDLE_VALUE; }
    static bool Valid(Handle h) noexcept { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static bool Close(Handle h) noexcept { return CloseHandle(h) != 0; }
};

struct RegistryKeyTraits {
    using Handle = HKEY;
    static Handle None() noexcept { return nullptr; }
    static bool Valid(Handle h) noexcept { return h != nullptr; }
    static bool Close(Handle h) noexcept { return RegCloseKey(h) == ERROR_SUCCESS; }
};

template <class H> struct GdiObjectTraits {
    using Handle = H;
    static Handle None() noexcept { return nullptr; }
    static bool Valid(Handle h) noexcept { return h != nullptr; }
    static bool Close(Handle h) noexcept { return DeleteObject(h) != 0; }
};

using UniqueHandle = Unique<FileHandleTraits>;
using UniqueKey = Unique<RegistryKeyTraits>;
using FontHandle = Unique<GdiObjectTraits<HFONT>>;
using BrushHandle = Unique<GdiObjectTraits<HBRUSH>>;

} // namespace korvane::win32
