// The Views page: the settings the file holds once per view (main, mirror, videowall) as
// one grid, a row per setting with its three values. Rows whose views differ are set apart
// and changed values marked; the chosen cell is edited as on the manual page (its comment's
// choices, the hint, Enter applies, Restore), and a row's main value, or every row's, is
// copied to its other views. Every value goes through the one write of a value.
#pragma once

#include "app/line_guidance.hpp"
#include "file/view_grid.hpp"

#include <vector>

namespace korvane {

class MainForm;

class ViewsEditor {
public:
    explicit ViewsEditor(MainForm& form);
    // Binds the grid to the document and follows the game file's changes.
    void Connect();
    void ShowCaptions();

    // The player's input.
    void GridClick();
    void ChoiceChange();
    void RestoreClick();
    void CopyRowClick();
    void CopyAllClick();

    // The rows of the grid, paired anew whenever the document is read.
    const PairedViews& Views() const noexcept { return views_; }
    // The line of the grid's chosen cell; -1 when none is chosen.
    long long ChosenViewLine() const;

private:
    // The chosen cell's choices, the state of the page's commands, and the note.
    void ShowViewCell();
    void ShowViewNote();
    // As an edit by hand for each line, with the setting pages shown again once at the end.
    void WriteViewLines(const std::vector<LineWrite>& writes);

    // Whether a row's views differ, and how many rows' do.
    void CompareViews(std::size_t row);

    MainForm& form_;
    LineGuidance guidance_;
    PairedViews views_;
    std::vector<int> viewRowOfLine_; // by line: its row in views_, or -1
    std::vector<bool> differ_;       // by row
    std::size_t differing_ = 0;
};

} // namespace korvane
