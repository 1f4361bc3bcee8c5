// The language start-up: language.txt, the caption table and the version check.
#include "app/form_layout.hpp"
#include "app/main_form.hpp"
#include "file/text.hpp"

#include <exception>
#include <string>

namespace korvane {

namespace {

constexpr const char* kLanguageFile = "language.txt";

// One step of the caption transfer: entry `entry` of the language lines becomes a control's
// caption, or item `item` of a drop-down.
struct CaptionStep {
    std::size_t entry;
    Control* caption = nullptr;
    ComboBox* combo = nullptr;
    std::size_t item = 0;
};

CaptionStep Caption(std::size_t entry, Control& control) {
    return {entry, &control, nullptr, 0};
}

CaptionStep Item(std::size_t entry, ComboBox& combo, std::size_t item) {
    return {entry, nullptr, &combo, item};
}

} // namespace

bool MainForm::FormCreate() {
    if (!LanguageFileExists()) {
        // The address where the build names a web site; always where the program looked.
        std::string text = "Die Datei 'language.txt' wurde nicht gefunden!\r";
        if (const std::string address = LanguagePageAddress(contacts); !address.empty()) {
            text += "Laden Sie sich die Datei unter folgender Adresse herunter:\r" + address + "\r";
        }
        text += FillIn(texts.LanguageText(entries::kLanguageFileLookedFor),
                       platform.FullPath(kLanguageFile));
        platform.ShowErrorDialog(text);
        platform.CloseProgram();
        return false;
    }
    ReadLanguageFile();
    return true;
}

bool MainForm::LanguageFileExists() {
    return platform.FileExists(kLanguageFile);
}

void MainForm::ReadLanguageFile() {
    // An error opening or reading the file leaves the lines and captions as they are.
    texts.Read(platform, kLanguageFile);
    // The language lines are the items of the hidden ListBox3.
    ListBox3.SetItems(texts.Lines());
    ApplyCaptions();
}

void MainForm::ApplyCaptions() {
    const CaptionStep steps[] = {
        Caption(3, SpeedButton1), Caption(4, SpeedButton2),   Caption(5, SpeedButton3),
        Caption(6, SpeedButton7), Caption(7, SpeedButton4),   Caption(8, SpeedButton5),
        Caption(9, SpeedButton6), Caption(10, CheckBox3),     Caption(11, CheckBox1),
        Caption(12, CheckBox2),   Caption(13, CheckBox8),     Caption(14, CheckBox12),
        Caption(15, Label6),      Item(16, ComboBox3, 0),     Item(17, ComboBox3, 1),
        Caption(18, Label1),      Caption(19, Label4),        Caption(20, Label5),
        Caption(21, CheckBox4),   Caption(22, CheckBox5),     Caption(23, CheckBox6),
        Caption(24, CheckBox7),   Caption(25, CheckBox9),     Caption(26, CheckBox10),
        Caption(27, CheckBox11),  Caption(28, Label19),       Item(29, ComboBox4, 0),
        Item(30, ComboBox4, 1),   Item(31, ComboBox4, 2),     Caption(32, Label20),
        Item(33, ComboBox5, 0),   Item(34, ComboBox5, 1),     Caption(35, Label21),
        Item(36, ComboBox6, 0),   Item(37, ComboBox6, 1),     Item(38, ComboBox6, 2),
        Item(39, ComboBox6, 3),   Caption(40, Label14),       Caption(41, Label16),
        Caption(42, Label18),     Caption(43, Label17),       Caption(44, GroupBox2),
        Caption(45, Label22),     Caption(0, Label27),        Caption(46, Label3),
        Caption(46, Label23),     Caption(1, Label28),        Caption(47, Label2),
        Caption(48, CheckBox13),  Caption(49, CheckBox14),    Caption(50, CheckBox15),
        Caption(51, CheckBox16),  Caption(52, CheckBox17),    Caption(53, SpeedButton9),
        Caption(54, Label29),     Caption(55, SpeedButton10), Caption(56, Label32),
        Caption(57, Label35),     Caption(58, Label8),        Caption(59, Label9),
        Caption(60, GroupBox1),
    };
    const std::vector<std::string>& lines = texts.Lines();
    // The transfer ends silently at the first entry the file does not have; whatever goes
    // wrong inside it is never shown, and the controls not reached keep their form texts.
    try {
        for (const CaptionStep& step : steps) {
            if (step.entry >= lines.size()) {
                break;
            }
            if (step.combo != nullptr) {
                step.combo->SetItem(step.item, lines[step.entry]);
            } else {
                step.caption->SetCaption(lines[step.entry]);
            }
        }
    } catch (const std::exception&) {
    }
    // The texts beyond the caption table are read apart from the transfer (a file without them
    // keeps the German texts), and like the transfer never show an error.
    try {
        Label30.SetCaption(texts.LanguageText(entries::kInfoLastLine));
        InfoReadme.SetCaption(texts.LanguageText(entries::kInfoReadme));
        manual.ShowGuidanceCaptions();
        profiles.ShowCaptions();
        folders.ShowCaptions();
        history.ShowCaptions();
        views.ShowCaptions();
        UndoEdit.SetCaption(texts.LanguageText(entries::kUndoButton));
        RedoEdit.SetCaption(texts.LanguageText(entries::kRedoButton));
        UndoEdit.SetToolTip(texts.LanguageText(entries::kUndoToolTip));
        RedoEdit.SetToolTip(texts.LanguageText(entries::kRedoToolTip));
    } catch (const std::exception&) {
    }

    // The version check runs whether the transfer ended early or not; a file of fewer than
    // three lines fails here with the list's own index error.
    if (Trim(ListBox3.Item(2)) != Trim(Label24.Caption())) {
        platform.ShowErrorDialog(
            "Die gefundene 'language.txt' ist nicht mit dieser Programmversion kompatibel!\r"
            "Sie k\xf6nnen Korvane zwar verwenden, allerdings sind m\xf6glicherweise nicht alle "
            "Elemente beschriftet/richtig beschriftet!");
    }
}

} // namespace korvane
