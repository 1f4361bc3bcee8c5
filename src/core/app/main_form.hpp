// TForm1, the main window's form model: every control with its state, the document, the
// language lines and the install directory, and every handler of the window. The Win32
// window shows this model; native tests drive it directly.
//
// The handlers live in several files: main_form.cpp (pages, Load, Save, Quit, the error
// guard), bindings.cpp (the setting controls), language.cpp (start-up and captions) and
// manual_edit.cpp (the manual edit page), profiles.cpp (the profiles on the General page) and
// views_page.cpp (the three views side by side).
#pragma once

#include "app/form_layout.hpp"
#include "file/comment_values.hpp"
#include "file/config_document.hpp"
#include "file/errors.hpp"
#include "file/file_layout.hpp"
#include "file/game_file.hpp"
#include "file/language_entries.hpp"
#include "file/platform.hpp"
#include "file/view_grid.hpp"
#include "form/controls.hpp"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

class MainForm {
public:
    explicit MainForm(Platform& platform);
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // Runs one dispatched piece of work: an error it raises goes to the global error box
    // and the window goes on. Every user call from the view goes through here.
    void Guarded(const std::function<void()>& work) noexcept;

    // Every control, by ID (nullptr if none), and all of them in layout order.
    Control* Find(int id) noexcept;
    const std::vector<Control*>& AllControls() const noexcept { return all_; }

    // ---- Program start (language.cpp) ----
    // The creation handler: the language start-up. Runs once while the window is created.
    // False when the program ends here (no language file): the window is then not shown.
    bool FormCreate();
    bool LanguageFileExists();
    void ReadLanguageFile();
    // Only the language lines of a file (no captions, no version check): the texts of the
    // command line.
    void ReadLanguageLines(const std::string& path);
    void ApplyCaptions();
    // A text the program adds beyond the caption table (entries 61 and up): the language
    // file's entry, or the German default when the file has none (or leaves it empty), so an
    // older language file still works. "\r" in the entry stands for a line break.
    std::string LanguageText(const LanguageEntry& entry) const;

    // ---- Pages and commands (main_form.cpp) ----
    // The Info page's contact rows show what contacts holds, a row without a contact hidden;
    // with none the page points to the read-me instead.
    void ShowContacts();
    void HideAllPages();
    void ResetButtonStyles();
    void SpeedButton4Click(); // Allgemein
    void SpeedButton5Click(); // Grafikqualität
    void SpeedButton6Click(); // Objekte
    void SpeedButton7Click(); // Info
    void SpeedButton9Click(); // Manuell bearbeiten
    void SpeedButton1Click(); // Load
    void SpeedButton2Click(); // Save
    void SpeedButton3Click(); // Quit

    // Document commands. The game file's state is gameFile's; these ask it.
    std::string LookupInstallDir();
    // Reads f1graphics.cfg from InstallDir and shows it (see ShowLoaded).
    void LoadDocument();
    // False when nothing was written because the player kept another program's changes.
    bool SaveDocument();
    // Something is changed that Save would write (see GameFile: changed means differs from
    // f1graphics.cfg as last read or written).
    bool HasUnsavedChanges() const noexcept { return gameFile.HasChanges(); }
    // After a read: the page buttons appear and every control shows the document.
    void ShowLoaded();
    // Asked when the window is to close (Quit, its close box, Alt+F4, the system menu): with
    // unsaved changes the player chooses to save them, drop them or stay. True to close;
    // false while another command waits for the player.
    bool QueryClose();
    // The one way a value goes into a line (see GameFile::Write).
    void WriteValue(long long line, std::string_view value) { gameFile.Write(line, value); }
    // A value typed or picked by hand for a line (the manual page): written, and every
    // setting control shows the document again.
    void EditLine(long long line, std::string_view value);
    // The same with f1graphics.cfg's value of the line.
    void RestoreLine(long long line);
    // A failure's message with a second line that names the file (a full path) and, where
    // the program knows it, what to do about the problem.
    std::string FileMessage(std::string_view message, FileProblem problem,
                            const std::string& path) const;
    // Runs a command's work on a file of the game's folder (path: the file it is about): a
    // failure of a file, of the registry lookup or of a line the document lacks is raised
    // again with its second line.
    void AboutGameFile(const std::string& path, const std::function<void()>& work);

