// The history on the General page: the versions f1graphics.cfg had before each Save, newest
// first, each with how many lines it differs from the file as loaded; Show, which shows the
// chosen one as Use shows a profile (only Save writes it); and Save as profile of a version.
#pragma once

#include "file/history.hpp"

#include <string>
#include <vector>

namespace korvane {

class MainForm;

class HistoryPanel {
public:
    explicit HistoryPanel(MainForm& form) : form_(form) {}
    void ShowCaptions();
    // Lists the game folder's history anew; the version chosen before stays chosen.
    void List();

    // The player's input.
    void ListChange();
    void ShowClick();
    void SaveAsClick();

private:
    // The version chosen; nothing when none is.
    std::optional<HistoryStamp> Chosen() const;

    MainForm& form_;
    std::vector<HistoryStamp> versions_; // by item: newest first
};

} // namespace korvane
