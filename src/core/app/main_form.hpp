// TForm1, the main window's form model: every control with its state and every handler of
// the window. The Win32 window shows this model; native tests drive it directly.
//
// The designer-named handlers forward to the feature that owns them: the setting pages
// (setting_pages.hpp, with the table of bindings.hpp), the manual page (manual_page.hpp),
// the Views page (views_page.hpp), the profiles (profiles_panel.hpp) and the game
// folders known (folder_panel.hpp). The game folder and
// its f1graphics.cfg are the folder's (file/game_folder.hpp), the texts the texts' own.
// main_form.cpp holds the pages and commands, language.cpp the start-up and the captions.
#pragma once

#include "app/folder_panel.hpp"
#include "app/form_layout.hpp"
#include "app/history_panel.hpp"
#include "app/manual_page.hpp"
#include "app/profiles_panel.hpp"
#include "app/setting_pages.hpp"
#include "app/views_page.hpp"
#include "file/game_folder.hpp"
#include "file/platform.hpp"
#include "file/texts.hpp"
#include "form/controls.hpp"

#include <functional>
#include <string>
#include <string_view>
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

    // The creation handler: the language start-up. Runs once while the window is created.
    // False when the program ends here (no language file): the window is then not shown.
    bool FormCreate();
    // The caption transfer from the language lines, and the version check.
    void ApplyCaptions();
    // Asked when the window is to close (Quit, its close box, Alt+F4, the system menu): with
    // unsaved changes the player chooses to save them, drop them or stay. True to close;
    // false while another command waits for the player.
    bool QueryClose();

    // After a read: the page buttons appear and every control shows the document.
    void ShowLoaded();
    // A value typed or picked by hand for a line (the manual and Views pages): written, and
    // every setting control shows the document again.
    void EditLine(long long line, std::string_view value);
    // The same with f1graphics.cfg's value of the line.
    void RestoreLine(long long line);
    // Before Load or Use replaces the document: true when there is nothing unsaved or the
    // player lets it go, asked with the question given.
    bool MayDropChanges(const std::string& question);
    // The Info page's contact rows show what contacts holds, a row without a contact hidden;
    // with none the page points to the read-me instead.
    void ShowContacts();

    // ---- Handlers, by the designer's names: the pages' own, and forwards to the feature
    // that owns the control ----
    void SpeedButton4Click(); // Allgemein
    void SpeedButton5Click(); // Grafikqualität
    void SpeedButton6Click(); // Objekte
    void SpeedButton7Click(); // Info
    void SpeedButton9Click(); // Manuell bearbeiten
    void ViewsButtonClick();
    void SpeedButton1Click(); // Load
    void SpeedButton2Click(); // Save
    void SpeedButton3Click(); // Quit
    void SaveChangesClick();  // the strip's count of what Save will change
    void CheckBox1Click() { settings.BoxClick(CheckBox1); }
    void CheckBox2Click() { settings.BoxClick(CheckBox2); }
    void CheckBox3Click() { settings.BoxClick(CheckBox3); }
    void CheckBox4Click() { settings.BoxClick(CheckBox4); }
    void CheckBox5Click() { settings.BoxClick(CheckBox5); }
    void CheckBox6Click() { settings.BoxClick(CheckBox6); }
    void CheckBox7Click() { settings.BoxClick(CheckBox7); }
    void CheckBox8Click() { settings.BoxClick(CheckBox8); }
    void CheckBox9Click() { settings.BoxClick(CheckBox9); }
    void CheckBox10Click() { settings.BoxClick(CheckBox10); }
    void CheckBox11Click() { settings.BoxClick(CheckBox11); }
    void CheckBox12Click() { settings.BoxClick(CheckBox12); }
    void CheckBox13Click() { settings.BoxClick(CheckBox13); }
    void CheckBox14Click() { settings.BoxClick(CheckBox14); }
    void CheckBox15Click() { settings.BoxClick(CheckBox15); }
    void CheckBox16Click() { settings.BoxClick(CheckBox16); }
    void CheckBox17Click() { settings.BoxClick(CheckBox17); }
    void aufloesungChange() { settings.ResolutionChange(aufloesung); }
    void ComboBox1Change() { settings.TextureChange(ComboBox1); }
    void ComboBox2Change() { settings.DistanceChange(ComboBox2); }
    void ComboBox3Change() { settings.ReflectionChange(ComboBox3); }
    void ComboBox4Change() { settings.IndexChange(ComboBox4); }
    void ComboBox5Change() { settings.IndexChange(ComboBox5); }
    void ComboBox6Change() { settings.IndexChange(ComboBox6); }
    void TrackBar1Change() { settings.PositionChange(TrackBar1); }
    void TrackBar2Change() { settings.PositionChange(TrackBar2); }
    void ListBox1Click() { manual.NumberClick(); }
    void ListBox4Click() { manual.DescriptionClick(); }
    void ListBox5Click() { manual.ValueClick(); }
    void SpeedButton10Click() { manual.Apply(); } // Apply
    void ValueChoicesChange() { manual.ChoiceChange(); }
    void RestoreValueClick() { manual.RestoreClick(); }
    void ChangedOnlyClick() { manual.ChangedOnlyClick(); }
    void FindLineChange() { manual.FindChange(); }
    void ProfileListChange() { profiles.ListChange(); }
    void ProfileUseClick() { profiles.UseClick(); }
    void ProfileSaveAsClick() { profiles.SaveAsClick(); }
    void HistoryListChange() { history.ListChange(); }
    void HistoryShowClick() { history.ShowClick(); }
    void HistorySaveAsClick() { history.SaveAsClick(); }
    void ViewGridClick() { views.GridClick(); }
    void ViewChoicesChange() { views.ChoiceChange(); }
    void ViewRestoreClick() { views.RestoreClick(); }
    void CopyRowClick() { views.CopyRowClick(); }
    void CopyAllClick() { views.CopyAllClick(); }
    void ChooseFolderClick() { folders.ChooseClick(); }
    void FolderListChange() { folders.ListChange(); }
    void UndoEditClick(); // puts the last step of the player's edits back
    void RedoEditClick(); // writes the last step undone again

    // ---- State ----
    Platform& platform;
    Texts texts;
    // The game folder open and its f1graphics.cfg: the document, its layout, whether it may
    // be saved, what changed.
    GameFolder folder;
    const ConfigDocument& document;
    Contacts contacts = BuildContacts();

    // ---- Controls, by their designer names: one member per row of form_controls.inc ----
#define KORVANE_CONTROL(kind, name, ...) ModelOf<ControlKind::kind> name;
#include "app/form_controls.inc"
#undef KORVANE_CONTROL

    // ---- The features (after the controls, which they use) ----
    SettingPages settings{*this};
    ManualPage manual{*this};
    ViewsEditor views{*this};
    ProfilesPanel profiles{*this};
    FolderPanel folders{*this};
    HistoryPanel history{*this};
    // Runs when the window's title (folders.Title()) changes.
    std::function<void()> onTitleChange;

private:
    void ShowPage(Panel& page, SpeedButton& button, FontStyle style);
    void HideAllPages();
    void ResetButtonStyles();
    bool LanguageFileExists();
    void ReadLanguageFile();
    // After an undo or redo every page shows the document again.
    void ShowStepped(GameFile::Stepped stepped);
    void ShowStepCommands();

    std::vector<Control*> all_;
    // How many guarded pieces of work are running: more than one means a message came in
    // while a box of another was open.
    int guardDepth_ = 0;
};

} // namespace korvane
