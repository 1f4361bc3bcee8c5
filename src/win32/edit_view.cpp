// Edit fields: edit1 (single line) and edit2 (several lines, word wrap, no scroll bars, read
// only), and the manual page's search field. What the user types reaches the model as the field's
// text; Enter in a single-line field reaches it as Enter. A caption is the grey hint a field shows
// while empty.
#include "win32/control_messages.hpp"
#include "win32/control_view.hpp"
#include "win32/subclass.hpp"

#include <commctrl.h>

#include <string>

namespace korvane::win32 {

namespace {

class EditView : public ControlView {
public:
    EditView(ViewHost& host, Edit& model, const ControlDef& def) noexcept
        : ControlView(host, model, def), edit_(model) {}

    void Create(HWND parent) override {
        DWORD style = WS_TABSTOP;
        if (Def().kind == ControlKind::Memo) {
            style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        } else {
            style |= ES_AUTOHSCROLL;
        }
        if (Def().border) {
            style |= WS_BORDER; // a flat frame, not a sunken one
        }
        if (Def().readOnly) {
            style |= ES_READONLY; // still in the Tab order, its text can be selected and copied
        }
        HWND hwnd = CreateChild("EDIT", style, 0, parent);
        SetWindowTextA(hwnd, edit_.Text().c_str());
        keys_.Attach(hwnd, Def().kind == ControlKind::Memo ? TabProc : EnterProc, this);
        ShowCue();
    }

    void Mirror(Property property, std::ptrdiff_t index) override {
        if (property == Property::Text) {
            // The field may already show it (the user typed it): leave the caret alone then.
            if (Hwnd() && WindowTextOf(Hwnd()) != edit_.Text()) {
                SetWindowTextA(Hwnd(), edit_.Text().c_str());
            }
        } else if (property == Property::Caption) {
            ShowCue();
        } else {
            ControlView::Mirror(property, index);
        }
    }

    void OnCommand(UINT code) override {
        if (code == EN_CHANGE) {
            std::string text = WindowTextOf(Hwnd());
            Host().UserInput([this, &text] { edit_.UserEditText(std::move(text)); });
        }
    }

private:
    void ShowCue() {
        if (!Hwnd()) {
            return;
        }
        const std::string& cue = edit_.Caption();
        std::wstring wide(cue.size() + 1, L'\0');
        const int n = MultiByteToWideChar(CP_ACP, 0, cue.c_str(), static_cast<int>(cue.size()),
                                          wide.data(), static_cast<int>(wide.size()));
        wide.resize(static_cast<std::size_t>(n > 0 ? n : 0));
        EditWindow(Hwnd()).SetCueBanner(wide);
    }

    // Enter in a single-line field whose model takes it: the dialog navigation would
    // otherwise swallow the key, and the field would beep at its character.
    static LRESULT EnterProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, void* view) noexcept {
        auto* self = static_cast<EditView*>(view);
        const bool takesEnter = self && self->edit_.onEnter != nullptr;
        if (msg == WM_GETDLGCODE && takesEnter) {
            LRESULT code = DefSubclassProc(hwnd, msg, wp, lp);
            const auto* key = reinterpret_cast<const MSG*>(lp);
            if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) {
                code |= DLGC_WANTALLKEYS;
            }
            return code;
        } else if (msg == WM_KEYDOWN && wp == VK_RETURN && takesEnter) {
            self->Host().UserInput([self] { self->edit_.UserEnter(); });
            return 0;
        } else if (msg == WM_CHAR && wp == '\r' && takesEnter) {
            return 0;
        }
        return DefSubclassProc(hwnd, msg, wp, lp);
    }

    // A field of several lines wants every key, Tab included; here Tab moves on to the
    // next control, as everywhere else in the window (Enter still breaks the line).
    static LRESULT TabProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, void*) noexcept {
        if (msg == WM_GETDLGCODE) {
            LRESULT code = DefSubclassProc(hwnd, msg, wp, lp);
            const auto* key = reinterpret_cast<const MSG*>(lp);
            if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB) {
                code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
            }
            return code;
        }
        return DefSubclassProc(hwnd, msg, wp, lp);
    }

    Edit& edit_;
    // Tab in a field of several lines (TabProc), Enter in one of one line (EnterProc).
    Subclass keys_;
};

} // namespace

std::unique_ptr<ControlView> MakeEditView(ViewHost& host, Edit& model, const ControlDef& def) {
    return std::make_unique<EditView>(host, model, def);
}

} // namespace korvane::win32
