// Check boxes. The box is not automatic: a click asks the model, which decides the new
// state and runs the handler; the window only shows what the model holds.
#include "win32/control_view.hpp"

namespace korvane::win32 {

namespace {

class CheckBoxView : public ControlView {
public:
    CheckBoxView(ViewHost& host, CheckBox& model, const ControlDef& def) noexcept
        : ControlView(host, model, def), box_(model) {}

    void Create(HWND parent) override {
        CreateChild("BUTTON", BS_CHECKBOX | WS_TABSTOP, 0, parent);
        ShowCheck();
    }

    void Mirror(Property property, std::ptrdiff_t index) override {
        ControlView::Mirror(property, index);
        if (property == Property::Checked) {
            ShowCheck();
        }
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
            SendMessageA(Hwnd(), BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
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
