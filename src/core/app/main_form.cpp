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

// The game's options file in its install folder.
std::string GameFilePath(const std::string& installDir) {
    return installDir + "\\" + std::string(kGameFileName);
}

} // namespace

MainForm::MainForm(Platform& p)
    : platform(p), gameFile(p, [this](const LanguageEntry& entry) { return LanguageText(entry); }),
      document(gameFile.Document())
#define KORVANE_CONTROL(kind, name, ...) , name(FindControlDef(ids::OfName(#name))->Spec())
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
    AddDesktopResolution();
    ProfileUse.SetEnabled(false);
    for (ComboBox* combo : {&aufloesung, &ComboBox1, &ComboBox2, &ComboBox3}) {
        combo->onLeave = [this] { SettleDropDowns(); };
    }

    ConnectManualPage();
    ShowContacts();
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
    bool written = false;
    AboutGameFile(GameFilePath(InstallDir), [&] { written = gameFile.Save(); });
    return written;
}

void MainForm::EditLine(long long line, std::string_view value) {
    WriteValue(line, value);
    ApplyDocumentToControls(false);
}

void MainForm::RestoreLine(long long line) {
    gameFile.Restore(line);
    ApplyDocumentToControls(false);
}

std::string MainForm::FileMessage(std::string_view message, FileProblem problem,
                                  const std::string& path) const {
    const LanguageEntry* remedy = RemedyOf(problem);
    if (!remedy) {
        return ErrorBoxText(message) + "\r" + path;
    }
    std::string detail;
    switch (problem) {
    case FileProblem::NoFolder:
        detail = path.substr(0, path.find_last_of('\\'));
        break;
    case FileProblem::RegistryValue:
        detail = "HKEY_LOCAL_MACHINE\\" + std::string(kInstallDirKey);
        break;
    case FileProblem::EndsEarly:
        detail = IntToStr(static_cast<long long>(document.Count()) - 1);
        break;
    default:
        break;
    }
    return ErrorBoxText(message) + "\r" + FillIn(LanguageText(*remedy), path, detail);
}

void MainForm::AboutGameFile(const std::string& path, const std::function<void()>& work) {
    // A line the document lacks: the file ends before it (other list errors are no file's).
    const auto endsEarly = [this](long long line) {
        return line >= static_cast<long long>(document.Count());
    };
    const auto ended = [this] {
        return document.Count() == 0 ? FileProblem::Empty : FileProblem::EndsEarly;
    };
    try {
        work();
    } catch (const ReplacementKeptError&) {
        throw; // it names the file that holds the new content
    } catch (const IoError& e) {
        throw Error(FileMessage(e.what(), e.problem(), e.path().empty() ? path : e.path()));
    } catch (const FileChangingError& e) {
        throw Error(FileMessage(e.what(), FileProblem::Changing, platform.FullPath(path)));
    } catch (const RegistryError& e) {
        throw Error(FileMessage(e.what(), FileProblem::RegistryValue, path));
    } catch (const ListIndexError& e) {
        if (!endsEarly(e.index())) {
            throw;
        }
        throw Error(FileMessage(e.what(), ended(), path));
    } catch (const InsertLineError& e) {
        throw Error(FileMessage(e.what(), ended(), path));
    }
}

bool MainForm::MayDropChanges(const std::string& question) {
    return !HasUnsavedChanges() || platform.AskYesNo(question);
}

void MainForm::SpeedButton1Click() {
    SettleDropDowns();
    // Without a game folder the path would be "\\f1graphics.cfg" at the root of the current
    // drive: nothing is opened, and the window keeps what it shows.
    std::string folder;
    AboutGameFile({}, [&] { folder = LookupInstallDir(); });
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
        AboutGameFile(GameFilePath(InstallDir), [this] { LoadDocument(); });
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
