// Grids: a list view in report mode whose rows the model holds (a virtual list): the list
// knows their count and asks for a cell's text whenever it draws it or is asked for it, so
// LVM_GETITEMTEXT, screen readers and UI Automation read every cell, and a grid of thousands
// of rows is filled, and a row changed, without a message per cell (wine's list view takes
// longer for each row it stores the more rows it holds). The model's chosen cell is drawn
// highlighted, its row's first cell with the list's own selection; marked cells are bold and
// rows set apart have their cells on a tint. A click chooses the cell under the mouse; the
// arrow keys move the chosen cell, Up and Down as the list moves its selection.
#include "win32/control_messages.hpp"
#include "win32/control_view.hpp"
#include "win32/gdi_handles.hpp"
#include "win32/subclass.hpp"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace korvane::win32 {

namespace {

// Every column but the first is this wide (at 96 dpi); the first takes the rest.
constexpr int kCellWidth = 70;
// The tint of rows set apart: a pale amber that black text reads on.
constexpr COLORREF kTint = RGB(0xFF, 0xEC, 0xB3);

bool HighContrast() noexcept {
    HIGHCONTRASTA hc{};
    hc.cbSize = sizeof(hc);
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof(hc), &hc, 0) &&
           (hc.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

class ListViewView : public ControlView {
public:
    ListViewView(ViewHost& host, ListView& model, const ControlDef& def) noexcept
        : ControlView(host, model, def), grid_(model) {}

    void Create(HWND parent) override {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        DWORD style = LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                      LVS_NOSORTHEADER | WS_TABSTOP;
        if (Def().border) {
            style |= WS_BORDER;
        }
        HWND hwnd = CreateChild(WC_LISTVIEWA, style, 0, parent);
        constexpr DWORD kExtended = LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP;
        Grid().SetExtendedStyle(kExtended, kExtended);
        ShowColumns();
        ShowRows();
        input_.Attach(hwnd, InputProc, this);
    }

    void Rescale() override {
        ControlView::Rescale();
        FitColumns();
    }

    void Mirror(Property property, std::ptrdiff_t index) override {
        switch (property) {
        case Property::Columns:
            ShowColumns();
            break;
        case Property::Items:
            ShowRows();
            break;
        case Property::Item:
            ShowRow(index);
            break;
        case Property::Selection:
            ShowSelection();
            break;
        case Property::Mark: // one row's cells, or (-1) every cell: drawn anew, texts kept
            if (index < 0 && Hwnd()) {
                InvalidateRect(Hwnd(), nullptr, FALSE);
            }
            Redraw(index);
            break;
        case Property::Caption:
            break;
        default:
            ControlView::Mirror(property, index);
            break;
        }
    }

    bool OnNotify(NMHDR& header, LRESULT& result) override {
        if (header.hwndFrom != Hwnd()) {
            return false;
        }
        switch (header.code) {
        case LVN_ITEMCHANGED: {
            // The list moved its selection (the keys): the chosen cell follows, in its column.
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED) &&
                change.iItem != grid_.Selected()) {
                const int row = change.iItem;
                Host().UserInput([this, row] { grid_.UserSelect(row, grid_.Column()); });
            }
            result = 0;
            return true;
        }
        case NM_CUSTOMDRAW:
            result = CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
            return true;
        case LVN_GETDISPINFOA: {
            LVITEMA& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;
            if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
                const std::string text = CellText(item.iItem, item.iSubItem);
                lstrcpynA(item.pszText, text.c_str(), item.cchTextMax);
            }
            result = 0;
            return true;
        }
        case LVN_GETDISPINFOW: {
            LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
            if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
                const std::string text = CellText(item.iItem, item.iSubItem);
                const int n =
                    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                        item.pszText, item.cchTextMax - 1);
                item.pszText[std::max(0, n)] = L'\0';
            }
            result = 0;
            return true;
        }
        default:
            return false;
        }
    }

