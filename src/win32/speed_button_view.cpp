// Flat buttons of the navigation strip (and the apply button): our own window class,
// drawn flat on the parent's colour, raised while the mouse is over it and sunken while
// pressed. They take no focus; their font style comes from the model and marks the page
// on show. A click, BM_CLICK or the access key reports BN_CLICKED to the parent.
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

    void Create(HWND parent) override { CreateChild(kSpeedButtonClass, 0, 0, parent, -1, this); }

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
    HFONT StyleFont() const {
        FontDef font = Def().font;
        const FontStyle style = button_.Style();
        font.bold = style == FontStyle::Bold || style == FontStyle::BoldItalic;
        font.italic = style == FontStyle::Italic || style == FontStyle::BoldItalic;
        return Host().Font(font);
    }

    LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        switch (msg) {
        case WM_GETDLGCODE:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
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
        SendMessageA(GetParent(hwnd), WM_COMMAND,
                     MAKEWPARAM(static_cast<WORD>(Def().id), BN_CLICKED),
                     reinterpret_cast<LPARAM>(hwnd));
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
        const std::string& caption = Model().Caption();
        if (caption.empty()) {
            return;
        }
        SelectedObject font(dc, StyleFont());
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
