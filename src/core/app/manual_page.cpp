// The manual edit page: three synchronised lists (line number, value, description) that
// scroll together and mark the lines that differ from f1graphics.cfg (or list those alone), the
// apply button that writes a typed value into the chosen line, and the guidance beside it: the
// choices and the hint that the line's comment gives, the count of changed lines, the button that
// puts a line back, and the search for a line.
#include "app/manual_page.hpp"

#include "app/main_form.hpp"

#include "file/text.hpp"

#include <algorithm>
#include <optional>

namespace korvane {

namespace {

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

ManualPage::ManualPage(MainForm& form)
    : form_(form), guidance_(form.texts, form.folder.File(), form.ValueChoices, form.RestoreValue) {
}

void ManualPage::NumberClick() {
    const int top = form_.ListBox1.TopIndex();
    SelectRow(form_.ListBox5, form_.ListBox1.Selected());
    SelectRow(form_.ListBox4, form_.ListBox1.Selected());
    SelectRow(form_.ListBox1, form_.ListBox4.Selected());
    form_.edit1.SetText(form_.ListBox1.Item(form_.ListBox1.Selected()));
    form_.edit2.SetText(form_.ListBox4.Item(form_.ListBox4.Selected()));
    AfterLineChosen(top);
}

void ManualPage::DescriptionClick() {
    const int top = form_.ListBox4.TopIndex();
    SelectRow(form_.ListBox5, form_.ListBox4.Selected());
    SelectRow(form_.ListBox1, form_.ListBox4.Selected());
    SelectRow(form_.ListBox4, form_.ListBox1.Selected());
    form_.edit1.SetText(form_.ListBox1.Item(form_.ListBox1.Selected()));
    form_.edit2.SetText(form_.ListBox4.Item(form_.ListBox4.Selected()));
    AfterLineChosen(top);
}

// Like the other two, the value and description follow the line chosen, so what Enter
// writes is always the line they name; a click that leaves no row leaves them.
void ManualPage::ValueClick() {
    const int top = form_.ListBox5.TopIndex();
    SelectRow(form_.ListBox1, form_.ListBox5.Selected());
    SelectRow(form_.ListBox4, form_.ListBox5.Selected());
    SelectRow(form_.ListBox5, form_.ListBox1.Selected());
    if (form_.ListBox1.Selected() >= 0) {
        form_.edit1.SetText(form_.ListBox1.Item(form_.ListBox1.Selected()));
        form_.edit2.SetText(form_.ListBox4.Item(form_.ListBox4.Selected()));
    }
    AfterLineChosen(top);
}

// The lists show the rows the user had before the choice (with the detours above, each
// list has only just brought the row into view its own way), moved just enough to show it.
void ManualPage::AfterLineChosen(int preferredTop) {
    const int row = form_.ListBox1.Selected();
    int top = preferredTop;
    if (row >= 0 && row < top) {
        top = row;
    } else if (row >= top + form_.ListBox1.PageRows()) {
        top = row - form_.ListBox1.PageRows() + 1;
    }
    for (ListBox* list : {&form_.ListBox5, &form_.ListBox1, &form_.ListBox4}) {
        list->SetTopIndex(top);
    }
    ShowGuidance();
}

void ManualPage::ScrollListsWith(const ListBox& source) {
    for (ListBox* list : {&form_.ListBox5, &form_.ListBox1, &form_.ListBox4}) {
        if (list != &source) {
            list->SetTopIndex(source.TopIndex());
        }
    }
}

long long ManualPage::LineOfRow(long long row) const {
    if (row < 0 || !changedOnly_) {
        return row;
    }
    return static_cast<std::size_t>(row) < shownLines_.size()
               ? shownLines_[static_cast<std::size_t>(row)]
               : -1;
}

long long ManualPage::RowOfLine(long long line) const {
    if (!changedOnly_) {
        return line;
    }
    const auto it = std::lower_bound(shownLines_.begin(), shownLines_.end(), line);
    return it != shownLines_.end() && *it == line ? it - shownLines_.begin() : -1;
}

long long ManualPage::ChosenLine() const {
    return LineOfRow(form_.ListBox1.Selected());
}

void ManualPage::Connect() {
    // The form_.document's lists are the list boxes' rows (the changed ones alone, while the page
    // shows only those); the tails' list is never shown.
    const auto rows = [this] { return changedOnly_ ? shownLines_.size() : form_.document.Count(); };
    form_.ListBox1.SetSource(
        rows, [this](std::size_t r) { return form_.document.Value(LineOfRow(ToRow(r))); });
    form_.ListBox4.SetSource(rows, [this](std::size_t r) {
        return std::string(form_.document.DescriptionView(LineOfRow(ToRow(r))));
    });
    form_.ListBox5.SetSource(rows, [this](std::size_t r) { return IntToStr(LineOfRow(ToRow(r))); });
    form_.ListBox2.SetSource(
        [this] { return form_.document.Count(); },
        [this](std::size_t r) { return std::string(form_.document.TailView(ToRow(r))); });
    for (ListBox* list : {&form_.ListBox5, &form_.ListBox1, &form_.ListBox4}) {
        list->SetMarks(
            [this](std::size_t r) { return form_.folder.File().IsChanged(LineOfRow(ToRow(r))); });
        list->onScroll = [this, list] { ScrollListsWith(*list); };
    }
    form_.edit1.onChange = [this] { ShowValueHint(); };
    form_.edit1.onEnter = [this] { Apply(); };
    form_.FindLine.onEnter = [this] { FindNext(); };
    form_.folder.File().AddListener([this](GameFile::Change change, std::size_t line) {
        if (change == GameFile::Change::Value) {
            if (const long long row = RowOfLine(static_cast<long long>(line)); row >= 0) {
                form_.ListBox1.RowChanged(static_cast<std::size_t>(row));
                form_.ListBox5.MarkChanged(static_cast<std::size_t>(row));
                form_.ListBox4.MarkChanged(static_cast<std::size_t>(row));
            }
        } else if (change == GameFile::Change::Reset) {
            guidance_.Reread();
            form_.ListBox2.RowsChanged();
            ShowChangedOnly(false);
        } else if (changedOnly_) {
            ShowChangedOnly(true);
        } else {
            for (ListBox* list : {&form_.ListBox5, &form_.ListBox1, &form_.ListBox4}) {
                list->MarksChanged();
            }
        }
        ShowChangedCount();
        ShowGuidance();
    });
    ShowGuidanceCaptions();
}

// Lists the changed lines alone, or every line, as the check box says; the line chosen
// stays chosen when it is listed and the choice is to be kept.
void ManualPage::ShowChangedOnly(bool keepChoice) {
    const long long chosen = keepChoice ? ChosenLine() : -1;
    changedOnly_ = form_.ChangedOnly.Checked();
    shownLines_.clear();
    if (changedOnly_) {
        for (std::size_t k = 0; k < form_.document.Count(); ++k) {
            if (form_.folder.File().IsChanged(static_cast<long long>(k))) {
                shownLines_.push_back(static_cast<long long>(k));
            }
        }
    }
    for (ListBox* list : {&form_.ListBox5, &form_.ListBox1, &form_.ListBox4}) {
        list->RowsChanged();
    }
    if (const long long row = RowOfLine(chosen); row >= 0) {
        for (ListBox* list : {&form_.ListBox5, &form_.ListBox1, &form_.ListBox4}) {
            list->Select(row);
        }
    }
    AfterLineChosen(0);
}

void ManualPage::ShowGuidanceCaptions() {
    form_.RestoreValue.SetCaption(form_.texts.LanguageText(entries::kRestoreValue));
    form_.FindLine.SetCaption(form_.texts.LanguageText(entries::kFindLine));
    form_.ChangedOnly.SetToolTip(form_.texts.LanguageText(entries::kChangedOnlyTip));
    ShowChangedCount();
    ShowValueHint();
}

// The manual page's check box and the strip's button both count what Save will change.
void ManualPage::ShowChangedCount() {
    const auto n = static_cast<long long>(
        form_.folder.File().HasChanges() ? form_.folder.File().ChangedCount() : 0);
    form_.ChangedOnly.SetCaption(
        n == 1 ? form_.texts.LanguageText(entries::kOneLineChanged)
               : FillIn(form_.texts.LanguageText(entries::kLinesChanged), IntToStr(n)));
    form_.SaveChanges.SetCaption(
        n == 1 ? form_.texts.LanguageText(entries::kOneChange)
               : FillIn(form_.texts.LanguageText(entries::kChanges), IntToStr(n)));
    form_.SaveChanges.SetVisible(n > 0 && !form_.Panel2.Visible());
    // The title says when the count is none because Save wrote.
    form_.folders.ShowSaved();
}

void ManualPage::ShowGuidance() {
    guidance_.Follow(ChosenLine());
    ShowValueHint();
}

void ManualPage::ShowValueHint() {
    form_.ValueHint.SetCaption(guidance_.Hint(form_.edit1.Text()));
}

// Picking a choice writes it, as Apply does, and shows it in the value field.
void ManualPage::ChoiceChange() {
    const long long line = ChosenLine();
    const std::optional<std::string> value = guidance_.Picked();
    if (line < 0 || !value) {
        return;
    }
    form_.EditLine(line, *value);
    form_.edit1.SetText(*value);
    ShowValueHint();
}

// Puts the chosen line's value back as f1graphics.cfg holds it.
void ManualPage::RestoreClick() {
    const long long line = ChosenLine();
    if (line < 0) {
        return;
    }
    form_.RestoreLine(line);
    form_.edit1.SetText(form_.document.Value(line));
    ShowValueHint();
}

void ManualPage::ChangedOnlyClick() {
    ShowChangedOnly(true);
}

// A whole number of a line listed chooses that line; other text the first listed line from
// the chosen one whose comment holds it.
void ManualPage::FindChange() {
    const std::optional<std::int32_t> line = WholeNumber(form_.FindLine.Text());
    if (line && *line >= 0 && static_cast<std::size_t>(*line) < form_.document.Count() &&
        ChooseRow(RowOfLine(*line))) {
        return;
    }
    FindFrom(std::max(0, form_.ListBox1.Selected()));
}

void ManualPage::FindNext() {
    FindFrom(form_.ListBox1.Selected() + 1);
}

// The first listed line from row start on, wrapping around, whose comment contains the search
// text (the numbers in the number and value columns would match almost anything a player
// types).
void ManualPage::FindFrom(long long start) {
    const std::string& text = form_.FindLine.Text();
    const auto count = static_cast<long long>(form_.ListBox1.Count());
    if (text.empty() || count == 0) {
        return;
    }
    for (long long i = 0; i < count; ++i) {
        const long long r = (start + i) % count;
        if (ContainsFolded(form_.document.CommentView(LineOfRow(r)), text)) {
            ChooseRow(r);
            return;
        }
    }
}

// Chosen as a click on its description would choose it; false for no row.
bool ManualPage::ChooseRow(long long row) {
    if (row < 0) {
        return false;
    }
    form_.ListBox4.Select(row);
    DescriptionClick();
    return true;
}

// The text goes in as typed, unless it would break the line (see GameFile::Write). With no
// line chosen there is no line to write, and the document must keep one value per line, so
// nothing happens.
void ManualPage::Apply() {
    const long long line = ChosenLine();
    if (line < 0) {
        return;
    }
    form_.EditLine(line, form_.edit1.Text());
}

} // namespace korvane
