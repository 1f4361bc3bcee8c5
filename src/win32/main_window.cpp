#include "win32/main_window.hpp"

#include "app/form_layout.hpp"
#include "win32/control_messages.hpp"
#include "win32/report.hpp"

#include <stdexcept>

namespace korvane::win32 {

namespace {

constexpr const char* kMainClass = "TForm1";
constexpr WORD kIconId = 1;
constexpr DWORD kMainStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

// A function of user32 that older Windows versions lack (the program also runs on Windows
// 7); nullptr there.
template <class Fn> Fn User32Function(const char* name) noexcept {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    FARPROC proc = user32 ? GetProcAddress(user32, name) : nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
}

// The dpi of the monitor the window is on (Windows 10 1607 and later), else the system's.
int WindowDpi(HWND hwnd) noexcept {
    static const auto getDpiForWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(hwnd)) {
            return static_cast<int>(dpi);
        }
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : kLayoutDpi;
}

// The window rectangle around a client rectangle, with the frame's metrics at a dpi where
// the system can tell them (Windows 10 1607 and later).
void AdjustWindowRectAtDpi(RECT& rc, int dpi) noexcept {
    using Fn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Function<Fn>("AdjustWindowRectExForDpi");
    if (!adjustForDpi || !adjustForDpi(&rc, kMainStyle, FALSE, 0, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(&rc, kMainStyle, FALSE, 0);
    }
}

void RegisterMainClass(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    // The program's icon is resource 1; a host without it (the tests) gets the system's.
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kIconId));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kIconId), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    if (!wc.hIcon) {
        wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    }
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = kMainClass;
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("Cannot register the main window class");
    }
}

// A text field of the window's own, or a drop-down's.
bool IsEditField(HWND hwnd) noexcept {
    char name[16] = {};
    return hwnd && GetClassNameA(hwnd, name, sizeof(name)) > 0 && lstrcmpiA(name, "Edit") == 0;
}

// Holds back the controls' notifications while the window mirrors the model.
class SyncScope {
public:
    explicit SyncScope(int& depth) noexcept : depth_(depth) { ++depth_; }
    SyncScope(const SyncScope&) = delete;
    SyncScope& operator=(const SyncScope&) = delete;
    ~SyncScope() { --depth_; }

private:
    int& depth_;
};

} // namespace

MainWindow::MainWindow(HINSTANCE instance, MainForm& form, Win32Platform& platform, Options options)
    : instance_(instance), form_(form), platform_(platform), options_(options) {}

