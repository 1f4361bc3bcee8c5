// Drop-downs. Editable ones (aufloesung, ComboBox1-3) and fixed lists (ComboBox4-6) show the
// model's text, selected item and highlighted part. Typing is the model's business: printable
// keys and Backspace are taken from the window before it acts on them and handed to the
// model (auto-complete, incremental search), which then says what the field shows. Other
// edits (Delete, paste, cut) reach the model as the field's new text.
#include "win32/control_messages.hpp"
#include "win32/control_view.hpp"
#include "win32/gdi_handles.hpp"
#include "win32/subclass.hpp"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace korvane::win32 {

namespace {

// Rows the open list shows before it scrolls, and the height the list takes for each (at
// 96 dpi).
constexpr int kDropDownRows = 8;
constexpr int kDropDownRowHeight = 16;

// The character of a WM_CHAR as a byte of the ANSI code page; false when it has none.
bool AnsiChar(HWND hwnd, WPARAM wp, char& out) {
    if (!IsWindowUnicode(hwnd)) {
        out = static_cast<char>(wp & 0xFF);
        return true;
    }
    const wchar_t wide = static_cast<wchar_t>(wp);
    char bytes[8];
    BOOL usedDefault = FALSE;
    const int n =
        WideCharToMultiByte(CP_ACP, 0, &wide, 1, bytes, sizeof bytes, nullptr, &usedDefault);
    if (n != 1 || usedDefault) {
        return false;
    }
    out = bytes[0];
    return true;
}

class ComboBoxView : public ControlView {
public:
    ComboBoxView(ViewHost& host, ComboBox& model, const ControlDef& def) noexcept
        : ControlView(host, model, def), combo_(model) {}

    void Create(HWND parent) override {
        const DWORD style = (Editable() ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST) |
                            WS_VSCROLL | WS_TABSTOP;
        // The window's height is that of the open list; the closed height follows the
        // field's item height below.
        HWND hwnd = CreateChild("COMBOBOX", style, 0, parent,
                                Def().height + kDropDownRows * kDropDownRowHeight);
        FillItems();
        SetFieldHeight();
        Combo().SetVisibleRows(kDropDownRows);
        HWND keyWindow = nullptr;
        if (Editable()) {
            COMBOBOXINFO info{};
            info.cbSize = sizeof(info);
            if (GetComboBoxInfo(hwnd, &info) && info.hwndItem) {
                keyWindow = info.hwndItem;
            }
        } else {
            keyWindow = hwnd;
            combo_.SetClock([] { return static_cast<std::int64_t>(GetTickCount64()); });
        }
        keys_.Attach(keyWindow, KeyProc, this);
        ShowState();
    }

    void Mirror(Property property, std::ptrdiff_t index) override {
        switch (property) {
        case Property::Caption:
            break; // a drop-down shows its text, not a caption
        case Property::Item:
            ReplaceItem(index);
            ShowState();
            break;
        case Property::Items:
            FillItems();
            ShowState();
            break;
        case Property::Selection:
        case Property::Text:
            ShowState();
            break;
        case Property::Marked:
            if (keys_) {
                InvalidateRect(keys_.Hwnd(), nullptr, TRUE);
            }
            break;
        default:
            ControlView::Mirror(property, index);
            break;
        }
    }

    void Rescale() override {
        ControlView::Rescale();
        SetFieldHeight();
    }

    // The field and the list keep the system's colours, also when the drop-down asks as a
    // static control would; a marked field (its text names nothing the drop-down can store)
    // draws its text red, or inverted where the system is in high contrast.
    HBRUSH OnCtlColor(UINT msg, HDC dc) override {
        if (msg != WM_CTLCOLOREDIT || !combo_.Marked()) {
            return nullptr;
        }
        HIGHCONTRASTA contrast{};
        contrast.cbSize = sizeof(contrast);
        if (SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
            (contrast.dwFlags & HCF_HIGHCONTRASTON)) {
            SetTextColor(dc, GetSysColor(COLOR_WINDOW));
            SetBkColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            return GetSysColorBrush(COLOR_WINDOWTEXT);
        }
        SetTextColor(dc, RGB(192, 0, 0));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    }

    void OnCommand(UINT code) override {
        if (code == CBN_SELCHANGE) {
            const int index = Combo().Selected();
            Host().UserInput([this, index] { combo_.UserSelect(index); });
        } else if (code == CBN_KILLFOCUS) {
            Host().UserInput([this] { combo_.UserLeave(); });
        } else if (code == CBN_EDITCHANGE && Editable()) {
            // The field already shows the user's edit; keep its caret where the user left it.
            std::string text = WindowTextOf(Hwnd());
            editing_ = true;
            Host().UserInput([this, &text] { combo_.UserEditText(std::move(text)); });
            editing_ = false;
        }
    }

private:
    ComboBoxWindow Combo() const noexcept { return ComboBoxWindow(Hwnd()); }
    bool Editable() const noexcept { return combo_.GetKind() == ComboBox::Kind::Editable; }

