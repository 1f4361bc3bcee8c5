// A subclass of a control's window (comctl32's SetWindowSubclass) for as long as its owner
// lives: installed by Attach, removed by the destructor, by Remove, or when the window is
// destroyed (its WM_NCDESTROY ends it, so it never outlives the window). Move-only.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <utility>

namespace korvane::win32 {

class Subclass {
public:
    // Takes the window's messages but WM_NCDESTROY, with the data given to Attach; what it
    // does not take goes on to DefSubclassProc. Nothing may unwind from it into the system.
    using Procedure = LRESULT (*)(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, void* data) noexcept;

    Subclass() noexcept = default;
    Subclass(Subclass&& other) noexcept { TakeFrom(other); }
    Subclass& operator=(Subclass&& other) noexcept {
        if (this != &other) {
            Remove();
            TakeFrom(other);
        }
        return *this;
    }
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;
    ~Subclass() { Remove(); }

    // Sends the window's messages through procedure (after removing any earlier subclass of
    // this object); false where the system refuses.
    bool Attach(HWND hwnd, Procedure procedure, void* data) noexcept {
        Remove();
        if (!hwnd || !SetWindowSubclass(hwnd, &Forward, IdOf(procedure),
                                        reinterpret_cast<DWORD_PTR>(this))) {
            return false;
        }
        hwnd_ = hwnd;
        procedure_ = procedure;
        data_ = data;
        return true;
    }
    void Remove() noexcept {
        if (hwnd_) {
            RemoveWindowSubclass(hwnd_, &Forward, IdOf(procedure_));
            hwnd_ = nullptr;
        }
    }
    // The window subclassed; nullptr when none is (any more).
    HWND Hwnd() const noexcept { return hwnd_; }
    explicit operator bool() const noexcept { return hwnd_ != nullptr; }

private:
    // The system tells the subclasses of a window apart by their procedure and ID: every
    // subclass has the one procedure Forward, so the ID is the owner's procedure (which
    // stays the same when the object moves).
    static UINT_PTR IdOf(Procedure procedure) noexcept {
        return reinterpret_cast<UINT_PTR>(procedure);
    }

    void TakeFrom(Subclass& other) noexcept {
        hwnd_ = std::exchange(other.hwnd_, nullptr);
        procedure_ = other.procedure_;
        data_ = other.data_;
        if (hwnd_) {
            // The same subclass, now reaching this object.
            SetWindowSubclass(hwnd_, &Forward, IdOf(procedure_), reinterpret_cast<DWORD_PTR>(this));
        }
    }

    static LRESULT CALLBACK Forward(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                    DWORD_PTR self) noexcept {
        auto* subclass = reinterpret_cast<Subclass*>(self);
        if (msg == WM_NCDESTROY) {
            subclass->Remove();
            return DefSubclassProc(hwnd, msg, wp, lp);
        }
        return subclass->procedure_(hwnd, msg, wp, lp, subclass->data_);
    }

    HWND hwnd_ = nullptr;
    Procedure procedure_ = nullptr;
    void* data_ = nullptr;
};

} // namespace korvane::win32
