#include "app/folder_panel.hpp"

#include "app/main_form.hpp"
#include "file/errors.hpp"
#include "file/text.hpp"

namespace korvane {

namespace {

// How much of a folder's path the title and the list show.
constexpr std::size_t kTitlePathChars = 60;
constexpr std::size_t kListPathChars = 52;

} // namespace

void FolderPanel::ShowCaptions() {
    form_.ChooseFolder.SetCaption(form_.texts.LanguageText(entries::kChooseFolder));
}

void FolderPanel::Load() {
    form_.settings.SettleDropDowns();
    const FoundFolder found = form_.folder.Locate(true);
    Platform& platform = form_.platform;
    if (found.source == FolderSource::None) {
        // Nothing is opened (not "\f1graphics.cfg" at the drive's root): the player may choose.
        if (platform.AskYesNo(form_.texts.LanguageText(entries::kFolderNotKnown))) {
            ChooseAndOpen();
        }
        return;
    }
    if (const std::string refused = form_.folder.Refusal(found.path); !refused.empty()) {
        throw Error(refused);
    }
    if (platform.StateOf(found.path) == FolderState::Missing) {
        if (platform.AskYesNo(
                FillIn(form_.texts.LanguageText(entries::kFolderGoneChoose), found.path))) {
            ChooseAndOpen();
        }
        return;
    }
    if (!form_.MayDropChanges(form_.texts.LanguageText(entries::kDiscardChanges))) {
        return;
    }
    Open(found.path);
}

void FolderPanel::ChooseClick() {
    form_.settings.SettleDropDowns();
    ChooseAndOpen();
}

void FolderPanel::ChooseAndOpen() {
    if (!form_.MayDropChanges(form_.texts.LanguageText(entries::kDiscardChanges))) {
        return;
    }
    const std::optional<std::string> chosen = form_.platform.ChooseFolder(
        AsDialogCaption(form_.texts.LanguageText(entries::kChooseFolder)), form_.folder.Path());
    if (!chosen) {
        return;
    }
    form_.folder.Choose(*chosen);
    Open(*chosen);
}

void FolderPanel::Open(const std::string& folder) {
    form_.ProfileShown.SetCaption({});
    // The profiles are listed also when f1graphics.cfg cannot be shown: one of them may take
    // the place of a damaged file.
    try {
        form_.folder.Load(folder, [this] { form_.ShowLoaded(); });
    } catch (...) {
        form_.profiles.List();
        form_.history.List();
        List();
        throw;
    }
    form_.profiles.List();
    form_.history.List();
    List();
    // Loaded, and may be saved; a line a control cannot show is named with what to do.
    form_.folder.RaiseUnshownLine(GameFolder::GameFilePath(folder));
}

void FolderPanel::ListChange() {
    const int i = form_.FolderList.ItemIndex();
    if (i < 0 || static_cast<std::size_t>(i) >= known_.size()) {
        return;
    }
    const KnownFolder picked = known_[static_cast<std::size_t>(i)];
    if (picked.open) {
        return;
    }
    // Whatever happens, the list shows the folder open again.
    struct Relist {
        FolderPanel& panel;
        bool done = false;
        ~Relist() {
            if (!done) {
                panel.List();
            }
        }
    } relist{*this};
    Platform& platform = form_.platform;
    if (picked.gone) {
        if (picked.removable) {
            if (platform.AskYesNo(
                    FillIn(form_.texts.LanguageText(entries::kFolderGoneRemove), picked.path))) {
                form_.folder.Forget(picked.path);
            }
        } else if (platform.AskYesNo(
                       FillIn(form_.texts.LanguageText(entries::kFolderGoneChoose), picked.path))) {
            List();
            relist.done = true;
            ChooseAndOpen();
        }
        return;
    }
    if (const std::string refused = form_.folder.Refusal(picked.path); !refused.empty()) {
        throw Error(refused);
    }
    if (!form_.MayDropChanges(form_.texts.LanguageText(entries::kDiscardChanges))) {
        return;
    }
    form_.folder.Used(picked.path);
    relist.done = true;
    Open(picked.path);
}

void FolderPanel::List() {
    known_ = form_.folder.Known();
    std::vector<std::string> items;
    long long open = -1;
    for (const KnownFolder& k : known_) {
        std::string item = ShortenedPath(k.path, kListPathChars);
        if (k.open) {
            open = static_cast<long long>(items.size());
            item += " (" + form_.texts.LanguageText(entries::kFolderOpenMark) + ")";
        } else if (k.gone) {
            item += " (" + form_.texts.LanguageText(entries::kFolderGoneMark) + ")";
        }
        items.push_back(std::move(item));
    }
    form_.FolderList.SetItems(std::move(items));
    form_.FolderList.SetItemIndex(open);
    savedShown_ = form_.folder.File().Saved();
    if (form_.onTitleChange) {
        form_.onTitleChange();
    }
}

void FolderPanel::ShowSaved() {
    if (form_.folder.File().Saved() != savedShown_) {
        savedShown_ = !savedShown_;
        if (form_.onTitleChange) {
            form_.onTitleChange();
        }
    }
}

std::string FolderPanel::Title() const {
    const std::string program(MainFormDef().caption);
    const std::string& path = form_.folder.Path();
    std::string title =
        path.empty() ? program : program + " - " + ShortenedPath(path, kTitlePathChars);
    // The sign that Save wrote, on every page, until the next change.
    if (form_.folder.File().Saved()) {
        title += " - " + form_.texts.LanguageText(entries::kSavedNote);
    }
    return title;
}

} // namespace korvane
