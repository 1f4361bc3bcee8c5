// Flat buttons of the navigation strip (and the apply button): our own window class,
// drawn flat on the parent's colour, raised while the mouse is over it and sunken while
// pressed. The form's own take no focus; the program's (a row with tabStop) are reached by
// Tab, show a focus frame and take Space and Enter. Their font style comes from the model
// and marks the page on show; a caption wider than the button shrinks until it keeps a
// margin from the frame. A click, BM_CLICK, the access key or a key of a focused button
// reports BN_CLICKED to the parent.
#include "win32/control_messages.hpp"
#include "win32/control_view.hpp"
#include "win32/gdi_handles.hpp"

#include <stdexcept>
#include <string>

namespace korvane::win32 {

namespace {

class SpeedButtonView : public ControlView {
public:
    SpeedButtonView(ViewHost& host, SpeedButton& model, const ControlDef& def) noexcept
        : ControlView(host, model, def), button_(model) {}

    void Create(HWND parent) override {
        CreateChild(kSpeedButtonClass, Def().tabStop ? WS_TABSTOP : 0, 0, parent, -1, this);
    }

    void Mirror(Property property, std::ptrdiff_t index) override {
        ControlView::Mirror(property, index);
        if (Hwnd() && (property == Property::Font || property == Property::Caption ||
                       property == Property::Enabled)) {
            InvalidateRect(Hwnd(), nullptr, TRUE);
        }
    }

    void OnCommand(UINT code) override {
        if (code == BN_CLICKED) {
            Host().UserInput([this] { button_.UserClick(); });
        }
    }

    // The layout's font with the model's style.
    FontDef StyleFontDef() const {
        FontDef font = Def().font;
        const FontStyle style = button_.Style();
        font.bold = style == FontStyle::Bold || style == FontStyle::BoldItalic;
        font.italic = style == FontStyle::Italic || style == FontStyle::BoldItalic;
        return font;
    }
    HFONT StyleFont() const { return Host().Font(StyleFontDef()); }

    LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        switch (msg) {
        case WM_GETDLGCODE: {
            // A focused button takes Enter itself; the dialog navigation would swallow it.
            const auto* key = reinterpret_cast<const MSG*>(lp);
            const bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON |
                   (Def().tabStop && enter ? DLGC_WANTMESSAGE : 0);
        }
        case WM_KEYDOWN:
            // Space or Enter, not the key's repeats.
            if ((wp == VK_SPACE || wp == VK_RETURN) && !(lp & (1 << 30))) {
                Click(hwnd);
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(StyleFont());
        case WM_SETFONT:
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            Paint(hwnd, dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(hwnd, reinterpret_cast<HDC>(wp));
            return 0;
        case WM_MOUSEMOVE: {
            TrackLeave(hwnd);
            const bool inside = Inside(hwnd, lp);
            SetState(hwnd, inside, down_ && inside);
            return 0;
        }
        case WM_MOUSELEAVE:
            tracking_ = false;
            if (!down_) {
                SetState(hwnd, false, false);
            }
            return 0;
        case WM_LBUTTONDOWN:
            if (Def().tabStop) {
                SetFocus(hwnd);
            }
            down_ = true;
            SetCapture(hwnd);
            SetState(hwnd, true, true);
            return 0;
        case WM_LBUTTONUP: {
            const bool click = down_ && Inside(hwnd, lp);
            down_ = false;
            if (GetCapture() == hwnd) {
                ReleaseCapture();
            }
            // Capture ends the leave tracking: ask again, or the button stays raised.
            tracking_ = false;
            if (Inside(hwnd, lp)) {
                TrackLeave(hwnd);
            }
            SetState(hwnd, Inside(hwnd, lp), false);
            if (click) {
                Click(hwnd);
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            down_ = false;
            SetState(hwnd, hot_, false);
            return 0;
        case BM_CLICK:
            Click(hwnd);
            return 0;
        case WM_ENABLE:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        default:
            break;
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    }

private:
    static bool Inside(HWND hwnd, LPARAM lp) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        const POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        return PtInRect(&rc, pt) != FALSE;
    }

    void TrackLeave(HWND hwnd) {
        if (!tracking_) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, hwnd, 0};
            tracking_ = TrackMouseEvent(&tme) != FALSE;
        }
    }

    void SetState(HWND hwnd, bool hot, bool pressed) {
        if (hot != hot_ || pressed != pressed_) {
            hot_ = hot;
            pressed_ = pressed;
            InvalidateRect(hwnd, nullptr, TRUE);
        }
    }

    void Click(HWND hwnd) {
        if (!IsWindowEnabled(hwnd)) {
            return;
        }
        Window(GetParent(hwnd)).Command(Def().id, BN_CLICKED, hwnd);
    }

    void Paint(HWND hwnd, HDC dc) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(dc, &rc, Host().Brush(Host().BackgroundOf(Def().id)));
        const bool enabled = IsWindowEnabled(hwnd) != FALSE;
        if (enabled && pressed_) {
            DrawEdge(dc, &rc, BDR_SUNKENOUTER, BF_RECT);
        } else if (enabled && hot_) {
            DrawEdge(dc, &rc, BDR_RAISEDINNER, BF_RECT);
        }
        if (GetFocus() == hwnd) {
            RECT focus = rc;
            InflateRect(&focus, -ScaleToDpi(2, Host().Dpi()), -ScaleToDpi(2, Host().Dpi()));
            DrawFocusRect(dc, &focus);
        }
        const std::string& caption = Model().Caption();
        if (caption.empty()) {
            return;
        }
        SelectedObject font(dc, FittingFont(dc, caption, rc.right - rc.left));
        SetBkMode(dc, TRANSPARENT);
        RECT text = rc;
        if (pressed_) {
            OffsetRect(&text, 1, 1);
        }
        const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        if (enabled) {
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
            DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, format);
        } else {
            // Embossed, as disabled buttons are drawn.
            OffsetRect(&text, 1, 1);
            SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
            DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, format);
            OffsetRect(&text, -1, -1);
            SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
            DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, format);
        }
    }

    // The style font, or a smaller one where the caption would come nearer the edge than 5
    // pixels (at 96 dpi; the focus frame is 2 pixels in) on each side: a long translation, an
    // italic page name.
    HFONT FittingFont(HDC dc, const std::string& caption, int width) {
        FontDef def = StyleFontDef();
        const int room = width - 2 * ScaleToDpi(5, Host().Dpi());
        for (;;) {
            HFONT font = Host().Font(def);
            SelectedObject measuring(dc, font);
            RECT need{0, 0, 0, 0};
            DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &need,
                      DT_CALCRECT | DT_SINGLELINE);
            if (need.right <= room || def.height <= 7) {
                return font;
            }
            --def.height;
        }
    }

    SpeedButton& button_;
    bool hot_ = false;
    bool pressed_ = false;
    bool down_ = false;
    bool tracking_ = false;
};

} // namespace

void RegisterSpeedButtonClass(HINSTANCE instance) {
    RegisterViewClass(instance, kSpeedButtonClass, ViewWindowProc<SpeedButtonView>);
}

std::unique_ptr<ControlView> MakeSpeedButtonView(ViewHost& host, SpeedButton& model,
                                                 const ControlDef& def) {
    return std::make_unique<SpeedButtonView>(host, model, def);
}

} // namespace korvane::win32
