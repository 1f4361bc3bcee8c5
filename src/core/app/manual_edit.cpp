// The manual edit page: three synchronised lists (line number, value, description) that
// scroll together and mark the lines that differ from f1graphics.cfg (or list those alone), the
// apply button that writes a typed value into the chosen line, and the guidance beside it: the
// choices and the hint that the line's comment gives, the count of changed lines, the button that
// puts a line back, and the search for a line.
#include "app/main_form.hpp"

#include "file/text.hpp"

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

long long ToRow(std::size_t r) {
    return static_cast<long long>(r);
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

// Like the other two, the value and description follow the line chosen, so what Enter
// writes is always the line they name; a click that leaves no row leaves them.
void MainForm::ListBox5Click() {
    const int top = ListBox5.TopIndex();
    SelectRow(ListBox1, ListBox5.Selected());
    SelectRow(ListBox4, ListBox5.Selected());
    SelectRow(ListBox5, ListBox1.Selected());
    if (ListBox1.Selected() >= 0) {
        edit1.SetText(ListBox1.Item(ListBox1.Selected()));
        edit2.SetText(ListBox4.Item(ListBox4.Selected()));
    }
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

long long MainForm::LineOfRow(long long row) const {
    if (row < 0 || !changedOnly_) {
        return row;
    }
    return static_cast<std::size_t>(row) < shownLines_.size()
               ? shownLines_[static_cast<std::size_t>(row)]
               : -1;
}

long long MainForm::RowOfLine(long long line) const {
    if (!changedOnly_) {
        return line;
    }
    const auto it = std::lower_bound(shownLines_.begin(), shownLines_.end(), line);
    return it != shownLines_.end() && *it == line ? it - shownLines_.begin() : -1;
}

long long MainForm::ChosenLine() const {
    return LineOfRow(ListBox1.Selected());
}

void MainForm::ConnectManualPage() {
    // The document's lists are the list boxes' rows (the changed ones alone, while the page
    // shows only those); the tails' list is never shown.
    const auto rows = [this] { return changedOnly_ ? shownLines_.size() : document.Count(); };
    ListBox1.SetSource(rows, [this](std::size_t r) { return document.Value(LineOfRow(ToRow(r))); });
    ListBox4.SetSource(rows, [this](std::size_t r) {
        return std::string(document.DescriptionView(LineOfRow(ToRow(r))));
    });
    ListBox5.SetSource(rows, [this](std::size_t r) { return IntToStr(LineOfRow(ToRow(r))); });
    ListBox2.SetSource([this] { return document.Count(); },
                       [this](std::size_t r) { return std::string(document.TailView(ToRow(r))); });
    for (ListBox* list : {&ListBox5, &ListBox1, &ListBox4}) {
        list->SetMarks([this](std::size_t r) { return gameFile.IsChanged(LineOfRow(ToRow(r))); });
        list->onScroll = [this, list] { ScrollListsWith(*list); };
    }
    edit1.onChange = [this] { ShowValueHint(); };
    edit1.onEnter = [this] { SpeedButton10Click(); };
    FindLine.onEnter = [this] { FindNext(); };
    gameFile.AddListener([this](GameFile::Change change, std::size_t line) {
        if (change == GameFile::Change::Value) {
            if (const long long row = RowOfLine(static_cast<long long>(line)); row >= 0) {
                ListBox1.RowChanged(static_cast<std::size_t>(row));
                ListBox5.MarkChanged(static_cast<std::size_t>(row));
                ListBox4.MarkChanged(static_cast<std::size_t>(row));
            }
        } else if (change == GameFile::Change::Reset) {
            guidanceLine_ = -1;
            ListBox2.RowsChanged();
            ShowChangedOnly(false);
        } else if (changedOnly_) {
            ShowChangedOnly(true);
        } else {
            for (std::size_t r = 0; r < document.Count(); ++r) {
                for (ListBox* list : {&ListBox5, &ListBox1, &ListBox4}) {
                    list->MarkChanged(r);
                }
            }
        }
        ShowChangedCount();
        ShowGuidance();
    });
    ShowGuidanceCaptions();
}

// Lists the changed lines alone, or every line, as the check box says; the line chosen
// stays chosen when it is listed and the choice is to be kept.
void MainForm::ShowChangedOnly(bool keepChoice) {
    const long long chosen = keepChoice ? ChosenLine() : -1;
    changedOnly_ = ChangedOnly.Checked();
    shownLines_.clear();
    if (changedOnly_) {
        for (std::size_t k = 0; k < document.Count(); ++k) {
            if (gameFile.IsChanged(static_cast<long long>(k))) {
                shownLines_.push_back(static_cast<long long>(k));
            }
        }
    }
    for (ListBox* list : {&ListBox5, &ListBox1, &ListBox4}) {
        list->RowsChanged();
    }
    if (const long long row = RowOfLine(chosen); row >= 0) {
        for (ListBox* list : {&ListBox5, &ListBox1, &ListBox4}) {
            list->Select(row);
        }
    }
    AfterLineChosen(0);
}

void MainForm::ShowGuidanceCaptions() {
    RestoreValue.SetCaption(LanguageText(entries::kRestoreValue));
    FindLine.SetCaption(LanguageText(entries::kFindLine));
    ChangedOnly.SetToolTip(LanguageText(entries::kChangedOnlyTip));
    ShowChangedCount();
    ShowValueHint();
}

// The manual page's check box and the strip's button both count what Save will change.
void MainForm::ShowChangedCount() {
    const auto n = static_cast<long long>(gameFile.HasChanges() ? gameFile.ChangedCount() : 0);
    ChangedOnly.SetCaption(n == 1 ? LanguageText(entries::kOneLineChanged)
                                  : FillIn(LanguageText(entries::kLinesChanged), IntToStr(n)));
    SaveChanges.SetCaption(n == 1 ? LanguageText(entries::kOneChange)
                                  : FillIn(LanguageText(entries::kChanges), IntToStr(n)));
    SaveChanges.SetVisible(n > 0 && !Panel2.Visible());
}

void MainForm::ShowGuidance() {
    const long long line = ChosenLine();
    if (line != guidanceLine_) {
        guidanceLine_ = line;
        guidance_ = line < 0 ? CommentValues{} : ReadCommentValues(document.CommentView(line));
        ValueChoices.SetItems(ChoiceTexts(guidance_));
        ValueChoices.SetEnabled(!guidance_.choices.empty());
    }
    ValueChoices.SetItemIndex(line < 0 ? -1 : ChoiceOf(guidance_, document.ValueView(line)));
    RestoreValue.SetEnabled(gameFile.IsChanged(line));
    ShowValueHint();
}

void MainForm::ShowValueHint() {
    ValueHint.SetCaption(ValueHintText(guidance_, guidanceLine_,
                                       guidanceLine_ >= 0 ? edit1.Text() : std::string_view()));
}

// The range or set the comment states, or, while the typed value is one it does not allow,
// a warning. It informs only: Apply writes what was typed.
std::string MainForm::ValueHintText(const CommentValues& v, long long line,
                                    std::string_view typedText) const {
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
    // A changed line also says what f1graphics.cfg holds, which Restore puts back.
    if (gameFile.IsChanged(line)) {
        if (const std::optional<std::string> held = gameFile.FileValue(line)) {
            hint = FillIn(LanguageText(entries::kFileValue), *held) +
                   (hint.empty() ? "" : "\r\n" + hint);
        }
    }
    return hint;
}

// Picking a choice writes it, as Apply does, and shows it in the value field.
void MainForm::ValueChoicesChange() {
    const long long line = ChosenLine();
    const int index = ValueChoices.ItemIndex();
    if (line < 0 || index < 0 || static_cast<std::size_t>(index) >= guidance_.choices.size()) {
        return;
    }
    const std::string value = IntToStr(guidance_.choices[static_cast<std::size_t>(index)].value);
    EditLine(line, value);
    edit1.SetText(value);
    ShowValueHint();
}

// Puts the chosen line's value back as f1graphics.cfg holds it.
void MainForm::RestoreValueClick() {
    const long long line = ChosenLine();
    if (line < 0) {
        return;
    }
    RestoreLine(line);
    edit1.SetText(document.Value(line));
    ShowValueHint();
}

void MainForm::ChangedOnlyClick() {
    ShowChangedOnly(true);
}

// A whole number of a line listed chooses that line; other text the first listed line from
// the chosen one whose comment holds it.
void MainForm::FindLineChange() {
    const std::optional<std::int32_t> line = WholeNumber(FindLine.Text());
    if (line && *line >= 0 && static_cast<std::size_t>(*line) < document.Count() &&
        ChooseRow(RowOfLine(*line))) {
        return;
    }
    FindFrom(std::max(0, ListBox1.Selected()));
}

void MainForm::FindNext() {
    FindFrom(ListBox1.Selected() + 1);
}

// The first listed line from row start on, wrapping around, whose comment contains the search
// text (the numbers in the number and value columns would match almost anything a player
// types).
void MainForm::FindFrom(long long start) {
    const std::string& text = FindLine.Text();
    const auto count = static_cast<long long>(ListBox1.Count());
    if (text.empty() || count == 0) {
        return;
    }
    for (long long i = 0; i < count; ++i) {
        const long long r = (start + i) % count;
        if (ContainsFolded(document.CommentView(LineOfRow(r)), text)) {
            ChooseRow(r);
            return;
        }
    }
}

// Chosen as a click on its description would choose it; false for no row.
bool MainForm::ChooseRow(long long row) {
    if (row < 0) {
        return false;
    }
    ListBox4.Select(row);
    ListBox4Click();
    return true;
}

// The text goes in as typed, unless it would break the line (see GameFile::Write). With no
// line chosen there is no line to write, and the document must keep one value per line, so
// nothing happens.
void MainForm::SpeedButton10Click() {
    const long long line = ChosenLine();
    if (line < 0) {
        return;
    }
    EditLine(line, edit1.Text());
}

} // namespace korvane
