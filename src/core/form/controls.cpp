#include "form/controls.hpp"

#include "file/errors.hpp"
#include "file/text.hpp"

#include <algorithm>

namespace korvane {

std::string AsDialogCaption(std::string_view caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        text += caption[i];
    }
    while (!text.empty() && (text.back() == '.' || text.back() == '\x85')) {
        text.pop_back();
    }
    return text;
}

Control::Control(const ControlStart& def)
    : name_(def.name), id_(def.id), visible_(def.visible), caption_(def.caption) {}

SpeedButton::SpeedButton(const ControlStart& def) : Control(def) {
    style_ = static_cast<FontStyle>((def.bold ? 1 : 0) | (def.italic ? 2 : 0));
}

TrackBar::TrackBar(const ControlStart& def)
    : Control(def), min_(def.range.min), max_(def.range.max), position_(def.range.min),
      tickFrequency_(def.range.tickFrequency) {}

ComboBox::ComboBox(const ControlStart& def)
    : Control(def), kind_(def.kind == ControlKind::ComboFixed ? Kind::FixedList : Kind::Editable),
      items_(def.items.begin(), def.items.end()) {}

void Control::Notify(Property property, std::ptrdiff_t index) {
    if (observer_) {
        observer_(*this, property, index);
    }
}

void Control::SetVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        Notify(Property::Visible);
    }
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        Notify(Property::Enabled);
    }
}

void Control::SetCaption(std::string caption) {
    if (caption_ != caption) {
        caption_ = std::move(caption);
        Notify(Property::Caption);
    }
}

void Control::SetToolTip(std::string text) {
    if (toolTip_ != text) {
        toolTip_ = std::move(text);
        Notify(Property::ToolTip);
    }
}

void SpeedButton::SetStyle(FontStyle style) {
    if (style_ != style) {
        style_ = style;
        Notify(Property::Font);
    }
}

void SpeedButton::UserClick() {
    if (onClick) {
        onClick();
    }
}

void CheckBox::SetChecked(bool checked) {
    if (checked_ == checked) {
        return;
    }
    ShowChecked(checked);
    if (onClick) {
        onClick();
    }
}

void CheckBox::ShowChecked(bool checked) {
    if (checked_ != checked) {
        checked_ = checked;
        Notify(Property::Checked);
    }
}

void CheckBox::SetMarked(bool marked) {
    if (marked_ != marked) {
        marked_ = marked;
        Notify(Property::Marked);
    }
}

int TrackBar::Clamp(long long position) const noexcept {
    return static_cast<int>(std::clamp<long long>(position, min_, max_));
}

void TrackBar::SetPosition(long long position) {
    if (Clamp(position) == position_) {
        return;
    }
    ShowPosition(position);
    if (onChange) {
        onChange();
    }
}

void TrackBar::ShowPosition(long long position) {
    const int clamped = Clamp(position);
    if (clamped != position_) {
        position_ = clamped;
        Notify(Property::Position);
    }
}

void TrackBar::UserScroll(int position) {
    const int clamped = Clamp(position);
    if (clamped != position_) {
        position_ = clamped;
        Notify(Property::Position);
    }
    if (onChange) {
        onChange();
    }
}

void ComboBox::SetItem(std::size_t i, std::string text) {
    if (i >= items_.size() || items_[i] == text) {
        return;
    }
    items_[i] = std::move(text);
    Notify(Property::Item, static_cast<std::ptrdiff_t>(i));
    // A fixed list shows its selected item's text.
    if (kind_ == Kind::FixedList && itemIndex_ == static_cast<int>(i)) {
        Show(items_[i], itemIndex_, 0, 0);
    }
}

void ComboBox::AddItem(std::string text) {
    items_.push_back(std::move(text));
    Notify(Property::Items);
}

void ComboBox::SetItems(std::vector<std::string> items) {
    Show(std::string(), -1, 0, 0);
    if (items != items_) {
        items_ = std::move(items);
        Notify(Property::Items);
    }
}

void ComboBox::Show(std::string text, int index, std::size_t selStart, std::size_t selLength) {
    const bool selectionChanged = index != itemIndex_;
    const bool textChanged = text != text_ || selStart != selStart_ || selLength != selLength_;
    itemIndex_ = index;
    text_ = std::move(text);
    selStart_ = selStart;
    selLength_ = selLength;
    if (selectionChanged) {
        Notify(Property::Selection);
    }
    if (textChanged) {
        Notify(Property::Text);
    }
}

