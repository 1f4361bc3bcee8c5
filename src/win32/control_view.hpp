// The view side of one form control: a real child window that shows one model control.
// A view mirrors model changes onto its window (while the host holds back notifications)
// and turns the window's notifications, reflected to it by its parent, into "User..."
// calls on the model.
#pragma once

#include "app/form_layout.hpp"
#include "form/controls.hpp"
#include "win32/report.hpp"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace korvane {
class MainForm;
}

namespace korvane::win32 {

// 0xRRGGBB -> COLORREF.
constexpr COLORREF ToColorRef(std::uint32_t rgb) noexcept {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// The layout's positions, sizes and font heights are pixels at 96 dpi; the window scales
// them to its own dpi, rounded as Windows rounds.
inline constexpr int kLayoutDpi = 96;
inline int ScaleToDpi(int length, int dpi) noexcept {
    return MulDiv(length, dpi, kLayoutDpi);
}

// A window's text as 8-bit bytes.
std::string WindowTextOf(HWND hwnd);

// What a view needs from the window that holds it.
class ViewHost {
public:
    virtual ~ViewHost() = default;
    virtual HINSTANCE Instance() const noexcept = 0;
    // Runs real user input against the model, inside the form's error guard. Does nothing
    // while the host is mirroring the model (the window is only echoing the program).
    virtual void UserInput(const std::function<void()>& work) noexcept = 0;
    virtual bool Syncing() const noexcept = 0;
    // User input is running against the model: a view may hold back changes of single rows
    // until EndOfInput, and show them then (all at once where they are many).
    virtual bool InInput() const noexcept = 0;
    // The dpi the window shows at.
    virtual int Dpi() const noexcept = 0;
    // Shared GDI objects, owned by the host for the window's lifetime. A font is the
    // layout's at the window's dpi.
    virtual HFONT Font(const FontDef& def) = 0;
    // kDefaultColour: the button-face system brush.
    virtual HBRUSH Brush(std::uint32_t rgb) = 0;
    // The colour a control's own background shows: its own, or its parent's, up to the form.
    virtual std::uint32_t BackgroundOf(int id) const noexcept = 0;
    // Handles a notification or WM_CTLCOLOR* message a parent window received from a child,
    // by the child's view. A parent passes on every message; false where no view takes it.
    virtual bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) noexcept = 0;
};

class ControlView {
public:
    ControlView(ViewHost& host, Control& model, const ControlDef& def) noexcept
        : host_(host), model_(model), def_(def) {}
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;
    virtual ~ControlView() = default;

    // Creates the child window under parent, showing the model's current state.
    virtual void Create(HWND parent) = 0;
    HWND Hwnd() const noexcept { return hwnd_; }
    // The window is gone (destroyed with its parent).
    void Detach() noexcept { hwnd_ = nullptr; }
    Control& Model() const noexcept { return model_; }
    const ControlDef& Def() const noexcept { return def_; }

    // Shows one model change on the window. The host holds back notifications meanwhile.
    virtual void Mirror(Property property, std::ptrdiff_t index);
    // The window's dpi changed: the control moves to the layout's place at the new dpi, takes
    // the layout's font for it and draws itself anew.
    virtual void Rescale();

    // The user input that ran ends: what the view held back shows now.
    virtual void EndOfInput() {}

    // Notifications reflected from the parent window.
    virtual void OnCommand(UINT /*code*/) {}
    virtual void OnScroll(UINT /*code*/) {}
    virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
    // WM_NOTIFY: false where the view does not take the notification.
    virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual UINT ItemHeight() const noexcept { return 0; }
    // WM_CTLCOLOR*: by default the parent's background and the control's text colour.
    virtual HBRUSH OnCtlColor(UINT msg, HDC dc);

protected:
    ViewHost& Host() const noexcept { return host_; }
    // A length of the layout at the window's dpi.
    int Scaled(int length) const noexcept { return ScaleToDpi(length, host_.Dpi()); }
    // Creates the window at the layout's place with the model's visibility, enabled state
    // and caption, and the layout's font. A height given (in the layout's pixels) replaces
    // the layout's.
    HWND CreateChild(const char* windowClass, DWORD style, DWORD exStyle, HWND parent,
                     int height = -1, void* param = nullptr);
    // The font the layout gives this control.
    HFONT DefFont() const;

private:
    ViewHost& host_;
    Control& model_;
    const ControlDef& def_;
    HWND hwnd_ = nullptr;
    int height_ = 0; // the window's height in the layout's pixels
};

// One factory per control kind; the layout's kind decides which applies.
std::unique_ptr<ControlView> MakeControlView(ViewHost& host, MainForm& form, const ControlDef& def);

std::unique_ptr<ControlView> MakePanelView(ViewHost& host, Control& model, const ControlDef& def);
std::unique_ptr<ControlView> MakeLabelView(ViewHost& host, Control& model, const ControlDef& def);
std::unique_ptr<ControlView> MakeShapeView(ViewHost& host, Control& model, const ControlDef& def);
std::unique_ptr<ControlView> MakeCheckBoxView(ViewHost& host, CheckBox& model,
                                              const ControlDef& def);
std::unique_ptr<ControlView> MakeSpeedButtonView(ViewHost& host, SpeedButton& model,
                                                 const ControlDef& def);
std::unique_ptr<ControlView> MakeComboBoxView(ViewHost& host, ComboBox& model,
                                              const ControlDef& def);
std::unique_ptr<ControlView> MakeTrackBarView(ViewHost& host, TrackBar& model,
                                              const ControlDef& def);
std::unique_ptr<ControlView> MakeListBoxView(ViewHost& host, ListBox& model, const ControlDef& def);
std::unique_ptr<ControlView> MakeEditView(ViewHost& host, Edit& model, const ControlDef& def);
std::unique_ptr<ControlView> MakeListViewView(ViewHost& host, ListView& model,
                                              const ControlDef& def);

// The window procedure of a view class of our own: binds the view passed as the creation
// parameter at WM_NCCREATE, forwards every message to View::Handle, unbinds at
// WM_NCDESTROY, and lets nothing unwind into the system's code.
template <class View>
LRESULT CALLBACK ViewWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    try {
        if (msg == WM_NCCREATE) {
            const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        }
        auto* view = reinterpret_cast<View*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            if (view) {
                view->Detach();
            }
            return DefWindowProcA(hwnd, msg, wp, lp);
        }
        if (view) {
            return view->Handle(hwnd, msg, wp, lp);
        }
    } catch (...) {
        // The message falls back to the default.
        ReportCaught("a message of a control");
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// Registers a window class of our own with an arrow cursor; registering it again is fine.
void RegisterViewClass(HINSTANCE instance, const char* className, WNDPROC proc);

// Window classes of our own (panels, group boxes, flat buttons); registered once.
inline constexpr const char* kPanelClass = "KorvanePanel";
inline constexpr const char* kSpeedButtonClass = "KorvaneSpeedButton";
void RegisterPanelClass(HINSTANCE instance);
void RegisterSpeedButtonClass(HINSTANCE instance);

} // namespace korvane::win32