std::unique_ptr<MainWindow> MainWindow::Create(HINSTANCE instance, MainForm& form,
                                               Win32Platform& platform, Options options) {
    std::unique_ptr<MainWindow> window(new MainWindow(instance, form, platform, options));
    RegisterMainClass(instance, &MainWindow::WndProc);
    RegisterPanelClass(instance);
    RegisterSpeedButtonClass(instance);

    const FormDef& def = MainFormDef();
    RECT rc{0, 0, def.clientWidth, def.clientHeight};
    AdjustWindowRectEx(&rc, kMainStyle, FALSE, 0);
    HWND hwnd = CreateWindowExA(0, kMainClass, std::string(def.caption).c_str(), kMainStyle,
                                def.left, def.top, rc.right - rc.left, rc.bottom - rc.top, nullptr,
                                nullptr, instance, window.get());
    if (!hwnd) {
        throw std::runtime_error("Cannot create the main window");
    }
    // The layout at the dpi of the monitor the window is on.
    window->dpi_ = WindowDpi(hwnd);
    const SIZE size = window->WindowSizeAt(window->dpi_);
    SetWindowPos(hwnd, nullptr, ScaleToDpi(def.left, window->dpi_),
                 ScaleToDpi(def.top, window->dpi_), size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    window->CreateControls();
    // The focus frame and the access keys' underlines always show, not only once the
    // keyboard was used: a player who reaches for it must see where the focus is.
    Window(hwnd).ChangeUiState(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL);
    window->toolTips_.Create(instance, hwnd);
    window->Observe();
    platform.SetOwner(hwnd);

    // The creation handler: its errors go to the error box and the window still opens.
    bool goesOn = true;
    form.Guarded([&form, &goesOn] { goesOn = form.FormCreate(); });
    // It may have ended the program (no language file): the window then never shows.
    if (!goesOn && window->hwnd_) {
        DestroyWindow(window->hwnd_);
    }
    return window;
}

MainWindow::~MainWindow() {
    if (hwnd_) {
        DestroyWindow(hwnd_);
    }
    for (Control* control : form_.AllControls()) {
        control->SetObserver(nullptr);
    }
}

bool MainWindow::Show(int showCommand) noexcept {
    if (!hwnd_) {
        return false;
    }
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    return true;
}

HWND MainWindow::ControlWindow(int id) const noexcept {
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second->Hwnd();
}

bool MainWindow::PreTranslate(MSG& msg) noexcept {
    const bool inWindow = hwnd_ && (msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd));
    // F3 on the manual page finds the next line, wherever the focus is.
    if (inWindow && msg.message == WM_KEYDOWN && msg.wParam == VK_F3 && form_.Panel2.Visible()) {
        UserInput([this] { form_.manual.FindNext(); });
        return true;
    }
    // Ctrl+Z undoes the player's last edit and Ctrl+Y (or Ctrl+Shift+Z) redoes it, wherever
    // the focus is, as the strip's buttons do; in a field that holds typing not yet applied,
    // Ctrl+Z is the field's own undo.
    if (inWindow && msg.message == WM_KEYDOWN && (msg.wParam == 'Z' || msg.wParam == 'Y') &&
        GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) {
        const bool redo = msg.wParam == 'Y' || GetKeyState(VK_SHIFT) < 0;
        if (redo || !IsEditField(msg.hwnd) || !SendMessageA(msg.hwnd, EM_CANUNDO, 0, 0)) {
            UserInput([this, redo] { (redo ? form_.RedoEdit : form_.UndoEdit).UserClick(); });
            return true;
        }
    }
    // Ctrl+S saves, wherever the focus is, as the strip's Save button does.
    if (inWindow && msg.message == WM_KEYDOWN && msg.wParam == 'S' && GetKeyState(VK_CONTROL) < 0 &&
        GetKeyState(VK_MENU) >= 0) {
        UserInput([this] { form_.SpeedButton2.UserClick(); });
        return true;
    }
    // A character typed without Alt goes to the control with the focus, as any other key
    // does: the dialog navigation would take a letter typed on a check box, a slider or a
    // flat button for an access key, so a plain "s" saved and a "q" quit. Alt and the letter
    // (WM_SYSCHAR) still press what the letter names; Tab, Enter and Esc (below a blank)
    // still move the focus and press the default.
    if (inWindow && msg.message == WM_CHAR && msg.wParam >= ' ') {
        return false;
    }
    return hwnd_ && IsDialogMessageA(hwnd_, &msg);
}

void MainWindow::CreateControls() {
    SyncScope sync(syncDepth_);
    for (const ControlDef& def : MainFormLayout()) {
        HWND parent = def.parent == ids::kForm ? hwnd_ : ControlWindow(def.parent);
        if (!parent) {
            throw std::logic_error("The parent of " + std::string(def.name) +
                                   " comes after it in the layout");
        }
        std::unique_ptr<ControlView> view = MakeControlView(*this, form_, def);
        ControlView* raw = view.get();
        byId_[def.id] = raw;
        views_.push_back(std::move(view));
        raw->Create(parent);
        byWindow_[raw->Hwnd()] = raw;
    }
}

void MainWindow::Observe() {
    for (const auto& view : views_) {
        ControlView* raw = view.get();
        raw->Model().SetObserver([this, raw](Control&, Property property, std::ptrdiff_t index) {
            OnModelChange(*raw, property, index);
        });
    }
    // The title names the game folder open.
    form_.onTitleChange = [this] {
        if (hwnd_) {
            SetWindowTextA(hwnd_, form_.folders.Title().c_str());
        }
    };
}

void MainWindow::OnModelChange(ControlView& view, Property property,
                               std::ptrdiff_t index) noexcept {
    SyncScope sync(syncDepth_);
    try {
        if (property == Property::ToolTip) {
            toolTips_.Set(view.Hwnd(), view.Model().ToolTip());
        } else {
            view.Mirror(property, index);
        }
        if (property == Property::Visible || property == Property::Enabled) {
            KeepFocusOnShownControls();
        }
    } catch (...) {
        // The model's change stands; the window shows it at its next repaint.
        ReportCaught("showing a change", view.Def().name);
    }
}

// A hidden page takes no keyboard input: focus on a control that was just hidden or
// disabled moves to the first control that can take it, or to the window itself.
void MainWindow::KeepFocusOnShownControls() noexcept {
    HWND focus = GetFocus();
    if (!hwnd_ || !focus || !IsChild(hwnd_, focus)) {
        return;
    }
    if (IsWindowVisible(focus) && IsWindowEnabled(focus)) {
        return;
    }
    HWND next = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (next && IsWindowVisible(next) && IsWindowEnabled(next)) {
        SetFocus(next);
    } else {
        SetFocus(hwnd_);
    }
}