int ComboBox::FindExact(std::string_view text) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (EqualIgnoringCase(items_[i], text)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ComboBox::SetText(std::string text) {
    if (kind_ == Kind::FixedList) {
        // A fixed list can only show one of its items.
        const int index = FindExact(text);
        Show(index < 0 ? std::string() : items_[static_cast<std::size_t>(index)], index, 0, 0);
        return;
    }
    const int index = FindExact(text);
    Show(std::move(text), index, 0, 0);
}

void ComboBox::SetItemIndex(long long i) {
    if (i == itemIndex_) {
        return;
    }
    if (i < 0 || static_cast<unsigned long long>(i) >= items_.size()) {
        Show(std::string(), -1, 0, 0);
        return;
    }
    Show(items_[static_cast<std::size_t>(i)], static_cast<int>(i), 0, 0);
}

void ComboBox::UserSelect(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= items_.size()) {
        return;
    }
    Show(items_[static_cast<std::size_t>(i)], i, 0, 0);
    if (onChange) {
        onChange();
    }
}

void ComboBox::SetMarked(bool marked) {
    if (marked_ != marked) {
        marked_ = marked;
        Notify(Property::Marked);
    }
}

std::int64_t ComboBox::Now() const {
    return clock_ ? clock_() : 0;
}

void Edit::SetText(std::string text) {
    if (text_ != text) {
        text_ = std::move(text);
        Notify(Property::Text);
    }
}

void Edit::UserEditText(std::string text) {
    SetText(std::move(text));
    if (onChange) {
        onChange();
    }
}

void Edit::UserEnter() {
    if (onEnter) {
        onEnter();
    }
}

void ListBox::SetSource(CountFn count, ItemFn item) {
    count_ = std::move(count);
    item_ = std::move(item);
    own_.clear();
    RowsChanged();
}

void ListBox::SetItems(std::vector<std::string> items) {
    count_ = nullptr;
    item_ = nullptr;
    own_ = std::move(items);
    RowsChanged();
}

std::size_t ListBox::Count() const {
    return count_ ? count_() : own_.size();
}

std::string ListBox::Item(long long r) const {
    if (r < 0 || static_cast<unsigned long long>(r) >= Count()) {
        throw ListIndexError(r);
    }
    const auto row = static_cast<std::size_t>(r);
    return item_ ? item_(row) : own_[row];
}

void ListBox::Select(long long r) {
    const int row =
        (r < 0 || static_cast<unsigned long long>(r) >= Count()) ? -1 : static_cast<int>(r);
    if (row == selected_) {
        return;
    }
    selected_ = row;
    Notify(Property::Selection);
}

void ListBox::UserSelect(int r) {
    const int row = (r < 0 || static_cast<std::size_t>(r) >= Count()) ? -1 : r;
    if (row != selected_) {
        selected_ = row;
        Notify(Property::Selection);
    }
    if (onClick) {
        onClick();
    }
}

void ListBox::RowsChanged() {
    selected_ = -1;
    top_ = 0;
    Notify(Property::Items);
}

void ListBox::SetTopIndex(int top) {
    if (top != top_) {
        top_ = top;
        Notify(Property::TopRow);
    }
}

void ListBox::UserScroll(int top) {
    top_ = top;
    if (onScroll) {
        onScroll();
    }
}

void ListBox::RowChanged(std::size_t r) {
    Notify(Property::Item, static_cast<std::ptrdiff_t>(r));
}

void ListView::SetColumns(std::vector<std::string> headers) {
    if (headers != columns_) {
        columns_ = std::move(headers);
        Notify(Property::Columns);
    }
}

void ListView::SetSource(CountFn count, CellFn cell) {
    count_ = std::move(count);
    cell_ = std::move(cell);
    RowsChanged();
}

std::string ListView::Cell(long long r, std::size_t c) const {
    if (r < 0 || static_cast<unsigned long long>(r) >= Count()) {
        throw ListIndexError(r);
    }
    if (c >= columns_.size()) {
        throw ListIndexError(static_cast<long long>(c));
    }
    return cell_(static_cast<std::size_t>(r), c);
}

void ListView::RowsChanged() {
    selected_ = -1;
    Notify(Property::Items);
}

void ListView::Select(long long r, std::size_t c) {
    const int row =
        (r < 0 || static_cast<unsigned long long>(r) >= Count()) ? -1 : static_cast<int>(r);
    const std::size_t column = c < columns_.size() ? c : column_;
    if (row != selected_ || column != column_) {
        selected_ = row;
        column_ = column;
        Notify(Property::Selection);
    }
}

void ListView::UserSelect(long long r, std::size_t c) {
    Select(r, c);
    if (onClick) {
        onClick();
    }
}

} // namespace korvane
