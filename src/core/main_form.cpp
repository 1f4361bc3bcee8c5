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
    : platform(p)
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

    // The document's lists are the list boxes' rows.
    ListBox1.SetSource([this] { return document.Count(); },
                       [this](std::size_t r) { return document.Value(static_cast<long long>(r)); });
    ListBox2.SetSource([this] { return document.Count(); },
                       [this](std::size_t r) {
                           return std::string(document.TailView(static_cast<long long>(r)));
                       });
    ListBox4.SetSource([this] { return document.Count(); },
                       [this](std::size_t r) {
                           return std::string(document.DescriptionView(static_cast<long long>(r)));
                       });
    ListBox5.SetSource([this] { return document.Count(); },
                       [](std::size_t r) { return std::to_string(r); });
    document.AddListener([this](ConfigDocument::Change change, std::size_t line) {
        for (ListBox* lb : {&ListBox1, &ListBox2, &ListBox4, &ListBox5}) {
            if (change == ConfigDocument::Change::Reset) {
                lb->RowsChanged();
            } else if (lb == &ListBox1) {
                lb->RowChanged(line);
            }
        }
    });
    ConnectManualPage();
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
}

void MainForm::ResetButtonStyles() {
    SpeedButton4.SetStyle(FontStyle::Bold);
    SpeedButton5.SetStyle(FontStyle::Bold);
    SpeedButton6.SetStyle(FontStyle::Bold);
    SpeedButton7.SetStyle(FontStyle::Regular);
    SpeedButton9.SetStyle(FontStyle::Regular);
}

void MainForm::ShowPage(Panel& page, SpeedButton& button, FontStyle style) {
    SettleDropDowns();
    HideAllPages();
    page.SetVisible(true);
    ResetButtonStyles();
    button.SetStyle(style);
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
}

std::string MainForm::LookupInstallDir() {
    return platform.LookupInstallDir();
}

void MainForm::LoadDocument() {
    fileBytes_.clear();
    fileBytes_ = ReadDocument(GameFilePath(InstallDir));
    documentLoaded_ = true;
}

std::string MainForm::ReadDocument(const std::string& path) {
    // From here the document changes: it is no file that may be written back until a Load
    // has run to its end, and the player's changes are gone with it.
    documentLoaded_ = false;
    unsavedChanges_ = false;
    document.Clear();
    layout_ = FileLayout::Release;
    // The whole file is read before anything is appended: a failed read leaves the
    // document empty.
    std::string bytes;
    try {
        bytes = platform.ReadFile(path);
    } catch (const FileChangingError&) {
        throw Error(LanguageText(entries::kFileKeptChanging));
    }
    document.Append(bytes);
    layout_ = RecogniseLayout(document);
    return bytes;
}

void MainForm::LoadIntoWindow(const std::function<void()>& readDocument) {
    loading_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{loading_};
    CheckBox1.SetChecked(false);
    CheckBox2.SetChecked(false);
    CheckBox3.SetChecked(false);
    CheckBox4.SetChecked(false);
    CheckBox5.SetChecked(false);
    readDocument();
    // A transfer that fails part-way leaves controls and lines half rewritten.
    documentLoaded_ = false;
    SpeedButton4.SetVisible(true);
    SpeedButton5.SetVisible(true);
    SpeedButton6.SetVisible(true);
    SpeedButton9.SetVisible(true);
    ShowLineToolTips();
    ApplyDocumentToControls();
    documentLoaded_ = true;
}

bool MainForm::SaveDocument() {
    // Writing what a failed Load left over the player's file would damage it: Save writes
    // only a document whose Load ran to its end, and says so otherwise.
    if (!documentLoaded_) {
        throw Error(LanguageText(entries::kNotLoadedCompletely));
    }
    const std::string path = GameFilePath(InstallDir);
    const std::string bytes = document.Write();
    // The game writes this file too (its menu, its performance test): a change it made since
    // Load is overwritten only when the player says so, and the file is looked at again after
    // the answer, so a change made while the question was open is asked about too. A file
    // that is gone is written again without asking; one that cannot be read now is not
    // written (the error box says why); one the game is writing at this moment has changed.
    std::optional<std::string> agreed = fileBytes_;
    for (;;) {
        std::optional<std::string> now; // none: being written
        try {
            now = platform.ReadFile(path);
        } catch (const FileChangingError&) {
        } catch (const IoError& e) {
            if (e.code() != 2 && e.code() != 3) {
                throw;
            }
            break;
        }
        if (now && now == agreed) {
            break;
        }
        if (!platform.AskYesNo(LanguageText(entries::kChangedOnDisk))) {
            return false;
        }
        agreed = std::move(now);
    }
    try {
        platform.ReplaceFileContents(path, bytes, path + ".bak");
    } catch (const ReplacementKeptError& e) {
        throw Error(LanguageText(entries::kNewContentKept) + "\r" + e.keptPath());
    }
    fileBytes_ = bytes;
    unsavedChanges_ = false;
    return true;
}

void MainForm::WriteValue(long long line, std::string_view value) {
    const bool inRange = line >= 0 && static_cast<unsigned long long>(line) < document.Count();
    // The value the line held as read stands in it already (a tab inside it, say): putting
    // it back moves nothing.
    if (!IsStorableValue(value) && !(inRange && document.ReadValueView(line) == value)) {
        throw Error(LanguageText(entries::kValueBreaksLine));
    }
    const bool differs = !inRange || document.ValueView(line) != value;
    if (document.SetValue(line, value) && differs && !loading_) {
        unsavedChanges_ = true;
    }
}

bool MainForm::MayDropChanges(const std::string& question) {
    return !HasUnsavedChanges() || platform.AskYesNo(question);
}

std::string MainForm::GameFileContent() const {
    if (fileBytes_.empty()) {
        return {};
    }
    ConfigDocument file;
    file.Append(fileBytes_);
    return file.Write();
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
        LoadIntoWindow([this] { LoadDocument(); });
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
