// The manual edit page: three synchronised lists (line number, value, description) that
// scroll together and mark the lines that differ from what Load read, the apply button that
// writes a typed value into the chosen line, and the guidance beside it: the choices and
// the hint that the line's comment gives, the count of changed lines, the button that puts
// a line back, and the search for a line.
#include "core/main_form.hpp"

#include "core/text.hpp"

#include <algorithm>
#include <optional>

namespace korvane {

namespace {

// "2, 4, 6, 9, 12, 16"; a long set is cut short.
std::string ListOf(const std::vector<std::int32_t>& values) {
    constexpr std::size_t kShown = 8;
    std::string text;
    for (std::size_t i = 0; i < values.size() && i < kShown; ++i) {
        text += (i ? ", " : "") + IntToStr(values[i]);
    }
    return values.size() > kShown ? text + ", ..." : text;
}

// The text contains the part, letter case ignored as the program folds it.
bool ContainsFolded(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [](char a, char b) { return LowerAnsi(a) == LowerAnsi(b); }) != text.end();
}

// Selecting row 0 first makes the list take row r afresh, so every list brings r into
// view even when it already had it selected.
void SelectRow(ListBox& list, long long r) {
    list.Select(0);
    list.Select(r);
}

} // namespace

void MainForm::ListBox1Click() {
    const int top = ListBox1.TopIndex();
    SelectRow(ListBox5, ListBox1.Selected());
    SelectRow(ListBox4, ListBox1.Selected());
    SelectRow(ListBox1, ListBox4.Selected());
    edit1.SetText(ListBox1.Item(ListBox1.Selected()));
    edit2.SetText(ListBox4.Item(ListBox4.Selected()));
    AfterLineChosen(top);
}

void MainForm::ListBox4Click() {
    const int top = ListBox4.TopIndex();
    SelectRow(ListBox5, ListBox4.Selected());
    SelectRow(ListBox1, ListBox4.Selected());
    SelectRow(ListBox4, ListBox1.Selected());
    edit1.SetText(ListBox1.Item(ListBox1.Selected()));
    edit2.SetText(ListBox4.Item(ListBox4.Selected()));
    AfterLineChosen(top);
}

// Leaves edit1 and edit2 alone: they keep the line chosen before, so a value can be
// carried from one line to another.
void MainForm::ListBox5Click() {
    const int top = ListBox5.TopIndex();
    SelectRow(ListBox1, ListBox5.Selected());
    SelectRow(ListBox4, ListBox5.Selected());
    SelectRow(ListBox5, ListBox1.Selected());
    AfterLineChosen(top);
}

// The lists show the rows the user had before the choice (with the detours above, each
// list has only just brought the row into view its own way), moved just enough to show it.
void MainForm::AfterLineChosen(int preferredTop) {
    const int row = ListBox1.Selected();
    int top = preferredTop;
    if (row >= 0 && row < top) {
        top = row;
    } else if (row >= top + ListBox1.PageRows()) {
        top = row - ListBox1.PageRows() + 1;
    }
    for (ListBox* list : {&ListBox5, &ListBox1, &ListBox4}) {
        list->SetTopIndex(top);
    }
    ShowGuidance();
}

void MainForm::ScrollListsWith(const ListBox& source) {
    for (ListBox* list : {&ListBox5, &ListBox1, &ListBox4}) {
        if (list != &source) {
            list->SetTopIndex(source.TopIndex());
        }
    }
}

void MainForm::ConnectManualPage() {
    for (ListBox* list : {&ListBox5, &ListBox1, &ListBox4}) {
        list->SetMarks(
            [this](std::size_t r) { return document.IsChanged(static_cast<long long>(r)); });
        list->onScroll = [this, list] { ScrollListsWith(*list); };
    }
    edit1.onChange = [this] { ShowValueHint(); };
    edit1.onEnter = [this] { SpeedButton10Click(); };
    FindLine.onEnter = [this] { FindNext(); };
    document.AddListener([this](ConfigDocument::Change change, std::size_t line) {
        if (change == ConfigDocument::Change::Value) {
            ListBox5.MarkChanged(line);
            ListBox4.MarkChanged(line);
        } else {
            guidanceLine_ = -1;
        }
        ShowChangedCount();
        ShowGuidance();
    });
    ShowGuidanceCaptions();
}

void MainForm::ShowGuidanceCaptions() {
    RestoreValue.SetCaption(LanguageText(entries::kRestoreValue));
    FindLine.SetCaption(LanguageText(entries::kFindLine));
    ShowChangedCount();
    ShowValueHint();
}

