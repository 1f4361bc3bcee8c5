// List boxes that hold their rows' texts, so LB_GETTEXT, screen readers and UI Automation
// read every row. Filling stays quick for ten thousand rows: the storage is reserved at
// once and the list draws nothing until the last row is in. A row that changes is replaced
// in place, keeping the selection and the scroll position; a list the model hides holds no
// rows until it is shown. Rows are 14 pixels high at 96 dpi.
// The first row a list shows is the model's: the list tells the model where it scrolled to
// after every message it handled (the user's scrolling, or the program's selection bringing
// a row into view), and shows the row the model asks for. Marked rows are drawn in bold.
#include "win32/control_messages.hpp"
#include "win32/control_view.hpp"
#include "win32/gdi_handles.hpp"
#include "win32/subclass.hpp"

#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace korvane::win32 {

namespace {

constexpr int kRowHeight = 14;

// Changes a list's rows unseen: the list neither draws nor updates its scroll bar until the
// end of the scope, and then draws itself anew once. Besides the list's own redraw flag the
// window's is off meanwhile (DefWindowProc's WM_SETREDRAW, which takes WS_VISIBLE away and
// gives it back, so only for a list that has it): wine draws a visible list's scroll bar at
// once whenever the list turns its drawing back on, some milliseconds each time, which the
// rows written one by one during a Load would add up.
class Unpainted {
public:
    explicit Unpainted(HWND hwnd) noexcept
        : hwnd_(hwnd), shown_((GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0) {
        Window(hwnd_).SetRedraw(false);
        if (shown_) {
            DefWindowProcA(hwnd_, WM_SETREDRAW, FALSE, 0);
        }
    }
    Unpainted(const Unpainted&) = delete;
    Unpainted& operator=(const Unpainted&) = delete;
    ~Unpainted() {
        Window(hwnd_).SetRedraw(true);
        if (shown_) {
            DefWindowProcA(hwnd_, WM_SETREDRAW, TRUE, 0);
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        }
    }

private:
    HWND hwnd_;
    bool shown_;
};

class ListBoxView : public ControlView {
public:
    ListBoxView(ViewHost& host, ListBox& model, const ControlDef& def) noexcept
        : ControlView(host, model, def), list_(model) {}

    void Create(HWND parent) override {
        DWORD style =
            LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_TABSTOP;
        if (Def().scrollBar) {
            style |= WS_VSCROLL;
        }
        if (Def().border) {
            style |= WS_BORDER;
        }
        CreateChild("LISTBOX", style, 0, parent);
        SetRowHeight();
        ShowRows();
        WatchTop();
    }

    void Rescale() override {
        ControlView::Rescale();
        SetRowHeight();
    }

    UINT ItemHeight() const noexcept override { return static_cast<UINT>(Scaled(kRowHeight)); }
    HBRUSH OnCtlColor(UINT, HDC) override { return nullptr; } // the system's colours

    void Mirror(Property property, std::ptrdiff_t index) override {
        switch (property) {
        case Property::Items:
            ShowRows();
            break;
        case Property::Item:
            ReplaceRow(index);
            break;
        case Property::Selection:
            ShowSelection();
            break;
        case Property::TopRow:
            if (Hwnd()) {
                Rows().SetTopIndex(list_.TopIndex());
            }
            break;
        case Property::Mark:
            InvalidateRow(index);
            break;
        case Property::Visible:
            ControlView::Mirror(property, index);
            if (list_.Visible() && !filled_) {
                ShowRows();
            }
            break;
        case Property::Caption:
            break;
        default:
            ControlView::Mirror(property, index);
            break;
        }
    }

    void OnCommand(UINT code) override {
        if (code == LBN_SELCHANGE) {
            const int row = Rows().Selected();
            // A key or a click at the edge may have scrolled the list on the way.
            list_.ShownTopIndex(Rows().TopIndex());
            Host().UserInput([this, row] { list_.UserSelect(row); });
        }
    }