    // ---- Setting bindings (bindings.cpp) ----
    // The layout of the document loaded; the handlers reach their lines through it.
    FileLayout Layout() const noexcept { return gameFile.Layout(); }
    // Entry n of the value list, n being a release line number (see file_layout.hpp).
    std::string LineValue(int releaseLine) const;
    // Replaces it; nothing when the document's layout lacks the line.
    void SetLine(int releaseLine, std::string_view value);
    bool HasLine(int releaseLine) const noexcept;
    // After a Load: each setting control's tooltip names the lines it edits.
    void ShowLineToolTips();
    // At start: the player's own screen as a fourth resolution, when it is none of the three.
    void AddDesktopResolution();
    // The one way the setting controls show the document: each control is set from its
    // lines and nothing is written, so the same document always looks the same, whatever
    // was shown before. Strict (Load, Use): a value a slider or fixed list cannot show as a
    // number stops it with the conversion's error. Otherwise (after an edit by hand) such a
    // control keeps what it showed.
    void ApplyDocumentToControls(bool strict = true);
    // The text a settings drop-down shows for what its line holds, by its load rule;
    // nothing for a value the rule does not name.
    std::optional<std::string> StoredChoice(const ComboBox& combo) const;
    // The text a settings drop-down shows for its line: the named choice, else the value.
    std::string ShownChoice(const ComboBox& combo) const;
    // The drop-downs the player typed into since they last showed their lines show what is
    // stored again (the player left them, or pressed a button of the strip); one whose text
    // names nothing it can store first puts its lines back as they were before the typing.
    void SettleDropDowns();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void CheckBox5Click();
    void CheckBox6Click();
    void CheckBox7Click();
    void CheckBox8Click();
    void CheckBox9Click();
    void CheckBox10Click();
    void CheckBox11Click();
    void CheckBox12Click();
    void CheckBox13Click();
    void CheckBox14Click();
    void CheckBox15Click();
    void CheckBox16Click();
    void CheckBox17Click();
    void aufloesungChange();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void ComboBox5Change();
    void ComboBox6Change();
    void TrackBar1Change();
    void TrackBar2Change();

    // ---- Manual edit page (manual_edit.cpp) ----
    void ListBox1Click();
    void ListBox4Click();
    void ListBox5Click();
    void SpeedButton10Click(); // Apply
    // The guidance beside the selected line: the choices its comment lists (picking one
    // writes it), the hint about its values (a warning while edit1 holds a value the comment
    // does not allow), the count of lines that differ from what Load read (their rows are
    // marked), the button that puts the line back as read, and the search for a line.
    void ValueChoicesChange();
    void RestoreValueClick();
    // The check box that lists the changed lines alone.
    void ChangedOnlyClick();
    // The strip's count of what Save will change: shows the manual page.
    void SaveChangesClick();
    // Typing: the line of the number typed, or the first line from the selected one whose
    // comment holds the text; Enter, F3: the next one whose comment holds it, wrapping around.
    void FindLineChange();
    void FindNext();
    void ShowGuidance();
    void ShowValueHint();
    void ShowChangedCount();
    void ShowGuidanceCaptions();

    // ---- Profiles (profiles.cpp) ----
    // Lists the game folder's profiles anew, marking the one whose bytes f1graphics.cfg had
    // when last loaded or saved. The profile of the name given, else the one chosen before,
    // else the one in use, is chosen.
    void ListProfiles(const std::string& choose = {});
    // The profile chosen in the list; empty when none is.
    std::string ChosenProfile() const;
    void ProfileListChange();
    // Shows the chosen profile as Load shows f1graphics.cfg, as a change of the player's.
    void ProfileUseClick();
    // Use without the question: reads the profile of that name in InstallDir and, once it
    // is read whole and complete, shows it. A profile that cannot be used changes nothing;
    // the error names its file and why.
    void UseProfile(const std::string& name);
    // Writes what Save would write to f1graphics.cfg into a profile of a name asked for.
    void ProfileSaveAsClick();

