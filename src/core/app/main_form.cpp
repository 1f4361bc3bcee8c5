#include "app/main_form.hpp"

#include "app/form_layout.hpp"
#include "file/errors.hpp"
#include "file/text.hpp"

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

} // namespace

MainForm::MainForm(Platform& p)
    : platform(p), folder(p, texts), document(folder.File().Document())
#define KORVANE_CONTROL(kind, name, ...) , name(FindControlDef(ids::OfName(#name))->Start())
#include "app/form_controls.inc"
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
    settings.AddDesktopResolution();
    ProfileUse.SetEnabled(false);
    history.ListChange();
    for (ComboBox* combo : {&aufloesung, &ComboBox1, &ComboBox2, &ComboBox3}) {
        combo->onLeave = [this] { settings.SettleDropDowns(); };
    }

    manual.Connect();
    ShowContacts();
    views.Connect();
    // A slider's drag is one step, however many positions it passes: until it is released.
    for (TrackBar* slider : {&TrackBar1, &TrackBar2}) {
        slider->onRelease = [this, slider] { folder.File().SealStep(slider->Id()); };
    }
    folder.File().AddStepListener([this] { ShowStepCommands(); });
    ShowStepCommands();
}

void MainForm::Guarded(const std::function<void()>& work) noexcept {
    ++guardDepth_;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{guardDepth_};
    // One guarded input of the player is one step of the edits.
    struct Step {
        GameFile& file;
        explicit Step(GameFile& f) noexcept : file(f) { file.BeginStep(); }
        ~Step() {
            try {
                file.EndStep();
            } catch (...) {
            }
        }
    };
    try {
        Step step(folder.File());
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

void MainForm::ShowContacts() {
    const auto row = [](Label* name, Label& value, std::string_view text) {
        if (name) {
            name->SetVisible(!text.empty());
        }
        value.SetCaption(std::string(text));
        value.SetVisible(!text.empty());
    };
    row(&Label12, Label10, contacts.mail);
    row(&Label13, Label11, contacts.messenger);
    row(nullptr, Label7, contacts.web);
    row(nullptr, Label31, contacts.shortWeb);
    // "Get in touch here:" stands above the mail and messenger rows; the last line above the
    // web addresses.
    Label9.SetVisible(!contacts.mail.empty() || !contacts.messenger.empty());
    Label30.SetVisible(!contacts.web.empty() || !contacts.shortWeb.empty());
    InfoReadme.SetVisible(!contacts.Any());
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
    settings.SettleDropDowns();
    HideAllPages();
    page.SetVisible(true);
    ResetButtonStyles();
    button.SetStyle(style);
    manual.ShowChangedCount();
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

void MainForm::ViewsButtonClick() {
    ShowPage(ViewsPage, ViewsButton, FontStyle::Italic);
}

void MainForm::SpeedButton9Click() {
    settings.SettleDropDowns();
    HideAllPages();
    ResetButtonStyles();
    Panel2.SetVisible(true);
    FindLine.SetVisible(true);
    SpeedButton9.SetStyle(FontStyle::Italic);
    // Changes made on the other pages join the changed lines listed.
    if (ChangedOnly.Checked()) {
        manual.ShowChangedOnly(true);
    }
    manual.ShowChangedCount();
}

void MainForm::SaveChangesClick() {
    SpeedButton9Click();
}

void MainForm::ShowLoaded() {
    SpeedButton4.SetVisible(true);
    SpeedButton5.SetVisible(true);
    SpeedButton6.SetVisible(true);
    SpeedButton9.SetVisible(true);
    ViewsButton.SetVisible(true);
    settings.ApplyDocumentToControls();
}

void MainForm::EditLine(long long line, std::string_view value) {
    folder.File().Write(line, value);
    settings.ApplyDocumentToControls();
}

void MainForm::RestoreLine(long long line) {
    folder.File().Restore(line);
    settings.ApplyDocumentToControls();
}

bool MainForm::MayDropChanges(const std::string& question) {
    return !folder.File().HasChanges() || platform.AskYesNo(question);
}

void MainForm::SpeedButton1Click() {
    folders.Load();
}

void MainForm::SpeedButton2Click() {
    settings.SettleDropDowns();
    if (folder.Save([this] { ShowLoaded(); })) {
        ProfileShown.SetCaption({});
        profiles.List();
        history.List();
    }
}

bool MainForm::QueryClose() {
    // A close that comes while another command waits for the player (Save's question, say)
    // would save or drop the document under that command's feet: it is not taken.
    if (guardDepth_ > 1) {
        return false;
    }
    // What a completion wrote into a drop-down whose text names nothing is not a change.
    settings.SettleDropDowns();
    if (!folder.File().HasChanges()) {
        return true;
    }
    switch (platform.AskYesNoCancel(texts.LanguageText(entries::kSaveChanges))) {
    case Platform::Answer::Yes: {
        // A Save that fails says why and keeps the window, with the changes.
        bool saved = false;
        Guarded([this, &saved] { saved = folder.Save([this] { ShowLoaded(); }); });
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
    settings.SettleDropDowns();
    platform.CloseProgram();
}

void MainForm::UndoEditClick() {
    settings.SettleDropDowns();
    ShowStepped(folder.File().Undo());
}

void MainForm::RedoEditClick() {
    settings.SettleDropDowns();
    ShowStepped(folder.File().Redo());
}

void MainForm::ShowStepped(GameFile::Stepped stepped) {
    if (stepped == GameFile::Stepped::Document) {
        // Another document: which profile it came from is no longer sure.
        ProfileShown.SetCaption({});
    }
    // The controls show the document again, their tooltips too.
    if (stepped != GameFile::Stepped::Nothing) {
        settings.ApplyDocumentToControls();
    }
}

void MainForm::ShowStepCommands() {
    UndoEdit.SetEnabled(folder.File().CanUndo());
    RedoEdit.SetEnabled(folder.File().CanRedo());
}

} // namespace korvane
