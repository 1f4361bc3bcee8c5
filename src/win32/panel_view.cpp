// Panels and group boxes: borderless coloured containers of our own window class. They
// take part in keyboard navigation (WS_EX_CONTROLPARENT), pass their children's
// notifications back to the views, and give transparent-looking children their colour.
// A group box is the same container with an etched frame and its caption on top.
#include "win32/control_view.hpp"
#include "win32/gdi_handles.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace korvane::win32 {

namespace {

class PanelView : public ControlView {
public:
    using ControlView::ControlView;

    void Create(HWND parent) override {
        CreateChild(kPanelClass, WS_CLIPSIBLINGS | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent, -1,
                    this);
    }

    void Mirror(Property property, std::ptrdiff_t index) override {
        ControlView::Mirror(property, index);
        if (property == Property::Caption && Hwnd()) {
            InvalidateRect(Hwnd(), nullptr, TRUE);
        }
    }

    LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        switch (msg) {
        case WM_ERASEBKGND:
            Fill(hwnd, reinterpret_cast<HDC>(wp));
            return 1;
        case WM_PRINTCLIENT:
            Fill(hwnd, reinterpret_cast<HDC>(wp));
            if (IsGroupBox()) {
                PaintFrame(hwnd, reinterpret_cast<HDC>(wp));
            }
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            if (IsGroupBox()) {
                PaintFrame(hwnd, dc);
            }
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: {
            LRESULT result = 0;
            if (Host().Reflect(msg, wp, lp, result)) {
                return result;
            }
            break;
        }
        default:
            break;
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    }

private:
    bool IsGroupBox() const noexcept { return Spec().kind == ControlKind::GroupBox; }

    void Fill(HWND hwnd, HDC dc) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(dc, &rc, Host().Brush(Host().BackgroundOf(Spec().id)));
    }

    // The etched frame starts half a text line down; the caption sits on it at the left.
    void PaintFrame(HWND hwnd, HDC dc) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        SelectedObject font(dc, SpecFont());
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        RECT frame = rc;
        frame.top += tm.tmHeight / 2;
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        const std::string& caption = Model().Caption();
        if (caption.empty()) {
            return;
        }
        RECT text{8, 0, rc.right - 8, tm.tmHeight};
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                  DT_CALCRECT | DT_SINGLELINE);
        text.right = std::min<LONG>(text.right, rc.right - 8);
        const std::uint32_t background = Host().BackgroundOf(Spec().id);
        SetBkColor(dc, background == kDefaultColour ? GetSysColor(COLOR_BTNFACE)
                                                    : ToColorRef(background));
        SetBkMode(dc, OPAQUE);
        SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE);
    }
};

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    try {
        if (msg == WM_NCCREATE) {
            const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        }
        auto* view = reinterpret_cast<PanelView*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
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
        // Nothing may unwind into the system's code; the message falls back to the default.
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

} // namespace

void RegisterPanelClass(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PanelProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kPanelClass;
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("Cannot register the panel window class");
    }
}

std::unique_ptr<ControlView> MakePanelView(ViewHost& host, Control& model,
                                           const ControlSpec& spec) {
    return std::make_unique<PanelView>(host, model, spec);
}

} // namespace korvane::win32