void MainForm::ShowChangedCount() {
    const std::size_t n = document.ChangedCount();
    ChangedLines.SetCaption(
        n == 1 ? LanguageText(entries::kOneLineChanged)
               : FillIn(LanguageText(entries::kLinesChanged), IntToStr(static_cast<long long>(n))));
}

void MainForm::ShowGuidance() {
    const int row = ListBox1.Selected();
    if (row != guidanceLine_) {
        guidanceLine_ = row;
        guidance_ = row < 0 ? CommentValues{} : ReadCommentValues(document.CommentView(row));
        ValueChoices.SetItems(ChoiceTexts(guidance_));
        ValueChoices.SetEnabled(!guidance_.choices.empty());
    }
    ValueChoices.SetItemIndex(row < 0 ? -1 : ChoiceOf(guidance_, document.ValueView(row)));
    RestoreValue.SetEnabled(row >= 0 && document.IsChanged(row));
    ShowValueHint();
}

void MainForm::ShowValueHint() {
    ValueHint.SetCaption(
        ValueHintText(guidance_, guidanceLine_ >= 0 ? edit1.Text() : std::string_view()));
}

// The range or set the comment states, or, while the typed value is one it does not allow,
// a warning. It informs only: Apply writes what was typed.
std::string MainForm::ValueHintText(const CommentValues& v, std::string_view typedText) const {
    const std::string range = v.range ? FillIn(LanguageText(entries::kRange),
                                               IntToStr(v.range->min), IntToStr(v.range->max))
                                      : std::string();
    std::string hint = !range.empty()   ? range
                       : !v.set.empty() ? FillIn(LanguageText(entries::kOneOf), ListOf(v.set))
                                        : std::string();
    const std::string_view typed = Trim(typedText);
    if (v.StatesValues() && !typed.empty()) {
        const std::optional<std::int32_t> n = WholeNumber(typed);
        if (!n) {
            hint = LanguageText(entries::kNotWholeNumber);
        } else if (!v.Allows(*n)) {
            hint = v.range ? FillIn(LanguageText(entries::kOutsideRange), IntToStr(*n), range)
                   : !v.set.empty()
                       ? FillIn(LanguageText(entries::kNotOneOf), IntToStr(*n), ListOf(v.set))
                       : FillIn(LanguageText(entries::kNoChoice), IntToStr(*n));
        }
    }
    return hint;
}

// Picking a choice writes it, as Apply does, and shows it in the value field.
void MainForm::ValueChoicesChange() {
    const int row = ListBox1.Selected();
    const int index = ValueChoices.ItemIndex();
    if (row < 0 || index < 0 || static_cast<std::size_t>(index) >= guidance_.choices.size()) {
        return;
    }
    const std::string value = IntToStr(guidance_.choices[static_cast<std::size_t>(index)].value);
    WriteValue(row, value);
    edit1.SetText(value);
    ShowValueHint();
}

// Puts the selected line's value back as Load read it.
void MainForm::RestoreValueClick() {
    const int row = ListBox1.Selected();
    if (row < 0) {
        return;
    }
    const std::string value(document.ReadValueView(row));
    WriteValue(row, value);
    edit1.SetText(value);
    ShowValueHint();
}

void MainForm::FindLineChange() {
    FindFrom(std::max(0, ListBox1.Selected()));
}

void MainForm::FindNext() {
    FindFrom(ListBox1.Selected() + 1);
}

// The first line from start on, wrapping around, whose number, value or comment contains
// the search text; it is chosen as a click on its description would choose it.
void MainForm::FindFrom(long long start) {
    const std::string& text = FindLine.Text();
    const auto count = static_cast<long long>(document.Count());
    if (text.empty() || count == 0) {
        return;
    }
    for (long long i = 0; i < count; ++i) {
        const long long r = (start + i) % count;
        if (ContainsFolded(IntToStr(r), text) || ContainsFolded(document.ValueView(r), text) ||
            ContainsFolded(document.CommentView(r), text)) {
            ListBox4.Select(r);
            ListBox4Click();
            return;
        }
    }
}

// The text goes in as typed, unless it would break the line (see WriteValue). With no row
// selected there is no line to write, and the document must keep one value per line, so
// nothing happens.
void MainForm::SpeedButton10Click() {
    const int row = ListBox1.Selected();
    if (row < 0) {
        return;
    }
    WriteValue(row, edit1.Text());
}

} // namespace korvane
