// What every control's view shares: creation at the layout's place, and mirroring of
// visibility, enabled state and caption.
#include "win32/control_view.hpp"

#include "app/main_form.hpp"
#include "win32/control_messages.hpp"

#include <stdexcept>
#include <string>
#include <variant>

namespace korvane::win32 {

std::string WindowTextOf(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, '\0');
    const int copied = GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return text;
}

void ControlView::Mirror(Property property, std::ptrdiff_t) {
    if (!hwnd_) {
        return;
    }
    switch (property) {
    case Property::Visible:
        ShowWindow(hwnd_, model_.Visible() ? SW_SHOWNA : SW_HIDE);
        break;
    case Property::Enabled:
        EnableWindow(hwnd_, model_.Enabled() ? TRUE : FALSE);
        break;
    case Property::Caption:
        SetWindowTextA(hwnd_, model_.Caption().c_str());
        break;
    default:
        break;
    }
}

HBRUSH ControlView::OnCtlColor(UINT msg, HDC dc) {
    // Edit fields and lists keep the system's window colour unless the layout gives one.
    if ((msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX) &&
        def_.background == kDefaultColour) {
        return nullptr;
    }
    const std::uint32_t background = host_.BackgroundOf(def_.id);
    SetBkColor(dc,
               background == kDefaultColour ? GetSysColor(COLOR_BTNFACE) : ToColorRef(background));
    SetTextColor(dc, def_.foreground == kDefaultColour ? GetSysColor(COLOR_WINDOWTEXT)
                                                       : ToColorRef(def_.foreground));
    return host_.Brush(background);
}

HWND ControlView::CreateChild(const char* windowClass, DWORD style, DWORD exStyle, HWND parent,
                              int height, void* param) {
    style |= WS_CHILD;
    if (model_.Visible()) {
        style |= WS_VISIBLE;
    }
    if (!model_.Enabled()) {
        style |= WS_DISABLED;
    }
    height_ = height >= 0 ? height : (def_.height < 0 ? 0 : def_.height);
    const int w = def_.width < 0 ? 0 : def_.width;
    hwnd_ = CreateWindowExA(exStyle, windowClass, model_.Caption().c_str(), style,
                            Scaled(def_.left), Scaled(def_.top), Scaled(w), Scaled(height_), parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(def_.id)),
                            host_.Instance(), param);
    if (!hwnd_) {
        throw std::runtime_error("Cannot create the control " + std::string(def_.name));
    }
    Window(hwnd_).SetFont(DefFont());
    return hwnd_;
}

void ControlView::Rescale() {
    if (!hwnd_) {
        return;
    }
    const int w = def_.width < 0 ? 0 : def_.width;
    SetWindowPos(hwnd_, nullptr, Scaled(def_.left), Scaled(def_.top), Scaled(w), Scaled(height_),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Window(hwnd_).SetFont(DefFont());
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HFONT ControlView::DefFont() const {
    return host_.Font(def_.font);
}

namespace {

// The view of each model class; the kind tells the shape from a panel.
std::unique_ptr<ControlView> MakeView(ViewHost& host, Panel& model, const ControlDef& def) {
    return def.kind == ControlKind::Shape ? MakeShapeView(host, model, def)
                                          : MakePanelView(host, model, def);
}
std::unique_ptr<ControlView> MakeView(ViewHost& host, Label& model, const ControlDef& def) {
    return MakeLabelView(host, model, def);
}
std::unique_ptr<ControlView> MakeView(ViewHost& host, CheckBox& model, const ControlDef& def) {
    return MakeCheckBoxView(host, model, def);
}
std::unique_ptr<ControlView> MakeView(ViewHost& host, SpeedButton& model, const ControlDef& def) {
    return MakeSpeedButtonView(host, model, def);
}
std::unique_ptr<ControlView> MakeView(ViewHost& host, ComboBox& model, const ControlDef& def) {
    return MakeComboBoxView(host, model, def);
}
std::unique_ptr<ControlView> MakeView(ViewHost& host, TrackBar& model, const ControlDef& def) {
    return MakeTrackBarView(host, model, def);
}
std::unique_ptr<ControlView> MakeView(ViewHost& host, ListBox& model, const ControlDef& def) {
    return MakeListBoxView(host, model, def);
}
std::unique_ptr<ControlView> MakeView(ViewHost& host, Edit& model, const ControlDef& def) {
    return MakeEditView(host, model, def);
}
std::unique_ptr<ControlView> MakeView(ViewHost& host, ListView& model, const ControlDef& def) {
    return MakeListViewView(host, model, def);
}

} // namespace

std::unique_ptr<ControlView> MakeControlView(ViewHost& host, MainForm& form,
                                             const ControlDef& def) {
    // The row's member is typed by the control's class: no cast can fail here.
    return std::visit([&](auto member) { return MakeView(host, form.*member, def); }, def.member);
}

void RegisterViewClass(HINSTANCE instance, const char* className, WNDPROC proc) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = className;
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error(std::string("Cannot register the window class ") + className);
    }
}

} // namespace korvane::win32
