// The form model's controls: the one source of truth for control state. Each control runs
// its handler under the program's change-notification rules and tells its observer (the
// window, in the real program) about every change of state, so the view can mirror it
// without raising notifications of its own.
//
// "User..." functions are what the view calls for real user input; they run the handler
// as the control's rules say. The program's own changes are "Set..." and "Show...":
// SetChecked and SetPosition run the handler on a real change, as the player's input would
// (a box cleared by another's handler writes its line); "Show..." only shows a state and
// never runs a handler, which is how the program shows what the document holds.
#pragma once

#include "form/control_def.hpp"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

enum class FontStyle : std::uint8_t { Regular = 0, Bold = 1, Italic = 2, BoldItalic = 3 };

// Which property of a control changed.
enum class Property : std::uint8_t {
    Visible,
    Enabled,
    Caption,
    Font,
    Checked,
    Text,      // a drop-down's or an edit field's text (and a drop-down's highlighted part)
    Items,     // the whole item list (count or texts)
    Item,      // one item; the index comes with the notification
    Selection, // selected item or row
    Position,  // a slider's position
    ToolTip,   // the text shown when the mouse rests on the control
    Marked,    // a drop-down's text names nothing it can store; a box cannot show its lines
    TopRow,    // the first row a list shows
    Mark,      // a list row's mark; the index comes with the notification
    Columns,   // a grid's column headers
};

// A button's caption as the title of the dialog it opens: without its access-key mark ("&&"
// stands for one '&') and its closing dots.
std::string AsDialogCaption(std::string_view caption);

class Control;
using Observer = std::function<void(Control&, Property, std::ptrdiff_t index)>;

class Control {
public:
    Control(std::string name, int id) : name_(std::move(name)), id_(id) {}
    // The control as its layout row declares it: name, ID, caption and visibility at start.
    explicit Control(const ControlStart& def);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& Name() const noexcept { return name_; }
    int Id() const noexcept { return id_; }

    bool Visible() const noexcept { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const noexcept { return enabled_; }
    // Enabling or disabling never runs a handler.
    void SetEnabled(bool enabled);
    const std::string& Caption() const noexcept { return caption_; }
    void SetCaption(std::string caption);
    // Empty: no tooltip. Rows are separated by CR LF.
    const std::string& ToolTip() const noexcept { return toolTip_; }
    void SetToolTip(std::string text);

    void SetObserver(Observer observer) { observer_ = std::move(observer); }

protected:
    void Notify(Property property, std::ptrdiff_t index = -1);

private:
    std::string name_;
    int id_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::string toolTip_;
    Observer observer_;
};

// Panels, labels, group boxes and the shape: state only.
class Panel : public Control {
public:
    using Control::Control;
};

class Label : public Control {
public:
    using Control::Control;
};

// Flat push button on the navigation strip; its font style marks the page on show.
class SpeedButton : public Control {
public:
    using Control::Control;
    // Its style at start is that of the row's font.
    explicit SpeedButton(const ControlStart& def);
    FontStyle Style() const noexcept { return style_; }
    void SetStyle(FontStyle style);
    void UserClick();
    std::function<void()> onClick;

private:
    FontStyle style_ = FontStyle::Regular;
};

// Runs onClick whenever its checked state changes, by user or program, also while disabled.
class CheckBox : public Control {
public:
    using Control::Control;
    bool Checked() const noexcept { return checked_; }
    void SetChecked(bool checked);
    // Shows a state without running the handler: the program showing what a line holds.
    void ShowChecked(bool checked);
    // A click (mouse, Space, access key) toggles the box.
    void UserClick() { SetChecked(!checked_); }
    // Marked: what the box stands for holds what it cannot show (lines that disagree, a
    // value it never writes); the view shows the grey third state. Runs no handler.
    bool Marked() const noexcept { return marked_; }
    void SetMarked(bool marked);
    std::function<void()> onClick;

private:
    bool checked_ = false;
    bool marked_ = false;
};

// Horizontal slider. The program's SetPosition clamps into the range and runs onChange only
// when the position really changes; every user scroll notification runs it.
class TrackBar : public Control {
public:
    // The row's range; the position starts at its minimum.
    explicit TrackBar(const ControlStart& def);
    int Min() const noexcept { return min_; }
    int Max() const noexcept { return max_; }
    int TickFrequency() const noexcept { return tickFrequency_; }
    int Position() const noexcept { return position_; }
    void SetPosition(long long position);
    // Shows a position (clamped into the range) without running the handler.
    void ShowPosition(long long position);
    // A scroll notification of the user's drag or key press, with the slider's position.
    void UserScroll(int position);
    // The user let go of the slider (the end of a drag or of a key press).
    void UserRelease() {
        if (onRelease) {
            onRelease();
        }
    }
    std::function<void()> onChange;
    std::function<void()> onRelease;

private:
    int Clamp(long long position) const noexcept;
    int min_;
    int max_;
    int position_;
    int tickFrequency_;
};

// Drop-down: editable (text field plus list) or a fixed list. The program's changes never
// run onChange; user selection and typing do.
class ComboBox : public Control {
public:
    enum class Kind { Editable, FixedList };
    using Clock = std::function<std::int64_t()>; // milliseconds, for the fixed lists' search

