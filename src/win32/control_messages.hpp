// The messages the window sends to the system's controls, each written once here with its
// types, so that no caller casts a WPARAM or an LPARAM. A wrapper owns nothing: it is the
// control's HWND with the messages of its class (as 7-Zip's CComboBox::AddString is
// SendMsg(CB_ADDSTRING, 0, (LPARAM)s)).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <string>

namespace korvane::win32 {

// The messages every window takes.
class Window {
public:
    explicit Window(HWND hwnd) noexcept : hwnd_(hwnd) {}
    HWND Hwnd() const noexcept { return hwnd_; }

    // The font the control draws with; it draws anew at its next paint.
    void SetFont(HFONT font) const noexcept {
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    // The control's own redraw flag.
    void SetRedraw(bool on) const noexcept { Send(WM_SETREDRAW, on ? TRUE : FALSE); }
    // Changes the focus frame's and the access keys' look (UIS_SET, UIS_CLEAR).
    void ChangeUiState(WORD action, WORD flags) const noexcept {
        Send(WM_CHANGEUISTATE, MAKEWPARAM(action, flags));
    }
    // What the control wants of the dialog keys (DLGC_*).
    LRESULT DialogCode() const noexcept { return Send(WM_GETDLGCODE); }
    // Tells this window (a control's parent) that the control `from` reports `code`.
    void Command(int id, WORD code, HWND from) const noexcept {
        Send(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), code), reinterpret_cast<LPARAM>(from));
    }

protected:
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const noexcept {
        return SendMessageA(hwnd_, msg, wp, lp);
    }
    // A row, a column or -1 (none, or all) as a message's WPARAM.
    static WPARAM Index(std::ptrdiff_t index) noexcept { return static_cast<WPARAM>(index); }
    template <class T> static LPARAM Address(T* data) noexcept {
        return reinterpret_cast<LPARAM>(data);
    }
    static LPARAM Address(const std::string& text) noexcept { return Address(text.c_str()); }

private:
    HWND hwnd_;
};

class ButtonWindow : public Window {
public:
    using Window::Window;
    // BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE (a box's grey third state).
    void SetCheck(WPARAM state) const noexcept { Send(BM_SETCHECK, state); }
};

class EditWindow : public Window {
public:
    using Window::Window;
    // The highlighted part, from start to end (the caret where they are the same).
    void Selection(DWORD& start, DWORD& end) const noexcept {
        Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), Address(&end));
    }
    void SelectAll() const noexcept { Send(EM_SETSEL, 0, -1); }
    // The grey hint of an empty field; the message takes UTF-16 in any window.
    void SetCueBanner(const std::wstring& cue) const noexcept {
        SendMessageW(Hwnd(), EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(cue.c_str()));
    }
};

// The messages of a list box and of a drop-down's list that have the same meaning under
// names of their own.
struct ListBoxRowMessages {
    static constexpr UINT kAdd = LB_ADDSTRING;
    static constexpr UINT kInsert = LB_INSERTSTRING;
    static constexpr UINT kDelete = LB_DELETESTRING;
    static constexpr UINT kReset = LB_RESETCONTENT;
    static constexpr UINT kCount = LB_GETCOUNT;
    static constexpr UINT kGetSelected = LB_GETCURSEL;
    static constexpr UINT kSelect = LB_SETCURSEL;
};
struct ComboBoxRowMessages {
    static constexpr UINT kAdd = CB_ADDSTRING;
    static constexpr UINT kInsert = CB_INSERTSTRING;
    static constexpr UINT kDelete = CB_DELETESTRING;
    static constexpr UINT kReset = CB_RESETCONTENT;
    static constexpr UINT kCount = CB_GETCOUNT;
    static constexpr UINT kGetSelected = CB_GETCURSEL;
    static constexpr UINT kSelect = CB_SETCURSEL;
};

// Rows of text, chosen one at a time: what a list box and a drop-down share. Their error
// values are the same (LB_ERR is CB_ERR, LB_ERRSPACE is CB_ERRSPACE).
template <class Messages> class TextRowsWindow : public Window {
public:
    using Window::Window;
    void Clear() const noexcept { Send(Messages::kReset); }
    // The new row's index, or LB_ERR or LB_ERRSPACE.
    LRESULT Add(const std::string& text) const noexcept {
        return Send(Messages::kAdd, 0, Address(text));
    }
    // The row's new text in place of the old: the control keeps no text it could change.
    void Replace(std::ptrdiff_t row, const std::string& text) const noexcept {
        Send(Messages::kDelete, Index(row));
        Send(Messages::kInsert, Index(row), Address(text));
    }
    int Count() const noexcept { return static_cast<int>(Send(Messages::kCount)); }
    // The chosen row; -1 for none.
    int Selected() const noexcept { return static_cast<int>(Send(Messages::kGetSelected)); }
    void Select(int row) const noexcept { Send(Messages::kSelect, Index(row)); }
};

class ListBoxWindow : public TextRowsWindow<ListBoxRowMessages> {
public:
    using TextRowsWindow::TextRowsWindow;
    // Room for that many rows of that many bytes in all, taken at once.
    void Reserve(std::size_t rows, std::size_t bytes) const noexcept {
        Send(LB_INITSTORAGE, rows, static_cast<LPARAM>(bytes));
    }
    // The height of every row (an owner-drawn list of fixed rows).
    void SetRowHeight(int height) const noexcept { Send(LB_SETITEMHEIGHT, 0, height); }
    int TopIndex() const noexcept { return static_cast<int>(Send(LB_GETTOPINDEX)); }
    void SetTopIndex(int row) const noexcept { Send(LB_SETTOPINDEX, Index(row)); }
    // The row's rectangle in the list; false for a row it does not have.
    bool RowRect(std::ptrdiff_t row, RECT& rect) const noexcept {
        return Send(LB_GETITEMRECT, Index(row), Address(&rect)) != LB_ERR;
    }
    // The row's own text; empty for a row it does not have.
    std::string Text(std::size_t row) const {
        const LRESULT length = Send(LB_GETTEXTLEN, row);
        if (length <= 0) {
            return {};
        }
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        const LRESULT copied = Send(LB_GETTEXT, row, Address(text.data()));
        text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
        return text;
    }
};

