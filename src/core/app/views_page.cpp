// The Views page: the settings the file holds once per view (main, mirror, videowall) as one
// grid, a row per setting with its three values. Rows whose views differ are set apart and
// changed values marked; the chosen cell is edited as on the manual page (its comment's
// choices, the hint, Enter applies, Restore), and a row's main value, or every row's, is
// copied to its other views. Every value goes through the one write of a value.
#include "app/views_page.hpp"

#include "app/main_form.hpp"

#include <optional>

#include "file/text.hpp"

namespace korvane {

ViewsEditor::ViewsEditor(MainForm& form)
    : form_(form), guidance_(form.texts, form.folder.File(), form.ViewChoices, form.ViewRestore) {}

void ViewsEditor::Connect() {
    form_.ViewGrid.SetSource(
        [this] { return views_.rows.size(); },
        [this](std::size_t r, std::size_t c) {
            const ViewRow& row = views_.rows[r];
            return c == 0 ? std::string(SettingText(form_.document.CommentView(row.lines[0])))
                          : form_.document.Value(row.lines[c - 1]);
        });
    form_.ViewGrid.SetMarks(
        [this](std::size_t r, std::size_t c) {
            return c > 0 && form_.folder.File().IsChanged(views_.rows[r].lines[c - 1]);
        },
        [this](std::size_t r) { return ViewsDiffer(form_.document, views_.rows[r]); });
    form_.ViewValue.onChange = [this] { ShowViewNote(); };
    form_.ViewValue.onEnter = [this] {
        if (const long long line = ChosenViewLine(); line >= 0) {
            form_.EditLine(line, form_.ViewValue.Text());
        }
    };
    form_.folder.File().AddListener([this](GameFile::Change change, std::size_t line) {
        if (change == GameFile::Change::Reset) {
            views_ = PairViews(form_.document);
            viewRowOfLine_.assign(form_.document.Count(), -1);
            differ_.assign(views_.rows.size(), false);
            differing_ = 0;
            for (std::size_t r = 0; r < views_.rows.size(); ++r) {
                for (const long long k : views_.rows[r].lines) {
                    viewRowOfLine_[static_cast<std::size_t>(k)] = static_cast<int>(r);
                }
                CompareViews(r);
            }
            guidance_.Forget();
            form_.ViewGrid.RowsChanged();
            form_.ViewValue.SetText({});
        } else if (change == GameFile::Change::State) {
            // What the lines are compared with changed: any cell's mark may differ.
            form_.ViewGrid.MarksChanged();
        } else if (line < viewRowOfLine_.size() && viewRowOfLine_[line] >= 0) {
            CompareViews(static_cast<std::size_t>(viewRowOfLine_[line]));
            form_.ViewGrid.RowChanged(static_cast<std::size_t>(viewRowOfLine_[line]));
            if (static_cast<long long>(line) == ChosenViewLine()) {
                form_.ViewValue.SetText(form_.document.Value(static_cast<long long>(line)));
            }
        }
        ShowViewCell();
    });
    guidance_.Forget();
    ShowCaptions();
}

void ViewsEditor::ShowCaptions() {
    form_.ViewsButton.SetCaption(form_.texts.LanguageText(entries::kViewsButton));
    form_.ViewGrid.SetColumns({form_.texts.LanguageText(entries::kSettingColumn),
                               form_.texts.LanguageText(entries::kMainColumn),
                               form_.texts.LanguageText(entries::kMirrorColumn),
                               form_.texts.LanguageText(entries::kVideowallColumn)});
    form_.ViewRestore.SetCaption(form_.texts.LanguageText(entries::kRestoreValue));
    form_.CopyRow.SetCaption(form_.texts.LanguageText(entries::kCopyRow));
    form_.CopyAll.SetCaption(form_.texts.LanguageText(entries::kCopyAll));
    ShowViewNote();
}

long long ViewsEditor::ChosenViewLine() const {
    const int row = form_.ViewGrid.Selected();
    if (row < 0 || form_.ViewGrid.Column() == 0) {
        return -1;
    }
    return views_.rows[static_cast<std::size_t>(row)].lines[form_.ViewGrid.Column() - 1];
}

// A cell of the setting's own column stands for the row: its main value is chosen.
void ViewsEditor::GridClick() {
    if (form_.ViewGrid.Selected() >= 0 && form_.ViewGrid.Column() == 0) {
        form_.ViewGrid.Select(form_.ViewGrid.Selected(), 1);
    }
    const long long line = ChosenViewLine();
    form_.ViewValue.SetText(line < 0 ? std::string() : form_.document.Value(line));
    ShowViewCell();
}

void ViewsEditor::ShowViewCell() {
    const long long line = ChosenViewLine();
    // A view's comment that names no values takes the main view's.
    guidance_.Follow(
        line, line < 0
                  ? std::string_view()
                  : form_.document.CommentView(
                        views_.rows[static_cast<std::size_t>(form_.ViewGrid.Selected())].lines[0]));
    const int row = form_.ViewGrid.Selected();
    form_.CopyRow.SetEnabled(row >= 0 && differ_[static_cast<std::size_t>(row)]);
    form_.CopyAll.SetEnabled(differing_ > 0);
    ShowViewNote();
}

// Kept row by row as the lines change, so that a write of one line never walks every row.
void ViewsEditor::CompareViews(std::size_t row) {
    const bool differ = ViewsDiffer(form_.document, views_.rows[row]);
    if (differ_[row] != differ) {
        differ_[row] = differ;
        differing_ = differ ? differing_ + 1 : differing_ - 1;
    }
}

// The chosen cell's hint, and below it what the grid leaves out.
void ViewsEditor::ShowViewNote() {
    std::string note = guidance_.Hint(form_.ViewValue.Text());
    std::string left;
    if (views_.rows.empty() && form_.document.Count() > 0) {
        left = form_.texts.LanguageText(entries::kNoViews);
    } else if (views_.unpaired == 1) {
        left = form_.texts.LanguageText(entries::kOneLineUnpaired);
    } else if (views_.unpaired > 1) {
        left = FillIn(form_.texts.LanguageText(entries::kLinesUnpaired),
                      IntToStr(static_cast<long long>(views_.unpaired)));
    }
    if (!note.empty() && !left.empty()) {
        note += "\r\n";
    }
    form_.ViewNote.SetCaption(note + left);
}

void ViewsEditor::ChoiceChange() {
    const long long line = ChosenViewLine();
    if (const std::optional<std::string> value = guidance_.Picked(); line >= 0 && value) {
        form_.EditLine(line, *value);
    }
}

void ViewsEditor::RestoreClick() {
    if (const long long line = ChosenViewLine(); line >= 0) {
        form_.RestoreLine(line);
    }
}

void ViewsEditor::CopyRowClick() {
    if (const int row = form_.ViewGrid.Selected(); row >= 0) {
        WriteViewLines(CopyAcross(form_.document, views_.rows[static_cast<std::size_t>(row)]));
    }
}

void ViewsEditor::CopyAllClick() {
    std::vector<LineWrite> writes;
    for (const ViewRow& row : views_.rows) {
        for (LineWrite& write : CopyAcross(form_.document, row)) {
            writes.push_back(std::move(write));
        }
    }
    WriteViewLines(writes);
}

// As EditLine for each line, with the setting pages shown again once at the end.
void ViewsEditor::WriteViewLines(const std::vector<LineWrite>& writes) {
    if (writes.empty()) {
        return;
    }
    try {
        for (const LineWrite& write : writes) {
            form_.folder.File().Write(write.line, write.value);
        }
    } catch (...) {
        form_.settings.ApplyDocumentToControls();
        throw;
    }
    form_.settings.ApplyDocumentToControls();
}

} // namespace korvane
