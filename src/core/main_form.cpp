#include "core/main_form.hpp"

#include "core/errors.hpp"
#include "core/form_layout.hpp"
#include "core/text.hpp"

#include <exception>
#include <functional>
#include <stdexcept>
#include <string_view>
#include <variant>

namespace korvane {

namespace {

// Runs the row's handler on the control's event.
template <class Model> void Wire(Model& control, std::function<void()> handler) {
    if constexpr (requires { control.onClick; }) {
        control.onClick = std::move(handler);
    } else if constexpr (requires { control.onChange; }) {
        control.onChange = std::move(handler);
    } else {
        throw std::logic_error("The control " + control.Name() + " has no event for a handler");
    }
}

// The game's options file in its install folder.
std::string GameFilePath(const std::string& installDir) {
    return installDir + "\\" + std::string(kGameFileName);
}

} // namespace

MainForm::MainForm(Platform& p)
    : platform(p), gameFile(p, [this](const LanguageEntry& entry) { return LanguageText(entry); }),
      document(gameFile.Document())
#define KORVANE_CONTROL(kind, name, ...) , name(*FindControlDef(ids::OfName(#name)))
#include "core/form_controls.inc"
#undef KORVANE_CONTROL
{
    // Layout order, so views and tests can walk the controls as the window creates them.
    for (const ControlDef& def : MainFormLayout()) {
        std::visit(
            [&](auto member) {
                auto& control = this->*member;
                all_.push_back(&control);
                if (def.handler) {
                    Wire(control, [this, handler = def.handler] { (this->*handler)(); });
                }
            },
            def.member);
    }
    AddDesktopResolution();
    ProfileUse.SetEnabled(false);
    for (ComboBox* combo : {&aufloesung, &ComboBox1, &ComboBox2, &ComboBox3}) {
        combo->onLeave = [this] { SettleDropDowns(); };
    }

    ConnectManualPage();
    ConnectViewsPage();
}

void MainForm::Guarded(const std::function<void()>& work) noexcept {
    ++guardDepth_;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{guardDepth_};
    try {
        try {
            work();
        } catch (...) {
            platform.ShowErrorBox(ErrorBoxText(CaughtText()));
        }
    } catch (...) {
        // Showing the box itself failed (out of memory, say).
        platform.ReportUnshown("The error box could not be shown");
    }
}

Control* MainForm::Find(int id) noexcept {
    for (Control* c : all_) {
        if (c->Id() == id) {
            return c;
        }
    }
    return nullptr;
}

void MainForm::HideAllPages() {
    FindLine.SetVisible(false);
    Panel1.SetVisible(false);
    Panel2.SetVisible(false);
    Panel4.SetVisible(false);
    Panel5.SetVisible(false);
    Panel6.SetVisible(false);
    ViewsPage.SetVisible(false);
}

void MainForm::ResetButtonStyles() {
    SpeedButton4.SetStyle(FontStyle::Bold);
    SpeedButton5.SetStyle(FontStyle::Bold);
    SpeedButton6.SetStyle(FontStyle::Bold);
    SpeedButton7.SetStyle(FontStyle::Regular);
    SpeedButton9.SetStyle(FontStyle::Regular);
    ViewsButton.SetStyle(FontStyle::Regular);
}

void MainForm::ShowPage(Panel& page, SpeedButton& button, FontStyle style) {
    SettleDropDowns();
    HideAllPages();
    page.SetVisible(true);
    ResetButtonStyles();
    button.SetStyle(style);
    ShowChangedCount();
}

void MainForm::SpeedButton4Click() {
    ShowPage(Panel1, SpeedButton4, FontStyle::BoldItalic);
}
void MainForm::SpeedButton5Click() {
    ShowPage(Panel4, SpeedButton5, FontStyle::BoldItalic);
}
void MainForm::SpeedButton6Click() {
    ShowPage(Panel5, SpeedButton6, FontStyle::BoldItalic);
}
void MainForm::SpeedButton7Click() {
    ShowPage(Panel6, SpeedButton7, FontStyle::Italic);
}

void MainForm::SpeedButton9Click() {
    SettleDropDowns();
    HideAllPages();
    ResetButtonStyles();
    Panel2.SetVisible(true);
    FindLine.SetVisible(true);
    SpeedButton9.SetStyle(FontStyle::Italic);
    // Changes made on the other pages join the changed lines listed.
    if (ChangedOnly.Checked()) {
        ShowChangedOnly(true);
    }
    ShowChangedCount();
}

void MainForm::SaveChangesClick() {
    SpeedButton9Click();
}

std::string MainForm::LookupInstallDir() {
    return platform.LookupInstallDir();
}

void MainForm::LoadDocument() {
    gameFile.Load(GameFilePath(InstallDir), [this] { ShowLoaded(); });
}

void MainForm::ShowLoaded() {
    // Typing into a drop-down was about the document just replaced.
    typedInto_.clear();
    SpeedButton4.SetVisible(true);
    SpeedButton5.SetVisible(true);
    SpeedButton6.SetVisible(true);
    SpeedButton9.SetVisible(true);
    ViewsButton.SetVisible(true);
    ShowLineToolTips();
    ApplyDocumentToControls();
}

bool MainForm::SaveDocument() {
    return gameFile.Save();
}

void MainForm::EditLine(long long line, std::string_view value) {
    WriteValue(line, value);
    ApplyDocumentToControls(false);
}

void MainForm::RestoreLine(long long line) {
    gameFile.Restore(line);
    ApplyDocumentToControls(false);
}

bool MainForm::MayDropChanges(const std::string& question) {
    return !HasUnsavedChanges() || platform.AskYesNo(question);
}

void MainForm::SpeedButton1Click() {
    SettleDropDowns();
    // Without a game folder the path would be "\\f1graphics.cfg" at the root of the current
    // drive: nothing is opened, and the window keeps what it shows.
    std::string folder = LookupInstallDir();
    if (Trim(folder).empty()) {
        throw Error(LanguageText(entries::kNoGameFolder));
    }
    if (!MayDropChanges(LanguageText(entries::kDiscardChanges))) {
        return;
    }
    InstallDir = std::move(folder);
    ProfileShown.SetCaption({});
    // The profiles are listed also when f1graphics.cfg cannot be shown: one of them may
    // take the place of a damaged file.
    try {
        LoadDocument();
    } catch (...) {
        ListProfiles();
        throw;
    }
    ListProfiles();
}

void MainForm::SpeedButton2Click() {
    SettleDropDowns();
    if (SaveDocument()) {
        ProfileShown.SetCaption({});
        ListProfiles();
    }
}

bool MainForm::QueryClose() {
    // A close that comes while another command waits for the player (Save's question, say)
    // would save or drop the document under that command's feet: it is not taken.
    if (guardDepth_ > 1) {
        return false;
    }
    // What a completion wrote into a drop-down whose text names nothing is not a change.
    SettleDropDowns();
    if (!HasUnsavedChanges()) {
        return true;
    }
    switch (platform.AskYesNoCancel(LanguageText(entries::kSaveChanges))) {
    case Platform::Answer::Yes: {
        // A Save that fails says why and keeps the window, with the changes.
        bool saved = false;
        Guarded([this, &saved] { saved = SaveDocument(); });
        return saved;
    }
    case Platform::Answer::No:
        return true;
    case Platform::Answer::Cancel:
        return false;
    }
    return false;
}

void MainForm::SpeedButton3Click() {
    SettleDropDowns();
    platform.CloseProgram();
}

} // namespace korvane
