// TForm1, the main window's form model: every control with its state, the document, the
// language lines and the install directory, and every handler of the window. The Win32
// window shows this model; native tests drive it directly.
//
// The handlers live in several files: main_form.cpp (pages, Load, Save, Quit, the error
// guard), bindings.cpp (the setting controls), language.cpp (start-up and captions) and
// manual_edit.cpp (the manual edit page).
#pragma once

#include "core/config_document.hpp"
#include "core/controls.hpp"
#include "core/platform.hpp"

#include <functional>
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
    void FormCreate();
    bool LanguageFileExists();
    void ReadLanguageFile();
    void ApplyCaptions();

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
    void SaveDocument();
    // True while the document holds a file that was read completely: Save writes only then.
    bool DocumentLoaded() const noexcept { return documentLoaded_; }

    // ---- Setting bindings (bindings.cpp) ----
    void ApplyDocumentToControls();
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

    // ---- State ----
    Platform& platform;
    ConfigDocument document;
    std::string InstallDir;
    // LanguageLines are the items of the hidden ListBox3.
    const std::vector<std::string>& LanguageLines() const noexcept { return ListBox3.OwnItems(); }

    // ---- Controls, by their designer names ----
    Panel Panel1, Panel2, Panel3, Panel4, Panel5, Panel6, Panel7, Panel8;
    SpeedButton SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5, SpeedButton6,
        SpeedButton7, SpeedButton9, SpeedButton10;
    CheckBox CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7, CheckBox8,
        CheckBox9, CheckBox10, CheckBox11, CheckBox12, CheckBox13, CheckBox14, CheckBox15,
        CheckBox16, CheckBox17;
    ComboBox aufloesung, ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5, ComboBox6;
    TrackBar TrackBar1, TrackBar2;
    ListBox ListBox1, ListBox2, ListBox3, ListBox4, ListBox5;
    Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11,
        Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19, Label20, Label21,
        Label22, Label23, Label24, Label25, Label26, Label27, Label28, Label29, Label30, Label31,
        Label32, Label33, Label34, Label35, Label36;
    Panel GroupBox1, GroupBox2; // a group box is a captioned frame; state as a panel
    Edit edit1, edit2;
    Panel Shape1;

private:
    void ShowPage(Panel& page, SpeedButton& button, FontStyle style);
    void Bind();

    std::vector<Control*> all_;
    bool documentLoaded_ = false;
};

} // namespace korvane
