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
        default:
            if (LRESULT result = 0; Host().Reflect(msg, wp, lp, result)) {
                return result;
            }
            break;
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    }

private:
    bool IsGroupBox() const noexcept { return Def().kind == ControlKind::GroupBox; }

    void Fill(HWND hwnd, HDC dc) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(dc, &rc, Host().Brush(Host().BackgroundOf(Def().id)));
    }

    // The etched frame starts half a text line down; the caption sits on it at the left.
    void PaintFrame(HWND hwnd, HDC dc) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        SelectedObject font(dc, DefFont());
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        RECT frame = rc;
        frame.top += tm.tmHeight / 2;
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        const std::string& caption = Model().Caption();
        if (caption.empty()) {
            return;
        }
        const int indent = Scaled(8);
        RECT text{indent, 0, rc.right - indent, tm.tmHeight};
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                  DT_CALCRECT | DT_SINGLELINE);
        text.right = std::min<LONG>(text.right, rc.right - indent);
        const std::uint32_t background = Host().BackgroundOf(Def().id);
        SetBkColor(dc, background == kDefaultColour ? GetSysColor(COLOR_BTNFACE)
                                                    : ToColorRef(background));
        SetBkMode(dc, OPAQUE);
        SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE);
    }
};

} // namespace

void RegisterPanelClass(HINSTANCE instance) {
    RegisterViewClass(instance, kPanelClass, ViewWindowProc<PanelView>);
}

std::unique_ptr<ControlView> MakePanelView(ViewHost& host, Control& model, const ControlDef& def) {
    return std::make_unique<PanelView>(host, model, def);
}

} // namespace korvane::win32
