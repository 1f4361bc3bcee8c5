// The manual edit page: three synchronised lists (line number, value, description) that
// scroll together and mark the lines that differ from f1graphics.cfg (or list those alone),
// the apply button that writes a typed value into the chosen line, and the guidance beside
// it: the choices and the hint that the line's comment gives, the count of changed lines,
// the button that puts a line back, and the search for a line.
#pragma once

#include "app/line_guidance.hpp"
#include "form/controls.hpp"

#include <vector>

namespace korvane {

class MainForm;

class ManualPage {
public:
    explicit ManualPage(MainForm& form);
    // Binds the lists to the document and follows the game file's changes.
    void Connect();

    // The player's input: a click on a row of the number, description or value list.
    void NumberClick();
    void DescriptionClick();
    void ValueClick();
    // Apply: the typed value goes into the chosen line.
    void Apply();
    // Picking a choice writes it, as Apply does, and shows it in the value field.
    void ChoiceChange();
    // Puts the chosen line's value back as f1graphics.cfg holds it.
    void RestoreClick();
    // The check box that lists the changed lines alone.
    void ChangedOnlyClick();
    // Typing: the line of the number typed, or the first line from the selected one whose
    // comment holds the text; Enter, F3: the next one whose comment holds it, wrapping around.
    void FindChange();
    void FindNext();

    // The line chosen, or -1.
    long long ChosenLine() const;
    // Lists the changed lines alone, or every line, as the check box says; the line chosen
    // stays chosen when it is listed and the choice is to be kept.
    void ShowChangedOnly(bool keepChoice);
    // The page's check box and the strip's button both count what Save will change.
    void ShowChangedCount();
    void ShowGuidanceCaptions();

private:
    void ShowGuidance();
    void ShowValueHint();
    void FindFrom(long long start);
    // The line a row of the three lists shows, and back (-1: none).
    long long LineOfRow(long long row) const;
    long long RowOfLine(long long line) const;
    bool ChooseRow(long long row);
    // After a line was chosen: every list shows the same rows, from preferredTop if the
    // chosen row is in view there, and the guidance follows the line.
    void AfterLineChosen(int preferredTop);
    void ScrollListsWith(const ListBox& source);

    MainForm& form_;
    LineGuidance guidance_;
    // While the page lists the changed lines alone: those lines, in order.
    bool changedOnly_ = false;
    std::vector<long long> shownLines_;
};

} // namespace korvane