    // The closed field is as high as the layout says. Its frame takes 6 pixels at 96 dpi; at
    // other dpi the system's frame may take more or less, so it is measured.
    void SetFieldHeight() {
        HWND hwnd = Hwnd();
        const int height = Scaled(Def().height);
        int item = height - 6;
        for (int attempt = 0; attempt < 2; ++attempt) {
            Combo().SetFieldHeight(item);
            RECT rc;
            GetWindowRect(hwnd, &rc);
            const int off = height - (rc.bottom - rc.top);
            if (off == 0) {
                break;
            }
            item += off;
        }
    }

    void FillItems() {
        const ComboBoxWindow combo = Combo();
        combo.Clear();
        for (const std::string& item : combo_.Items()) {
            combo.Add(item);
        }
        WidenList();
    }

    // The open list is as wide as its longest item needs (the field may be narrower), up to
    // the screen's width.
    void WidenList() {
        HWND hwnd = Hwnd();
        WindowDc dc(hwnd);
        SelectedObject font(dc.Get(), DefFont());
        int widest = 0;
        for (const std::string& item : combo_.Items()) {
            SIZE size{};
            GetTextExtentPoint32A(dc.Get(), item.c_str(), static_cast<int>(item.size()), &size);
            widest = std::max<int>(widest, size.cx);
        }
        const int width = std::min<int>(widest + Scaled(8) + GetSystemMetrics(SM_CXVSCROLL),
                                        GetSystemMetrics(SM_CXSCREEN));
        Combo().SetListWidth(std::max(width, 0));
    }

    void ReplaceItem(std::ptrdiff_t index) {
        if (index < 0 || static_cast<std::size_t>(index) >= combo_.Items().size()) {
            return;
        }
        Combo().Replace(index, combo_.Items()[static_cast<std::size_t>(index)]);
    }

    // Selected item, then (editable) the text and its highlighted part, as the model has them.
    void ShowState() {
        HWND hwnd = Hwnd();
        if (!hwnd) {
            return;
        }
        const ComboBoxWindow combo = Combo();
        DWORD keepStart = 0;
        DWORD keepEnd = 0;
        combo.EditSelection(keepStart, keepEnd);
        const int index = combo_.ItemIndex();
        if (combo.Selected() != index) {
            // In an editable drop-down this also replaces and highlights the text.
            combo.Select(index);
        }
        if (!Editable()) {
            return;
        }
        if (WindowTextOf(hwnd) != combo_.Text()) {
            SetWindowTextA(hwnd, combo_.Text().c_str());
        }
        if (editing_) {
            // The user's own edit (Delete, paste): the caret stays where the user left it.
            combo.SetEditSelection(keepStart, keepEnd);
            return;
        }
        combo.SetEditSelection(combo_.SelStart(), combo_.SelStart() + combo_.SelLength());
    }

    // WM_CHAR of the edit field (editable) or of the drop-down itself (fixed list).
    bool OnChar(HWND window, WPARAM wp) {
        char c = 0;
        const bool backspace = wp == VK_BACK;
        if (!backspace) {
            if (wp < 32 || wp == 127) {
                return false; // control keys (Ctrl+C, Ctrl+V, ...) keep their meaning
            }
            if (!AnsiChar(window, wp, c)) {
                return true; // a character outside the code page cannot be stored
            }
        }
        if (Editable()) {
            DWORD start = 0;
            DWORD end = 0;
            EditWindow(window).Selection(start, end);
            const std::size_t length = end > start ? end - start : 0;
            if (backspace) {
                Host().UserInput([&] { combo_.UserBackspace(start, length); });
            } else {
                Host().UserInput([&] { combo_.UserTypeChar(c, start, length); });
            }
        } else if (backspace) {
            Host().UserInput([&] { combo_.UserBackspace(0, 0); });
        } else {
            Host().UserInput([&] { combo_.UserSearchChar(c); });
        }
        return true;
    }

    static LRESULT KeyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, void* view) noexcept {
        try {
            if (msg == WM_CHAR && static_cast<ComboBoxView*>(view)->OnChar(hwnd, wp)) {
                return 0;
            }
        } catch (...) {
            // Nothing may unwind into the system's code; the key goes its normal way.
            ReportCaught("a key in a drop-down");
        }
        return DefSubclassProc(hwnd, msg, wp, lp);
    }

    ComboBox& combo_;
    // The keys of the edit field (editable) or of the drop-down itself (fixed list).
    Subclass keys_;
    bool editing_ = false;
};

} // namespace

std::unique_ptr<ControlView> MakeComboBoxView(ViewHost& host, ComboBox& model,
                                              const ControlDef& def) {
    return std::make_unique<ComboBoxView>(host, model, def);
}

} // namespace korvane::win32