private:
    ListViewWindow Grid() const noexcept { return ListViewWindow(Hwnd()); }

    // A cell's text as the model has it now; empty for a cell it does not have (the list
    // may ask while its count is still the old one), or when the text cannot be had.
    std::string CellText(int row, int column) const noexcept {
        try {
            if (row >= 0 && static_cast<std::size_t>(row) < grid_.Count() && column >= 0 &&
                static_cast<std::size_t>(column) < grid_.Columns().size()) {
                return grid_.Cell(row, static_cast<std::size_t>(column));
            }
        } catch (...) {
        }
        return {};
    }

    LRESULT CustomDraw(NMLVCUSTOMDRAW& draw) {
        switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            // The list would draw its selection over the whole row: the colours are ours.
            draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
            return CDRF_NOTIFYSUBITEMDRAW;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
            const auto row = static_cast<std::size_t>(draw.nmcd.dwItemSpec);
            const auto column = static_cast<std::size_t>(draw.iSubItem);
            if (static_cast<int>(row) == grid_.Selected() &&
                (column == 0 || column == grid_.Column())) {
                // The chosen cell, and its row's setting.
                draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
                draw.clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
            } else if (column > 0 && grid_.RowMarked(row)) {
                const bool hc = HighContrast();
                draw.clrText = GetSysColor(hc ? COLOR_BTNTEXT : COLOR_WINDOWTEXT);
                draw.clrTextBk = hc ? GetSysColor(COLOR_BTNFACE) : kTint;
            } else {
                draw.clrText = GetSysColor(COLOR_WINDOWTEXT);
                draw.clrTextBk = GetSysColor(COLOR_WINDOW);
            }
            // A changed value is bold: it reads in every colour scheme.
            FontDef font = Def().font;
            font.bold = grid_.CellMarked(row, column);
            SelectObject(draw.nmcd.hdc, Host().Font(font));
            return CDRF_NEWFONT;
        }
        default:
            return CDRF_DODEFAULT;
        }
    }

    // The chosen cell's row and column take the mouse: a click chooses the cell under it.
    // Left and Right move the chosen cell along its row.
    static LRESULT InputProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, void* view) noexcept {
        auto* self = static_cast<ListViewView*>(view);
        if (self && self->Hwnd() == hwnd) {
            if ((msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) && self->ClickCell(lp)) {
                return 0;
            }
            if (msg == WM_KEYDOWN && (wp == VK_LEFT || wp == VK_RIGHT) && self->MoveAlongRow(wp)) {
                return 0;
            }
        }
        return DefSubclassProc(hwnd, msg, wp, lp);
    }

    bool ClickCell(LPARAM lp) {
        LVHITTESTINFO hit{};
        hit.pt = POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (!Grid().CellAt(hit)) {
            return false;
        }
        SetFocus(Hwnd());
        const int row = hit.iItem;
        const auto column = static_cast<std::size_t>(std::max(0, hit.iSubItem));
        Host().UserInput([this, row, column] { grid_.UserSelect(row, column); });
        return true;
    }

    bool MoveAlongRow(WPARAM key) {
        const int row = grid_.Selected();
        if (row < 0 || grid_.Columns().empty()) {
            return false;
        }
        std::size_t column = grid_.Column();
        if (key == VK_LEFT && column > 0) {
            --column;
        } else if (key == VK_RIGHT && column + 1 < grid_.Columns().size()) {
            ++column;
        }
        Host().UserInput([this, row, column] { grid_.UserSelect(row, column); });
        return true;
    }

    void ShowColumns() {
        if (!Hwnd()) {
            return;
        }
        const ListViewWindow grid = Grid();
        while (grid.DeleteColumn(0)) {
        }
        const auto& columns = grid_.Columns();
        for (std::size_t c = 0; c < columns.size(); ++c) {
            // A blank after the text: wine's header cuts the last pixels off its texts.
            grid.InsertColumn(static_cast<int>(c), columns[c] + ' ',
                              c == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT, Scaled(kCellWidth));
        }
        FitColumns();
    }

    // The values' columns keep their width; the first takes what the list shows beside them.
    void FitColumns() {
        HWND hwnd = Hwnd();
        const auto count = static_cast<int>(grid_.Columns().size());
        if (!hwnd || count == 0) {
            return;
        }
        RECT client;
        GetClientRect(hwnd, &client);
        const int cell = Scaled(kCellWidth);
        const ListViewWindow grid = Grid();
        for (int c = 1; c < count; ++c) {
            grid.SetColumnWidth(c, cell);
        }
        grid.SetColumnWidth(0, std::max(cell, static_cast<int>(client.right) - (count - 1) * cell));
    }

    void ShowRows() {
        HWND hwnd = Hwnd();
        if (!hwnd) {
            return;
        }
        heldRows_.clear(); // every row is shown anew
        const ListViewWindow grid = Grid();
        grid.DeleteAllRows();
        grid.SetRowCount(grid_.Count());
        // The scroll bar may have come or gone with the rows.
        FitColumns();
        ShowSelection();
        InvalidateRect(hwnd, nullptr, TRUE);
    }

    // The list asks for the row's texts again as it draws it. During the player's input
    // the rows are held back, and many of them drawn anew at once at its end (under wine
    // each row's redraw in a list of thousands takes most of a millisecond).
    void ShowRow(std::ptrdiff_t row) {
        if (Host().InInput()) {
            heldRows_.push_back(row);
        } else if (Hwnd() && row >= 0 && static_cast<std::size_t>(row) < grid_.Count() &&
                   row < Grid().Count()) {
            Redraw(row);
        }
    }

    void EndOfInput() override {
        constexpr std::size_t kManyRows = 32;
        std::vector<std::ptrdiff_t> rows = std::move(heldRows_);
        heldRows_.clear();
        if (rows.size() > kManyRows && Hwnd()) {
            InvalidateRect(Hwnd(), nullptr, FALSE);
            return;
        }
        for (const std::ptrdiff_t row : rows) {
            ShowRow(row);
        }
    }

    void Redraw(std::ptrdiff_t row) {
        if (Hwnd() && row >= 0) {
            Grid().RedrawRows(row, row);
        }
    }

    void ShowSelection() {
        if (!Hwnd()) {
            return;
        }
        const int row = grid_.Selected();
        const ListViewWindow grid = Grid();
        // The chosen row selected and focused; without one, every row (-1) neither.
        constexpr UINT kChosen = LVIS_SELECTED | LVIS_FOCUSED;
        grid.SetRowState(row >= 0 ? row : -1, row >= 0 ? kChosen : 0, kChosen);
        if (row >= 0) {
            grid.EnsureVisible(row);
        }
        // The chosen cell may have moved along the row, or left another.
        Redraw(shownRow_);
        Redraw(row);
        shownRow_ = row;
    }

    ListView& grid_;
    int shownRow_ = -1;
    std::vector<std::ptrdiff_t> heldRows_; // changed during the input, shown at its end
    // The mouse and the Left and Right keys (InputProc).
    Subclass input_;
};

} // namespace

std::unique_ptr<ControlView> MakeListViewView(ViewHost& host, ListView& model,
                                              const ControlDef& def) {
    return std::make_unique<ListViewView>(host, model, def);
}

} // namespace korvane::win32