    ComboBox(std::string name, int id, Kind kind, std::vector<std::string> items)
        : Control(std::move(name), id), kind_(kind), items_(std::move(items)) {}
    // The row's kind (editable or fixed) and items.
    explicit ComboBox(const ControlStart& def);

    Kind GetKind() const noexcept { return kind_; }
    const std::vector<std::string>& Items() const noexcept { return items_; }
    // Replaces item i in place; the list keeps its count and order.
    void SetItem(std::size_t i, std::string text);
    // Adds an item after the others.
    void AddItem(std::string text);
    // Replaces the whole item list; no item is selected then.
    void SetItems(std::vector<std::string> items);
    int ItemIndex() const noexcept { return itemIndex_; }
    const std::string& Text() const noexcept { return text_; }
    // The highlighted part of an editable drop-down's text (auto-complete), as a range.
    std::size_t SelStart() const noexcept { return selStart_; }
    std::size_t SelLength() const noexcept { return selLength_; }

    // Program: shows the text; the selected item becomes the item of exactly that text
    // (letter case ignored, as the real control does), or none.
    void SetText(std::string text);
    // Program: selects item i; outside the list clears the selection; the index it already
    // has does nothing.
    void SetItemIndex(long long i);

    // User picks item i from the list (mouse or arrow keys).
    void UserSelect(int i);
    // Editable drop-downs: a typed character, with the edit field's current selection as
    // the real control has it (caret = selStart when selLength is 0).
    void UserTypeChar(char c, std::size_t selStart, std::size_t selLength);
    // Backspace in an editable drop-down (selection as above), or in a fixed list.
    void UserBackspace(std::size_t selStart, std::size_t selLength);
    // Any other user edit of an editable drop-down's text (Delete key, paste): the new text.
    void UserEditText(std::string text);
    // Fixed lists: a typed character joins the search text when it comes less than 500 ms
    // after the previous one.
    void UserSearchChar(char c);
    void SetClock(Clock clock) { clock_ = std::move(clock); }
    const std::string& SearchText() const noexcept { return search_; }
    // The focus left the drop-down.
    void UserLeave() {
        if (onLeave) {
            onLeave();
        }
    }

    // Marked: the text names nothing the drop-down can store; the view shows it.
    bool Marked() const noexcept { return marked_; }
    void SetMarked(bool marked);

    std::function<void()> onChange;
    std::function<void()> onLeave;

private:
    int FindExact(std::string_view text) const;
    int FindPrefix(std::string_view prefix) const;
    void Show(std::string text, int index, std::size_t selStart, std::size_t selLength);
    std::int64_t Now() const;

    Kind kind_;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    std::string text_;
    std::size_t selStart_ = 0;
    std::size_t selLength_ = 0;
    Clock clock_;
    bool marked_ = false;
    std::string search_;
    std::int64_t lastKey_ = 0;
    bool haveLastKey_ = false;
};

// Single- or multi-line edit field. Its caption, if any, is the grey hint it shows while
// empty. onChange runs for the user's edits only, onEnter when the user presses Enter in a
// single-line field that has one.
class Edit : public Control {
public:
    using Control::Control;
    const std::string& Text() const noexcept { return text_; }
    void SetText(std::string text);
    // The user typed: the model keeps the field's text.
    void UserEditText(std::string text);
    void UserEnter();
    std::function<void()> onChange;
    std::function<void()> onEnter;

private:
    std::string text_;
};

// List box. Its rows come from a source (the document's lists are shown this way, without
// a copy) or from its own item list. Selecting a row by program never runs onClick.
class ListBox : public Control {
public:
    using Control::Control;
    using CountFn = std::function<std::size_t()>;
    using ItemFn = std::function<std::string(std::size_t)>;

    // Shows rows from outside; call RowsChanged/RowChanged when they change.
    void SetSource(CountFn count, ItemFn item);
    // Own items (for the lists that are never shown).
    void SetItems(std::vector<std::string> items);
    const std::vector<std::string>& OwnItems() const noexcept { return own_; }

    std::size_t Count() const;
    // Row r; ListIndexError outside the list.
    std::string Item(long long r) const;

    int Selected() const noexcept { return selected_; }
    // Program: selects row r (-1 or outside: no selection); the row it already has does
    // nothing. The view brings the newly selected row into view.
    void Select(long long r);
    // User selected row r by mouse or keyboard: runs onClick.
    void UserSelect(int r);
    std::function<void()> onClick;

    // The rows were replaced (clears the selection, shows the first row) or row r changed
    // in place.
    void RowsChanged();
    void RowChanged(std::size_t r);

