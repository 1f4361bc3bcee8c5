// TForm1, the main window's form model: every control with its state, the document, the
// language lines and the install directory, and every handler of the window. The Win32
// window shows this model; native tests drive it directly.
//
// The handlers live in several files: main_form.cpp (pages, Load, Save, Quit, the error
// guard), bindings.cpp (the setting controls), language.cpp (start-up and captions) and
// manual_edit.cpp (the manual edit page) and profiles.cpp (the profiles on the General page).
#pragma once

#include "core/comment_values.hpp"
#include "core/config_document.hpp"
#include "core/controls.hpp"
#include "core/file_layout.hpp"
#include "core/form_layout.hpp"
#include "core/language_entries.hpp"
#include "core/platform.hpp"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

// The game's graphics options file, in its install folder.
inline constexpr std::string_view kGameFileName = "f1graphics.cfg";

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
    void ApplyCaptions();
    // A text the program adds beyond the caption table (entries 61 and up): the language
    // file's entry, or the German default when the file has none (or leaves it empty), so an
    // older language file still works. "\r" in the entry stands for a line break.
    std::string LanguageText(const LanguageEntry& entry) const;

    // ---- Pages and commands (main_form.cpp) ----
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

    // Document commands.
    std::string LookupInstallDir();
    void LoadDocument();
    // False when nothing was written because the player kept another program's changes.
    bool SaveDocument();
    // True while the document holds a file whose Load ran to its end: Save writes only then.
    bool DocumentLoaded() const noexcept { return documentLoaded_; }
    // True when the player changed a value since the last successful Load or Save. Load's own
    // rewrites do not count.
    bool HasUnsavedChanges() const noexcept { return unsavedChanges_ && documentLoaded_; }
    // Empties the document and reads a graphics options file into it, recognising its
    // layout; the document may not be saved until a Load has run to its end. Returns the
    // bytes read.
    std::string ReadDocument(const std::string& path);
    // Load's steps from the reset of the check boxes on, with readDocument as the read: show
    // the page buttons and fill every control. A Load that fails after the document began to
    // change leaves a document that may not be saved. Its handlers' writes are no changes of
    // the player's.
    void LoadIntoWindow(const std::function<void()>& readDocument);
    // Asked when the window is to close (Quit, its close box, Alt+F4, the system menu): with
    // unsaved changes the player chooses to save them, drop them or stay. True to close;
    // false while another command waits for the player.
    bool QueryClose();
    // The one way a value goes into a line: a value that would move where the line's value
    // ends (';' or a control character) is refused with an error and the line stays as it was.
    void WriteValue(long long line, std::string_view value);

    // ---- Setting bindings (bindings.cpp) ----
    // The layout of the document loaded; the handlers reach their lines through it.
    FileLayout Layout() const noexcept { return layout_; }
    // Entry n of the value list, n being a release line number (see file_layout.hpp).
    std::string LineValue(int releaseLine) const;
    // Replaces it; nothing when the document's layout lacks the line.
    void SetLine(int releaseLine, std::string_view value);
    bool HasLine(int releaseLine) const noexcept;
    // After a Load: each setting control's tooltip names the lines it edits.
    void ShowLineToolTips();
    // At start: the player's own screen as a fourth resolution, when it is none of the three.
    void AddDesktopResolution();
    void ApplyDocumentToControls();
    // The text a settings drop-down shows for what its line holds, by its load rule;
    // nothing for a value the rule does not name.
    std::optional<std::string> StoredChoice(const ComboBox& combo) const;
    // The drop-downs the player typed into since they last showed their lines show what is
    // stored again (the player left them, or pressed a button of the strip).
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
    void FindLineChange(); // typing: the first line from the selected one that contains it
    void FindNext();       // Enter, F3: the next one, wrapping around
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
    // Writes what Save would write to f1graphics.cfg into a profile of a name asked for.
    void ProfileSaveAsClick();

    // ---- State ----
    Platform& platform;
    ConfigDocument document;
    std::string InstallDir;
    // LanguageLines are the items of the hidden ListBox3.
    const std::vector<std::string>& LanguageLines() const noexcept { return ListBox3.OwnItems(); }

    // ---- Controls, by their designer names: one member per row of form_controls.inc ----
#define KORVANE_CONTROL(kind, name, ...) ModelOf<ControlKind::kind> name;
#include "core/form_controls.inc"
#undef KORVANE_CONTROL

private:
    void ShowPage(Panel& page, SpeedButton& button, FontStyle style);
    // Before Load or Use replaces the document: true when there is nothing unsaved or the
    // player lets it go, asked with the question given.
    bool MayDropChanges(const std::string& question);
    // f1graphics.cfg's lines as last read or written, as the program writes them; empty when
    // none were read.
    std::string GameFileContent() const;
    void ApplyProfileCaptions();

    // A settings drop-down's text after the player's input: marked when it names nothing
    // the drop-down can store, and shown from its line again when the player leaves it.
    void Typed(ComboBox& combo, bool storable);

    void ConnectManualPage();
    void FindFrom(long long start);
    // After a line was chosen: every list shows the same rows, from preferredTop if the
    // chosen row is in view there, and the guidance follows the line.
    void AfterLineChosen(int preferredTop);
    void ScrollListsWith(const ListBox& source);

    long long guidanceLine_ = -1;
    CommentValues guidance_;

    std::vector<Control*> all_;
    std::vector<ComboBox*> typedInto_;
    bool documentLoaded_ = false;
    bool unsavedChanges_ = false;
    // How many guarded pieces of work are running: more than one means a message came in
    // while a box of another was open.
    int guardDepth_ = 0;
    // While Load fills the window: the values its handlers write are not the player's.
    bool loading_ = false;
    FileLayout layout_ = FileLayout::Release;
    // f1graphics.cfg's bytes as the last Load read them or the last Save wrote them: other
    // bytes on disk at Save mean another program changed the file; a profile of these bytes
    // is the one in use.
    std::string fileBytes_;
    // The profiles of the list, by item, without the mark of the one in use.
    std::vector<std::string> profileNames_;
};

} // namespace korvane