    // ---- Views page (views_page.cpp) ----
    // The three views' settings side by side: a row per setting, its main, mirror and
    // videowall values in the grid's columns 1 to 3. The chosen cell's value can be typed
    // (Enter applies) or picked from its comment's choices, and put back; a row's main value,
    // or every row's, is copied to the other views.
    void ViewsButtonClick();
    void ViewGridClick();
    void ViewChoicesChange();
    void ViewRestoreClick();
    void CopyRowClick();
    void CopyAllClick();
    // The rows of the grid, paired anew whenever the document is read.
    const PairedViews& Views() const noexcept { return views_; }
    // The line of the grid's chosen cell; -1 when none is chosen.
    long long ChosenViewLine() const;

    // ---- State ----
    Platform& platform;
    // f1graphics.cfg: the document, its layout, whether it may be saved, what changed.
    GameFile gameFile;
    const ConfigDocument& document;
    std::string InstallDir;
    Contacts contacts = BuildContacts();
    // LanguageLines are the items of the hidden ListBox3.
    const std::vector<std::string>& LanguageLines() const noexcept { return ListBox3.OwnItems(); }

    // ---- Controls, by their designer names: one member per row of form_controls.inc ----
#define KORVANE_CONTROL(kind, name, ...) ModelOf<ControlKind::kind> name;
#include "app/form_controls.inc"
#undef KORVANE_CONTROL

private:
    void ShowPage(Panel& page, SpeedButton& button, FontStyle style);
    // Save's steps once it may write: the look at the file, the question, the replacement.
    bool WriteDocument(const std::string& path);
    // Before Load or Use replaces the document: true when there is nothing unsaved or the
    // player lets it go, asked with the question given.
    bool MayDropChanges(const std::string& question);
    void ApplyProfileCaptions();

    // A settings drop-down's text after the player's input: marked when it names nothing
    // the drop-down can store, and shown from its line again when the player leaves it.
    void Typed(ComboBox& combo, bool storable);

    // The hint beside a value field: the range or set the comment states, or a warning while
    // the typed value is one it does not allow.
    std::string ValueHintText(const CommentValues& values, long long line,
                              std::string_view typed) const;

    void ConnectManualPage();
    void ConnectViewsPage();
    void ShowViewsCaptions();
    void ForgetViewCell();
    // The chosen cell's choices, the state of the page's commands, and the note.
    void ShowViewCell();
    void ShowViewNote();
    void WriteViewLines(const std::vector<LineWrite>& writes);
    void FindFrom(long long start);
    // The line a row of the three lists shows, and back (-1: none).
    long long LineOfRow(long long row) const;
    long long RowOfLine(long long line) const;
    // The line chosen on the manual page, or -1.
    long long ChosenLine() const;
    void ShowChangedOnly(bool keepChoice);
    bool ChooseRow(long long row);
    // After a line was chosen: every list shows the same rows, from preferredTop if the
    // chosen row is in view there, and the guidance follows the line.
    void AfterLineChosen(int preferredTop);
    void ScrollListsWith(const ListBox& source);

    long long guidanceLine_ = -1;
    // While the manual page lists the changed lines alone: those lines, in order.
    bool changedOnly_ = false;
    std::vector<long long> shownLines_;
    CommentValues guidance_;
    PairedViews views_;
    std::vector<int> viewRowOfLine_; // by line: its row in views_, or -1
    long long viewGuidanceLine_ = -1;
    CommentValues viewGuidance_;

    std::vector<Control*> all_;
    // The drop-downs the player typed into since they last showed their lines, with what
    // those lines held before the typing began.
    struct Typing {
        ComboBox* combo;
        std::vector<std::pair<long long, std::string>> lines;
    };
    std::vector<Typing> typedInto_;
    // How many guarded pieces of work are running: more than one means a message came in
    // while a box of another was open.
    int guardDepth_ = 0;
    // The profiles of the list, by item, without the mark of the one in use.
    std::vector<std::string> profileNames_;
};

} // namespace korvane
