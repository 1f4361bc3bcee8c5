// Labels (STATIC: a single & marks the access key, && shows one ampersand) and the line
// shape. Labels fit themselves to their text as the caption changes, except the centred
// and wrapping ones, which keep the layout's box; a wrapping label whose text needs more
// lines than its box holds widens.
#include "win32/control_view.hpp"
#include "win32/gdi_handles.hpp"

#include <algorithm>
#include <string>

namespace korvane::win32 {

namespace {

// The layout's width, or more where the text wrapped in it takes more lines than the
// box's height holds (at other dpi than 96 text grows a little faster than the layout, and
// a translation may be longer): the least width that holds it, up to the parent's edge.
void WrappingWiden(HWND hwnd, HFONT font, const std::string& text, int width, int height) {
    WindowDc dc(hwnd);
    SelectedObject selected(dc.Get(), font);
    auto fits = [&](int w) {
        RECT rc{0, 0, w, 0};
        DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &rc,
                  DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        return rc.bottom <= height;
    };
    if (!fits(width)) {
        RECT parent;
        GetClientRect(GetParent(hwnd), &parent);
        RECT place;
        GetWindowRect(hwnd, &place);
        MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&place), 2);
        int most = std::max<int>(width, parent.right - place.left);
        if (fits(most)) {
            // The least width that fits lies in (width, most].
            while (most - width > 1) {
                const int middle = width + (most - width) / 2;
                (fits(middle) ? most : width) = middle;
            }
        }
        width = most;
    }
    RECT now;
    GetWindowRect(hwnd, &now);
    if (now.right - now.left != width || now.bottom - now.top != height) {
        SetWindowPos(hwnd, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

class LabelView : public ControlView {
public:
    using ControlView::ControlView;

    void Create(HWND parent) override {
        DWORD style = SS_LEFTNOWORDWRAP;
        if (Def().centred) {
            style = SS_CENTER;
        } else if (Def().wordWrap) {
            style = SS_LEFT;
        }
        CreateChild("STATIC", style, 0, parent);
        FitToText();
    }

    void Mirror(Property property, std::ptrdiff_t index) override {
        ControlView::Mirror(property, index);
        if (property == Property::Caption) {
            FitToText();
        }
    }

    void Rescale() override {
        ControlView::Rescale();
        FitToText();
    }

private:
    // Labels fit their text (the layout's size is that of the form's German caption), so a
    // longer translated caption is not cut off. Centred and wrapping labels keep their box.
    bool AutoSize() const noexcept { return !Def().centred && !Def().wordWrap; }

    void FitToText() {
        if (Hwnd() && Def().wordWrap) {
            WrappingWiden(Hwnd(), DefFont(), Model().Caption(), Scaled(Def().width),
                          Scaled(Def().height));
        }
        if (!Hwnd() || !AutoSize()) {
            return;
        }
        WindowDc dc(Hwnd());
        SelectedObject font(dc.Get(), DefFont());
        // An empty label keeps the height of a line, as if it held a blank.
        const std::string text = Model().Caption().empty() ? " " : Model().Caption();
        RECT rc{0, 0, 0, 0};
        DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &rc,
                  DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
        // A glyph may ink a pixel past its advance (wine's fonts do at this size); without
        // the margin a label would lose the colon at the end of "Steering wheel:".
        constexpr int kInkMargin = 2;
        SetWindowPos(Hwnd(), nullptr, 0, 0, rc.right + Scaled(kInkMargin), rc.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(Hwnd(), nullptr, TRUE);
    }
};

// A vertical line: a black rectangle one pixel wide.
class ShapeView : public ControlView {
public:
    using ControlView::ControlView;
    void Create(HWND parent) override { CreateChild("STATIC", SS_BLACKRECT, 0, parent); }
};

} // namespace

std::unique_ptr<ControlView> MakeLabelView(ViewHost& host, Control& model, const ControlDef& def) {
    return std::make_unique<LabelView>(host, model, def);
}

std::unique_ptr<ControlView> MakeShapeView(ViewHost& host, Control& model, const ControlDef& def) {
    return std::make_unique<ShapeView>(host, model, def);
}

} // namespace korvane::win32