class ComboBoxWindow : public TextRowsWindow<ComboBoxRowMessages> {
public:
    using TextRowsWindow::TextRowsWindow;
    // Rows the open list shows before it scrolls.
    void SetVisibleRows(int rows) const noexcept { Send(CB_SETMINVISIBLE, Index(rows)); }
    // The height of the closed field's text.
    void SetFieldHeight(int height) const noexcept { Send(CB_SETITEMHEIGHT, Index(-1), height); }
    // The open list's width, also wider than the field.
    void SetListWidth(int width) const noexcept { Send(CB_SETDROPPEDWIDTH, Index(width)); }
    // The highlighted part of an editable drop-down's field, from start to end.
    void EditSelection(DWORD& start, DWORD& end) const noexcept {
        Send(CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), Address(&end));
    }
    // The field's positions are 16-bit.
    void SetEditSelection(std::size_t start, std::size_t end) const noexcept {
        Send(CB_SETEDITSEL, 0, MAKELPARAM(static_cast<WORD>(start), static_cast<WORD>(end)));
    }
};

// A list view in report mode: rows of cells under columns.
class ListViewWindow : public Window {
public:
    using Window::Window;
    void SetExtendedStyle(DWORD mask, DWORD style) const noexcept {
        Send(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, static_cast<LPARAM>(style));
    }
    // False when there was none to delete.
    bool DeleteColumn(int column) const noexcept {
        return Send(LVM_DELETECOLUMN, Index(column)) != FALSE;
    }
    // The list copies the text.
    void InsertColumn(int column, std::string text, int format, int width) const noexcept {
        LVCOLUMNA info{};
        info.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        info.fmt = format;
        info.pszText = text.data();
        info.cx = width;
        Send(LVM_INSERTCOLUMNA, Index(column), Address(&info));
    }
    void SetColumnWidth(int column, int width) const noexcept {
        Send(LVM_SETCOLUMNWIDTH, Index(column), width);
    }
    void DeleteAllRows() const noexcept { Send(LVM_DELETEALLITEMS); }
    // A virtual list's rows: how many there are (their texts come from its owner).
    void SetRowCount(std::size_t rows) const noexcept { Send(LVM_SETITEMCOUNT, rows); }
    int Count() const noexcept { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    // The cell under hit.pt (client coordinates); false where the point is on no cell.
    bool CellAt(LVHITTESTINFO& hit) const noexcept {
        return Send(LVM_SUBITEMHITTEST, 0, Address(&hit)) >= 0 && hit.iItem >= 0;
    }
    // Sets the state bits of mask to state, for a row or (-1) every row.
    void SetRowState(int row, UINT state, UINT mask) const noexcept {
        LVITEMA item{};
        item.stateMask = mask;
        item.state = state;
        Send(LVM_SETITEMSTATE, Index(row), Address(&item));
    }
    void EnsureVisible(int row) const noexcept { Send(LVM_ENSUREVISIBLE, Index(row), FALSE); }
    void RedrawRows(std::ptrdiff_t first, std::ptrdiff_t last) const noexcept {
        Send(LVM_REDRAWITEMS, Index(first), last);
    }
};

class TrackBarWindow : public Window {
public:
    using Window::Window;
    // The range, drawn at the next change of the position.
    void SetRange(int min, int max) const noexcept {
        Send(TBM_SETRANGEMIN, FALSE, min);
        Send(TBM_SETRANGEMAX, FALSE, max);
    }
    void SetTickFrequency(int frequency) const noexcept { Send(TBM_SETTICFREQ, Index(frequency)); }
    void SetThumbLength(int length) const noexcept { Send(TBM_SETTHUMBLENGTH, Index(length)); }
    int Position() const noexcept { return static_cast<int>(Send(TBM_GETPOS)); }
    void SetPosition(int position) const noexcept { Send(TBM_SETPOS, TRUE, position); }
};

class TipsWindow : public Window {
public:
    using Window::Window;
    // Tips wider than this wrap onto more rows.
    void SetMaxTipWidth(int width) const noexcept { Send(TTM_SETMAXTIPWIDTH, 0, width); }
    // How long a tip shows while the mouse rests.
    void SetShowTime(int ms) const noexcept { Send(TTM_SETDELAYTIME, TTDT_AUTOPOP, ms); }
    // The tooltip copies the tool's text.
    void AddTool(const TTTOOLINFOA& tool) const noexcept { Send(TTM_ADDTOOLA, 0, Address(&tool)); }
    void DeleteTool(const TTTOOLINFOA& tool) const noexcept {
        Send(TTM_DELTOOLA, 0, Address(&tool));
    }
    void UpdateTipText(const TTTOOLINFOA& tool) const noexcept {
        Send(TTM_UPDATETIPTEXTA, 0, Address(&tool));
    }
    // The rectangle of a tool that is a rectangle of its window.
    void NewToolRect(const TTTOOLINFOA& tool) const noexcept {
        Send(TTM_NEWTOOLRECTA, 0, Address(&tool));
    }
};

} // namespace korvane::win32