    // The first row the list shows. The program's SetTopIndex runs nothing; the user's
    // scrolling (wheel, scroll bar, keys) runs onScroll. The view tells where the list
    // really shows its rows (it brings a selected row into view, and stops at the end) with
    // ShownTopIndex, which runs nothing either.
    int TopIndex() const noexcept { return top_; }
    void SetTopIndex(int top);
    void UserScroll(int top);
    void ShownTopIndex(int top) noexcept { top_ = top; }
    std::function<void()> onScroll;
    // Whole rows the view shows at once (1 until the view tells).
    int PageRows() const noexcept { return pageRows_; }
    void SetPageRows(int rows) noexcept { pageRows_ = rows > 0 ? rows : 1; }

    // Rows can be marked (the view draws them in bold); MarkChanged tells it about row r.
    using MarkFn = std::function<bool(std::size_t)>;
    void SetMarks(MarkFn marked) { marked_ = std::move(marked); }
    bool Marked(std::size_t r) const { return marked_ && r < Count() && marked_(r); }
    void MarkChanged(std::size_t r) { Notify(Property::Mark, static_cast<std::ptrdiff_t>(r)); }
    // Every row's mark may differ (row -1 in the notification): one notice for all rows.
    void MarksChanged() { Notify(Property::Mark, -1); }

private:
    CountFn count_;
    ItemFn item_;
    std::vector<std::string> own_;
    int selected_ = -1;
    int top_ = 0;
    int pageRows_ = 1;
    MarkFn marked_;
};

// A grid of rows and columns with a header (a list view in report mode). Its cells come from
// a source; the player works on one cell at a time, the chosen one: a row and a column.
// Choosing by program never runs onClick. Cells can be marked (the view draws them in bold)
// and rows set apart (drawn on a tint).
class ListView : public Control {
public:
    using Control::Control;
    using CountFn = std::function<std::size_t()>;
    using CellFn = std::function<std::string(std::size_t row, std::size_t column)>;
    using CellMarkFn = std::function<bool(std::size_t row, std::size_t column)>;
    using RowMarkFn = std::function<bool(std::size_t row)>;

    const std::vector<std::string>& Columns() const noexcept { return columns_; }
    void SetColumns(std::vector<std::string> headers);
    // Shows rows from outside; call RowsChanged/RowChanged when they change.
    void SetSource(CountFn count, CellFn cell);
    std::size_t Count() const { return count_ ? count_() : 0; }
    // Cell (r, c); ListIndexError outside the grid.
    std::string Cell(long long r, std::size_t c) const;
    // The rows were replaced (no row is chosen then) or row r changed in place.
    void RowsChanged();
    void RowChanged(std::size_t r) { Notify(Property::Item, static_cast<std::ptrdiff_t>(r)); }

    // The chosen cell: row -1 when none.
    int Selected() const noexcept { return selected_; }
    std::size_t Column() const noexcept { return column_; }
    // Program: chooses cell (r, c); a row outside the grid chooses none.
    void Select(long long r, std::size_t c);
    // The user chose the cell by mouse or keyboard: runs onClick.
    void UserSelect(long long r, std::size_t c);
    std::function<void()> onClick;

    void SetMarks(CellMarkFn cells, RowMarkFn rows) {
        cellMarked_ = std::move(cells);
        rowMarked_ = std::move(rows);
    }
    bool CellMarked(std::size_t r, std::size_t c) const {
        return cellMarked_ && r < Count() && cellMarked_(r, c);
    }
    bool RowMarked(std::size_t r) const { return rowMarked_ && r < Count() && rowMarked_(r); }
    // Every cell's mark may differ (row -1 in the notification); the texts stay.
    void MarksChanged() { Notify(Property::Mark, -1); }

private:
    std::vector<std::string> columns_;
    CountFn count_;
    CellFn cell_;
    int selected_ = -1;
    std::size_t column_ = 0;
    CellMarkFn cellMarked_;
    RowMarkFn rowMarked_;
};

// The form model's class of each kind: what its member in MainForm is.
template <ControlKind> struct ModelOfKind;
template <> struct ModelOfKind<ControlKind::Panel> { using type = Panel; };
template <> struct ModelOfKind<ControlKind::GroupBox> { using type = Panel; };
template <> struct ModelOfKind<ControlKind::Shape> { using type = Panel; };
template <> struct ModelOfKind<ControlKind::Label> { using type = Label; };
template <> struct ModelOfKind<ControlKind::CheckBox> { using type = CheckBox; };
template <> struct ModelOfKind<ControlKind::ComboEditable> { using type = ComboBox; };
template <> struct ModelOfKind<ControlKind::ComboFixed> { using type = ComboBox; };
template <> struct ModelOfKind<ControlKind::TrackBar> { using type = TrackBar; };
template <> struct ModelOfKind<ControlKind::ListBox> { using type = ListBox; };
template <> struct ModelOfKind<ControlKind::SpeedButton> { using type = SpeedButton; };
template <> struct ModelOfKind<ControlKind::Edit> { using type = Edit; };
template <> struct ModelOfKind<ControlKind::Memo> { using type = Edit; };
template <> struct ModelOfKind<ControlKind::ListView> { using type = ListView; };
template <ControlKind K> using ModelOf = typename ModelOfKind<K>::type;

} // namespace korvane
