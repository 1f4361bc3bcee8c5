// TForm1, the main window's form model: every control with its state and every handler of
// the window. The Win32 window shows this model; native tests drive it directly.
//
// The designer-named handlers forward to the feature that owns them: the setting pages
// (setting_pages.hpp, with the table of bindings.hpp), the manual page (manual_page.hpp),
// the Views page (views_page.hpp) and the profiles (profiles_panel.hpp). The game folder and
// its f1graphics.cfg are the folder's (file/game_folder.hpp), the texts the texts' own.
// main_form.cpp holds the pages and commands, language.cpp the start-up and the captions.
#pragma once

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

    // ---- Handlers, by the designer's names ----
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
    void ListBox1Click();
    void ListBox4Click();
    void ListBox5Click();
    void SpeedButton10Click(); // Apply
    void ValueChoicesChange();
    void RestoreValueClick();
    void ChangedOnlyClick();
    void FindLineChange();
    void ProfileListChange();
    void ProfileUseClick();
    void ProfileSaveAsClick();
    void HistoryListChange();
    void HistoryShowClick();
    void HistorySaveAsClick();
    void ViewGridClick();
    void ViewChoicesChange();
    void ViewRestoreClick();
    void CopyRowClick();
    void CopyAllClick();

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
    HistoryPanel history{*this};

private:
    void ShowPage(Panel& page, SpeedButton& button, FontStyle style);
    void HideAllPages();
    void ResetButtonStyles();
    bool LanguageFileExists();
    void ReadLanguageFile();

    std::vector<Control*> all_;
    // How many guarded pieces of work are running: more than one means a message came in
    // while a box of another was open.
    int guardDepth_ = 0;
};

} // namespace korvane