void MainWindow::UserInput(const std::function<void()>& work) noexcept {
    if (Syncing()) {
        return;
    }
    HWND focus = GetFocus();
    const unsigned long long steps = form_.folder.File().StepsTaken();
    ++inputDepth_;
    form_.Guarded(work);
    if (--inputDepth_ == 0) {
        SyncScope sync(syncDepth_);
        for (const auto& view : views_) {
            try {
                view->EndOfInput();
            } catch (...) {
                ReportCaught("showing a change", view->Def().name);
            }
        }
    }
    // A value typed into a field and applied is a step of the edits now: Ctrl+Z in the field
    // undoes the step, not the typing.
    if (form_.folder.File().StepsTaken() != steps && IsEditField(GetFocus())) {
        SendMessageA(GetFocus(), EM_EMPTYUNDOBUFFER, 0, 0);
    }
    // A page hidden and shown again in one go (its own button clicked again) loses the
    // focus to the window on the way: give it back.
    if (hwnd_ && focus && focus != hwnd_ && IsChild(hwnd_, focus) && GetFocus() == hwnd_ &&
        IsWindowVisible(focus) && IsWindowEnabled(focus)) {
        SetFocus(focus);
    }
}

SIZE MainWindow::WindowSizeAt(int dpi) const {
    const FormDef& def = MainFormDef();
    RECT rc{0, 0, ScaleToDpi(def.clientWidth, dpi), ScaleToDpi(def.clientHeight, dpi)};
    AdjustWindowRectAtDpi(rc, dpi);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

void MainWindow::Rescale(int dpi) {
    if (dpi <= 0 || dpi == dpi_) {
        return;
    }
    SyncScope sync(syncDepth_);
    dpi_ = dpi;
    // The controls still use the old fonts until each has its new one.
    const auto oldFonts = std::move(fonts_);
    fonts_.clear();
    for (const auto& view : views_) {
        view->Rescale();
        // A disabled control's tooltip is a rectangle of its parent's: it follows the control.
        toolTips_.Moved(view->Hwnd());
    }
}

HFONT MainWindow::Font(const FontDef& def) {
    const int height = ScaleToDpi(def.height, dpi_);
    auto key = std::make_tuple(std::string(def.face), height, def.bold, def.italic, def.underline);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        HFONT font =
            CreateFontA(-height, 0, 0, 0, def.bold ? FW_BOLD : FW_NORMAL, def.italic, def.underline,
                        FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, std::get<0>(key).c_str());
        it = fonts_.emplace(std::move(key), FontHandle(font)).first;
    }
    return it->second.Get();
}

HBRUSH MainWindow::Brush(std::uint32_t rgb) {
    if (rgb == kDefaultColour) {
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    auto it = brushes_.find(rgb);
    if (it == brushes_.end()) {
        it = brushes_.emplace(rgb, BrushHandle(CreateSolidBrush(ToColorRef(rgb)))).first;
    }
    return it->second.Get();
}

std::uint32_t MainWindow::BackgroundOf(int id) const noexcept {
    for (const ControlDef* def = FindControlDef(id); def; def = FindControlDef(def->parent)) {
        if (def->background != kDefaultColour) {
            return def->background;
        }
        if (def->parent == ids::kForm) {
            break;
        }
    }
    return kDefaultColour;
}

ControlView* MainWindow::ViewOf(HWND child) const noexcept {
    auto it = byWindow_.find(child);
    if (it == byWindow_.end() && child) {
        // A part of a control (a drop-down's edit field) speaks for its control.
        it = byWindow_.find(GetParent(child));
    }
    return it == byWindow_.end() ? nullptr : it->second;
}

namespace {

// The notifications and WM_CTLCOLOR* messages a parent passes on to its child's view.
bool IsReflectedMessage(UINT msg) noexcept {
    switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return true;
    default:
        return false;
    }
}

} // namespace

