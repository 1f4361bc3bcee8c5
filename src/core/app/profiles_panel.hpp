// The profiles on the General page: the list of the game folder's profiles (the one in use
// marked), Use, which shows the chosen one as Load shows f1graphics.cfg, and Save as
// profile, which writes what Save would write into a profile of a name asked for.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvane {

class MainForm;

class ProfilesPanel {
public:
    explicit ProfilesPanel(MainForm& form) : form_(form) {}
    void ShowCaptions();
    // Lists the game folder's profiles anew, marking the one whose bytes f1graphics.cfg had
    // when last loaded or saved. The profile of the name given, else the one chosen before,
    // else the one in use, is chosen.
    void List(const std::string& choose = {});
    // The profile chosen in the list; empty when none is.
    std::string Chosen() const;

    // The player's input.
    void ListChange();
    void UseClick();
    void SaveAsClick();
    // Asks for a profile's name until it may be used (the name rules; only a profile is
    // replaced, after a question): the name as the file spells it and whether it replaces
    // one, or nothing when the player cancels.
    struct NameChosen {
        std::string name;
        bool replacing = false;
    };
    std::optional<NameChosen> AskName();
    // Use without the question: shows the profile of that name, as a change of the
    // player's. A profile that cannot be used changes nothing; the error names its file and
    // why.
    void Use(const std::string& name);

private:
    MainForm& form_;
    // The profiles of the list, by item, without the mark of the one in use.
    std::vector<std::string> profileNames_;
};

} // namespace korvane
