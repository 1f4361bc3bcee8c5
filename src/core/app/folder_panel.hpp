// The game folder in the window: where Load takes its folder from (and the question to
// choose one when there is none), the "Game folder..." command that chooses one with the
// system's folder dialog, and the list of the folders known on the General page, which opens
// the one picked and forgets one that has gone. The window's title names the folder open.
#pragma once

#include "file/game_folder.hpp"

#include <string>
#include <vector>

namespace korvane {

class MainForm;

class FolderPanel {
public:
    explicit FolderPanel(MainForm& form) : form_(form) {}
    void ShowCaptions();
    // Load: the folder Locate names, once it can be opened; without one, or with one that is
    // gone, the player is asked whether to choose the folder. With unsaved changes it asks
    // first.
    void Load();
    // Lists the folders known, the one open chosen, and titles the window.
    void List();
    // The window's title: the program's, the folder open shortened to fit, and after a Save
    // (until the next change) that it wrote.
    std::string Title() const;
    // Titles the window anew when whether Save's sign belongs there has changed.
    void ShowSaved();

    // The player's input.
    void ChooseClick();
    void ListChange();

private:
    // Asks about unsaved changes, shows the folder dialog and opens the folder chosen, once
    // it is a game folder.
    void ChooseAndOpen();
    // Reads the folder's f1graphics.cfg into the window (and lists its profiles also when
    // that fails).
    void Open(const std::string& folder);

    MainForm& form_;
    std::vector<KnownFolder> known_; // the list's folders, by item
    bool savedShown_ = false;        // the title holds Save's sign
};

} // namespace korvane
