// The Views page: the settings the file holds once per view (main, mirror, videowall) as one
// grid, a row per setting with its three values. Rows whose views differ are set apart and
// changed values marked; the chosen cell is edited as on the manual page (its comment's
// choices, the hint, Enter applies, Restore), and a row's main value, or every row's, is
// copied to its other views. Every value goes through the one write of a value.
#include "app/main_form.hpp"

#include "file/text.hpp"

namespace korvane {

void MainForm::ConnectViewsPage() {
    ViewGrid.SetSource([this] { return views_.rows.size(); },
                       [this](std::size_t r, std::size_t c) {
                           const ViewRow& row = views_.rows[r];
                           return c == 0
                                      ? std::string(SettingText(document.CommentView(row.lines[0])))
                                      : document.Value(row.lines[c - 1]);
                       });
    ViewGrid.SetMarks(
        [this](std::size_t r, std::size_t c) {
            return c > 0 && gameFile.IsChanged(views_.rows[r].lines[c - 1]);
        },
        [this](std::size_t r) { return ViewsDiffer(document, views_.rows[r]); });
    ViewValue.onChange = [this] { ShowViewNote(); };
    ViewValue.onEnter = [this] {
        if (const long long line = ChosenViewLine(); line >= 0) {
            EditLine(line, ViewValue.Text());
        }
    };
    gameFile.AddListener([this](GameFile::Change change, std::size_t line) {
        if (change == GameFile::Change::Reset) {
            views_ = PairViews(document);
            viewRowOfLine_.assign(document.Count(), -1);
            for (std::size_t r = 0; r < views_.rows.size(); ++r) {
                for (const long long k : views_.rows[r].lines) {
                    viewRowOfLine_[static_cast<std::size_t>(k)] = static_cast<int>(r);
                }
            }
            ForgetViewCell();
            ViewGrid.RowsChanged();
            ViewValue.SetText({});
        } else if (change == GameFile::Change::State) {
            // What the lines are compared with changed: any cell's mark may differ.
            for (std::size_t r = 0; r < views_.rows.size(); ++r) {
                ViewGrid.RowChanged(r);
            }
        } else if (line < viewRowOfLine_.size() && viewRowOfLine_[line] >= 0) {
            ViewGrid.RowChanged(static_cast<std::size_t>(viewRowOfLine_[line]));
            if (static_cast<long long>(line) == ChosenViewLine()) {
                ViewValue.SetText(document.Value(static_cast<long long>(line)));
            }
        }
        ShowViewCell();
    });
    ForgetViewCell();
    ShowViewsCaptions();
}

// No cell is chosen: no choices to offer.
void MainForm::ForgetViewCell() {
    viewGuidanceLine_ = -1;
    viewGuidance_ = {};
    ViewChoices.SetItems({});
    ViewChoices.SetEnabled(false);
}

void MainForm::ShowViewsCaptions() {
    ViewsButton.SetCaption(LanguageText(entries::kViewsButton));
    ViewGrid.SetColumns({LanguageText(entries::kSettingColumn), LanguageText(entries::kMainColumn),
                         LanguageText(entries::kMirrorColumn),
                         LanguageText(entries::kVideowallColumn)});
    ViewRestore.SetCaption(LanguageText(entries::kRestoreValue));
    CopyRow.SetCaption(LanguageText(entries::kCopyRow));
    CopyAll.SetCaption(LanguageText(entries::kCopyAll));
    ShowViewNote();
}

void MainForm::ViewsButtonClick() {
    ShowPage(ViewsPage, ViewsButton, FontStyle::Italic);
}

long long MainForm::ChosenViewLine() const {
    const int row = ViewGrid.Selected();
    if (row < 0 || ViewGrid.Column() == 0) {
        return -1;
    }
    return views_.rows[static_cast<std::size_t>(row)].lines[ViewGrid.Column() - 1];
}

// A cell of the setting's own column stands for the row: its main value is chosen.
void MainForm::ViewGridClick() {
    if (ViewGrid.Selected() >= 0 && ViewGrid.Column() == 0) {
        ViewGrid.Select(ViewGrid.Selected(), 1);
    }
    const long long line = ChosenViewLine();
    ViewValue.SetText(line < 0 ? std::string() : document.Value(line));
    ShowViewCell();
}

void MainForm::ShowViewCell() {
    const long long line = ChosenViewLine();
    if (line != viewGuidanceLine_) {
        viewGuidanceLine_ = line;
        viewGuidance_ = line < 0 ? CommentValues{} : ReadCommentValues(document.CommentView(line));
        // A view's comment that names no values takes the main view's.
        if (line >= 0 && !viewGuidance_.StatesValues()) {
            const ViewRow& row = views_.rows[static_cast<std::size_t>(ViewGrid.Selected())];
            viewGuidance_ = ReadCommentValues(document.CommentView(row.lines[0]));
        }
        ViewChoices.SetItems(ChoiceTexts(viewGuidance_));
        ViewChoices.SetEnabled(!viewGuidance_.choices.empty());
    }
    ViewChoices.SetItemIndex(line < 0 ? -1 : ChoiceOf(viewGuidance_, document.ValueView(line)));
    ViewRestore.SetEnabled(gameFile.IsChanged(line));
    const int row = ViewGrid.Selected();
    CopyRow.SetEnabled(row >= 0 &&
                       ViewsDiffer(document, views_.rows[static_cast<std::size_t>(row)]));
    bool anyDiffer = false;
    for (const ViewRow& r : views_.rows) {
        anyDiffer = anyDiffer || ViewsDiffer(document, r);
    }
    CopyAll.SetEnabled(anyDiffer);
    ShowViewNote();
}

// The chosen cell's hint, and below it what the grid leaves out.
void MainForm::ShowViewNote() {
    const long long line = ChosenViewLine();
    std::string note = ValueHintText(viewGuidance_, line, line < 0 ? "" : ViewValue.Text());
    std::string left;
    if (views_.rows.empty() && document.Count() > 0) {
        left = LanguageText(entries::kNoViews);
    } else if (views_.unpaired == 1) {
        left = LanguageText(entries::kOneLineUnpaired);
    } else if (views_.unpaired > 1) {
        left = FillIn(LanguageText(entries::kLinesUnpaired),
                      IntToStr(static_cast<long long>(views_.unpaired)));
    }
    if (!note.empty() && !left.empty()) {
        note += "\r\n";
    }
    ViewNote.SetCaption(note + left);
}

void MainForm::ViewChoicesChange() {
    const long long line = ChosenViewLine();
    const int index = ViewChoices.ItemIndex();
    if (line < 0 || index < 0 || static_cast<std::size_t>(index) >= viewGuidance_.choices.size()) {
        return;
    }
    EditLine(line, IntToStr(viewGuidance_.choices[static_cast<std::size_t>(index)].value));
}

void MainForm::ViewRestoreClick() {
    if (const long long line = ChosenViewLine(); line >= 0) {
        RestoreLine(line);
    }
}

void MainForm::CopyRowClick() {
    if (const int row = ViewGrid.Selected(); row >= 0) {
        WriteViewLines(CopyAcross(document, views_.rows[static_cast<std::size_t>(row)]));
    }
}

void MainForm::CopyAllClick() {
    std::vector<LineWrite> writes;
    for (const ViewRow& row : views_.rows) {
        for (LineWrite& write : CopyAcross(document, row)) {
            writes.push_back(std::move(write));
        }
    }
    WriteViewLines(writes);
}

// As EditLine for each line, with the setting pages shown again once at the end.
void MainForm::WriteViewLines(const std::vector<LineWrite>& writes) {
    if (writes.empty()) {
        return;
    }
    try {
        for (const LineWrite& write : writes) {
            WriteValue(write.line, write.value);
        }
    } catch (...) {
        ApplyDocumentToControls(false);
        throw;
    }
    ApplyDocumentToControls(false);
}

} // namespace korvane
