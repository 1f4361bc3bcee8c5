// Check boxes. The box is not automatic: a click asks the model, which decides the new
// state and runs the handler; the window only shows what the model holds, a marked box in
// the grey third state. A caption wider
// than the layout's box widens the check box, so it is never cut off.
#include "win32/control_messages.hpp"
#include "win32/control_view.hpp"
#include "win32/gdi_handles.hpp"

#include <algorithm>
#include <string>

namespace korvane::win32 {

namespace {

class CheckBoxView : public ControlView {
public:
    CheckBoxView(ViewHost& host, CheckBox& model, const ControlDef& def) noexcept
        : ControlView(host, model, def), box_(model) {}

    void Create(HWND parent) override {
        CreateChild("BUTTON", BS_3STATE | WS_TABSTOP, 0, parent);
        FitToCaption();
        ShowCheck();
    }

    void Mirror(Property property, std::ptrdiff_t index) override {
        ControlView::Mirror(property, index);
        if (property == Property::Checked || property == Property::Marked) {
            ShowCheck();
        } else if (property == Property::Caption) {
            FitToCaption();
        }
    }

    void Rescale() override {
        ControlView::Rescale();
        FitToCaption();
    }

    // A mouse click, Space or the access key.
    void OnCommand(UINT code) override {
        if (code == BN_CLICKED) {
            Host().UserInput([this] { box_.UserClick(); });
        }
    }

private:
    void ShowCheck() {
        if (Hwnd()) {
            ButtonWindow(Hwnd()).SetCheck(box_.Marked()    ? BST_INDETERMINATE
                                          : box_.Checked() ? BST_CHECKED
                                                           : BST_UNCHECKED);
        }
    }

    // The layout's width, or more where the caption needs it: at other dpi than 96 the text
    // grows a little faster than the layout (font heights are whole pixels), and a
    // translation may be longer than the form's caption.
    void FitToCaption() {
        if (!Hwnd()) {
            return;
        }
        // Room for the box and the gap left of the text (16 pixels at 96 dpi), and for ink
        // past the last advance.
        constexpr int kCheckMarkRoom = 18;
        WindowDc dc(Hwnd());
        SelectedObject font(dc.Get(), DefFont());
        const std::string& caption = Model().Caption();
        RECT rc{0, 0, 0, 0};
        DrawTextA(dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &rc,
                  DT_CALCRECT | DT_SINGLELINE);
        const int width = std::max<int>(Scaled(Def().width), Scaled(kCheckMarkRoom) + rc.right);
        RECT now;
        GetWindowRect(Hwnd(), &now);
        if (now.right - now.left != width) {
            SetWindowPos(Hwnd(), nullptr, 0, 0, width, now.bottom - now.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }

    CheckBox& box_;
};

} // namespace

std::unique_ptr<ControlView> MakeCheckBoxView(ViewHost& host, CheckBox& model,
                                              const ControlDef& def) {
    return std::make_unique<CheckBoxView>(host, model, def);
}

} // namespace korvane::win32