    // Drawn by us, so that the chosen row shows highlighted in every list, not only in the
    // one with the focus, and the text keeps a margin of two pixels (at 96 dpi).
    void OnDrawItem(const DRAWITEMSTRUCT& item) override {
        const bool selected = (item.itemState & ODS_SELECTED) != 0;
        RECT rc = item.rcItem;
        FillRect(item.hDC, &rc, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (item.itemID != static_cast<UINT>(-1)) {
            const std::string text = Rows().Text(item.itemID);
            // A changed line's row is bold: it reads in every colour scheme.
            FontDef bold = Def().font;
            bold.bold = true;
            SelectedObject font(item.hDC,
                                list_.Marked(item.itemID) ? Host().Font(bold) : DefFont());
            SetBkMode(item.hDC, TRANSPARENT);
            SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            RECT textRect = rc;
            textRect.left += Scaled(2);
            DrawTextA(item.hDC, text.c_str(), static_cast<int>(text.size()), &textRect,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        // The list with the focus frames its chosen row in the highlight's text colour (a
        // dotted frame hardly shows on the highlight); without a chosen row, its caret row.
        const bool focused = GetFocus() == Hwnd();
        if (focused && selected) {
            FrameRect(item.hDC, &rc, GetSysColorBrush(COLOR_HIGHLIGHTTEXT));
        } else if ((item.itemState & ODS_FOCUS) && list_.Selected() < 0) {
            DrawFocusRect(item.hDC, &rc);
        }
    }

private:
    ListBoxWindow Rows() const noexcept { return ListBoxWindow(Hwnd()); }

    // The rows' height is the layout's, whatever the font.
    void SetRowHeight() {
        if (Hwnd()) {
            Rows().SetRowHeight(Scaled(kRowHeight));
            RECT rc;
            GetClientRect(Hwnd(), &rc);
            list_.SetPageRows((rc.bottom - rc.top) / Scaled(kRowHeight));
        }
    }

    // A row whose mark changed is drawn anew where the list shows it; a row out of view is
    // drawn as it is once it comes into view. A Load tells every row of a file, ten thousand
    // of them in three lists, and under wine every message to the list (subclassed) and every
    // invalidation goes to the window server: rows a page or more away from the first row
    // the model knows the list to show are passed over without a message.
    void InvalidateRow(std::ptrdiff_t row) {
        if (row == -1 && Hwnd()) { // every row's mark
            InvalidateRect(Hwnd(), nullptr, FALSE);
            return;
        }
        const std::ptrdiff_t top = list_.TopIndex();
        const std::ptrdiff_t page = list_.PageRows();
        if (!Hwnd() || row < 0 || row < top - page || row > top + 2 * page) {
            return;
        }
        RECT rc{};
        RECT client{};
        if (Rows().RowRect(row, rc) && GetClientRect(Hwnd(), &client) && rc.bottom > client.top &&
            rc.top < client.bottom) {
            InvalidateRect(Hwnd(), &rc, TRUE);
        }
    }

    // Tells the model where the list scrolled to: the user's scrolling runs its handler,
    // the program's own changes (a selection brought into view) only update it.
    void ReportTop() noexcept {
        const int top = Rows().TopIndex();
        if (top == list_.TopIndex()) {
            return;
        }
        if (Host().Syncing()) {
            list_.ShownTopIndex(top);
        } else {
            Host().UserInput([this, top] { list_.UserScroll(top); });
        }
    }

    // Watches the list's messages for a change of the first row it shows.
    void WatchTop() noexcept { topWatch_.Attach(Hwnd(), TopProc, this); }

    static LRESULT TopProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, void* view) noexcept {
        const LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
        auto* self = static_cast<ListBoxView*>(view);
        if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS) {
            InvalidateRect(hwnd, nullptr, FALSE); // the chosen row's frame comes or goes
        }
        if (self && self->Hwnd() == hwnd && MayScroll(msg)) {
            self->ReportTop();
        }
        return result;
    }

    // The messages a list gets most often (ten thousand when it is filled, several for
    // every row it paints), which never scroll it.
    static bool MayScroll(UINT msg) noexcept {
        switch (msg) {
        case LB_GETTOPINDEX:
        case LB_ADDSTRING:
        case LB_GETTEXT:
        case LB_GETTEXTLEN:
        case LB_GETITEMRECT:
        case LB_GETCOUNT:
        case LB_GETCURSEL:
        case WM_PAINT:
        case WM_ERASEBKGND:
        case WM_NCPAINT:
        case WM_NCHITTEST:
        case WM_SETCURSOR:
        case WM_GETDLGCODE:
        case WM_DESTROY:
            return false;
        default:
            return true;
        }
    }

    void ShowRows() {
        HWND hwnd = Hwnd();
        if (!hwnd) {
            return;
        }
        // A list the model does not show (the tail list never is) gets its rows once it is
        // shown: a Load or Use would otherwise fill it, a row at a time, for nobody.
        heldRows_.clear(); // every row is shown anew
        filled_ = list_.Visible();
        if (!filled_) {
            Rows().Clear();
            return;
        }
        const std::size_t count = list_.Count();
        std::vector<std::string> rows;
        rows.reserve(count);
        std::size_t bytes = 0;
        for (std::size_t r = 0; r < count; ++r) {
            rows.push_back(list_.Item(static_cast<long long>(r)));
            bytes += rows.back().size() + 1;
        }
        // The rows go in without the watch on the top row, which every message would pass.
        const bool watched = static_cast<bool>(topWatch_);
        topWatch_.Remove();
        struct Rewatch {
            ListBoxView& view;
            bool on;
            ~Rewatch() {
                if (on) {
                    view.WatchTop();
                    view.ReportTop();
                }
            }
        } rewatch{*this, watched};
        Unpainted quiet(hwnd);
        const ListBoxWindow list = Rows();
        list.Clear();
        list.Reserve(count, bytes);
        for (const std::string& row : rows) {
            const LRESULT added = list.Add(row);
            if (added == LB_ERR || added == LB_ERRSPACE) {
                throw std::runtime_error("The list " + std::string(Def().name) +
                                         " has no room for its rows");
            }
        }
        ShowSelection();
    }

    void ShowSelection() {
        if (Hwnd()) {
            // Also brings the row into view.
            Rows().Select(list_.Selected());
        }
    }

    // During the player's input the rows changed are held back: a copy of every view's value
    // changes thousands of rows, and under wine each row replaced in a list of thousands
    // takes milliseconds, while the whole list is filled anew in as many.
    void ReplaceRow(std::ptrdiff_t row) {
        if (Host().InInput()) {
            heldRows_.push_back(row);
        } else {
            ReplaceNow(row);
        }
    }

    void EndOfInput() override {
        constexpr std::size_t kManyRows = 32;
        std::vector<std::ptrdiff_t> rows = std::move(heldRows_);
        heldRows_.clear();
        if (rows.size() <= kManyRows) {
            for (const std::ptrdiff_t row : rows) {
                ReplaceNow(row);
            }
        } else if (Hwnd()) {
            const int top = Rows().TopIndex();
            ShowRows();
            Rows().SetTopIndex(top);
        }
    }

    // The row's new text in place of the old; the list keeps its selection and shows the
    // same rows as before.
    void ReplaceNow(std::ptrdiff_t row) {
        HWND hwnd = Hwnd();
        const ListBoxWindow list = Rows();
        if (!hwnd || row < 0 || row >= list.Count()) {
            return;
        }
        const std::string text = list_.Item(row);
        const int top = list.TopIndex();
        Unpainted quiet(hwnd);
        list.Replace(row, text);
        if (list.Selected() != list_.Selected()) {
            list.Select(list_.Selected());
        }
        list.SetTopIndex(top);
    }

    ListBox& list_;
    bool filled_ = false;                  // the list holds the model's rows
    std::vector<std::ptrdiff_t> heldRows_; // changed during the input, shown at its end
    // Tells the model where the list scrolled to (TopProc).
    Subclass topWatch_;
};

} // namespace

std::unique_ptr<ControlView> MakeListBoxView(ViewHost& host, ListBox& model,
                                             const ControlDef& def) {
    return std::make_unique<ListBoxView>(host, model, def);
}

} // namespace korvane::win32