bool MainWindow::Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) noexcept {
    if (!IsReflectedMessage(msg)) {
        return false;
    }
    try {
        if (msg == WM_MEASUREITEM) {
            // Sent while the list is being created, before its window is known by handle.
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
            auto it = byId_.find(static_cast<int>(item->CtlID));
            if (it == byId_.end() || it->second->ItemHeight() <= 0) {
                return false;
            }
            item->itemHeight = it->second->ItemHeight();
            result = TRUE;
            return true;
        }
        if (msg == WM_NOTIFY) {
            auto* header = reinterpret_cast<NMHDR*>(lp);
            ControlView* view = ViewOf(header->hwndFrom);
            return view != nullptr && view->OnNotify(*header, result);
        }
        // The child the message comes from: named in lp, or in the item to draw.
        const auto* draw =
            msg == WM_DRAWITEM ? reinterpret_cast<const DRAWITEMSTRUCT*>(lp) : nullptr;
        ControlView* view = ViewOf(draw ? draw->hwndItem : reinterpret_cast<HWND>(lp));
        if (view == nullptr) {
            return false;
        }
        switch (msg) {
        case WM_COMMAND:
            view->OnCommand(HIWORD(wp));
            result = 0;
            return true;
        case WM_HSCROLL:
        case WM_VSCROLL:
            view->OnScroll(LOWORD(wp));
            result = 0;
            return true;
        case WM_DRAWITEM:
            view->OnDrawItem(*draw);
            result = TRUE;
            return true;
        default: // the WM_CTLCOLOR* messages: a brush, or the default colours
            if (HBRUSH brush = view->OnCtlColor(msg, reinterpret_cast<HDC>(wp))) {
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
            return false;
        }
    } catch (...) {
        ReportCaught("a notification of a control");
        return false;
    }
}

LRESULT CALLBACK MainWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    try {
        if (msg == WM_NCCREATE) {
            const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
            auto* self = static_cast<MainWindow*>(cs->lpCreateParams);
            self->hwnd_ = hwnd;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self) {
            return self->Handle(msg, wp, lp);
        }
    } catch (...) {
        // Nothing may unwind into the system's code; the message falls back to the default.
        ReportCaught("a message of the main window");
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT MainWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    HWND hwnd = hwnd_;
    LRESULT result = 0;
    switch (msg) {
    case WM_NEXTDLGCTL:
        // The message loop's IsDialogMessage asks the window to move the focus.
        MoveFocus(wp, lp);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wp) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus)) {
                savedFocus_ = focus;
            }
        } else if (savedFocus_ && IsWindow(savedFocus_) && IsChild(hwnd, savedFocus_) &&
                   IsWindowVisible(savedFocus_) && IsWindowEnabled(savedFocus_)) {
            SetFocus(savedFocus_);
            return 0;
        }
        break;
    case WM_GETDPISCALEDSIZE: {
        // Moving to a monitor of another dpi: the client area is the layout's at that dpi.
        *reinterpret_cast<SIZE*>(lp) = WindowSizeAt(static_cast<int>(LOWORD(wp)));
        return TRUE;
    }
    case WM_DPICHANGED: {
        Rescale(static_cast<int>(LOWORD(wp)));
        const RECT& suggested = *reinterpret_cast<const RECT*>(lp);
        SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE: {
        // Quit, the close box, Alt+F4 and the system menu all come here: unsaved changes
        // are asked about first.
        bool close = false;
        form_.Guarded([this, &close] { close = form_.QueryClose(); });
        if (close) {
            DestroyWindow(hwnd);
        }
        return 0;
    }
    case WM_QUERYENDSESSION: {
        // A logoff or shutdown asks as Quit does: "Yes" saves, "Cancel" (or a failed save)
        // asks the system to wait, "No" lets the changes go.
        bool end = false;
        form_.Guarded([this, &end] { end = form_.QueryClose(); });
        return end ? TRUE : FALSE;
    }
    case WM_DESTROY:
        platform_.SetOwner(nullptr);
        if (options_.quitWhenClosed) {
            PostQuitMessage(0);
        }
        return 0;
    case WM_NCDESTROY:
        OnNcDestroy();
        return DefWindowProcA(hwnd, msg, wp, lp);
    default:
        if (Reflect(msg, wp, lp, result)) {
            return result;
        }
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// WM_NEXTDLGCTL: lp set means wp is the control to focus; otherwise wp says backwards.
void MainWindow::MoveFocus(WPARAM wp, LPARAM lp) {
    HWND target = nullptr;
    if (LOWORD(lp)) {
        target = reinterpret_cast<HWND>(wp);
    } else {
        HWND focus = GetFocus();
        HWND from = focus && IsChild(hwnd_, focus) ? focus : nullptr;
        target = GetNextDlgTabItem(hwnd_, from, wp != 0);
    }
    if (!target || !IsChild(hwnd_, target) || !IsWindowVisible(target) ||
        !IsWindowEnabled(target)) {
        return;
    }
    SetFocus(target);
    if (Window(target).DialogCode() & DLGC_HASSETSEL) {
        EditWindow(target).SelectAll();
    }
}

void MainWindow::OnNcDestroy() noexcept {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    form_.onTitleChange = nullptr;
    for (Control* control : form_.AllControls()) {
        control->SetObserver(nullptr);
    }
    for (const auto& view : views_) {
        view->Detach();
    }
    byWindow_.clear();
    hwnd_ = nullptr;
    savedFocus_ = nullptr;
}

} // namespace korvane::win32
