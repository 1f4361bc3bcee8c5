// The profiles panel on the General page: the list of profiles, Use and Save as profile.
#include "app/profiles_panel.hpp"

#include "app/main_form.hpp"

#include "file/errors.hpp"
#include "file/profiles.hpp"
#include "file/text.hpp"

#include <optional>

namespace korvane {

void ProfilesPanel::ShowCaptions() {
    form_.ProfileLabel.SetCaption(form_.texts.LanguageText(entries::kProfileLabel));
    form_.ProfileUse.SetCaption(form_.texts.LanguageText(entries::kProfileUse));
    form_.ProfileSaveAs.SetCaption(form_.texts.LanguageText(entries::kProfileSaveAs));
}

void ProfilesPanel::List(const std::string& choose) {
    std::string chosen = choose.empty() ? Chosen() : choose;
    std::vector<std::string> items;
    profileNames_.clear();
    const std::vector<Profile> found = form_.folder.Profiles();
    std::string inUse;
    for (Profile profile : found) {
        if (profile.inUse) {
            inUse = profile.name;
        }
        items.push_back(profile.inUse ? profile.name + " (" +
                                            form_.texts.LanguageText(entries::kProfileInUse) + ")"
                                      : profile.name);
        profileNames_.push_back(std::move(profile.name));
    }
    form_.ProfileList.SetItems(std::move(items));
    // With none chosen yet, or the one chosen gone, the field shows the profile the game uses.
    for (const std::string& name : {chosen, inUse}) {
        for (std::size_t i = 0; i < profileNames_.size() && form_.ProfileList.ItemIndex() < 0;
             ++i) {
            if (!name.empty() && EqualIgnoringCase(profileNames_[i], name)) {
                form_.ProfileList.SetItemIndex(static_cast<long long>(i));
            }
        }
    }
    ListChange();
}

std::string ProfilesPanel::Chosen() const {
    const int i = form_.ProfileList.ItemIndex();
    return i >= 0 && static_cast<std::size_t>(i) < profileNames_.size()
               ? profileNames_[static_cast<std::size_t>(i)]
               : std::string();
}

void ProfilesPanel::ListChange() {
    form_.ProfileUse.SetEnabled(!Chosen().empty());
}

void ProfilesPanel::UseClick() {
    form_.settings.SettleDropDowns();
    const std::string name = Chosen();
    if (name.empty() || !form_.MayDropChanges(
                            FillIn(form_.texts.LanguageText(entries::kUseDiscardChanges), name))) {
        return;
    }
    Use(name);
}

void ProfilesPanel::Use(const std::string& name) {
    // A profile that cannot be used leaves the window as it was, its label too.
    form_.folder.Use(name, [this] {
        form_.ProfileShown.SetCaption({});
        form_.ShowLoaded();
    });
    form_.ProfileShown.SetCaption(FillIn(form_.texts.LanguageText(entries::kProfileShown), name));
    form_.folder.RaiseUnshownLine(ProfilePath(form_.folder.Path(), name));
}

void ProfilesPanel::SaveAsClick() {
    form_.settings.SettleDropDowns();
    if (!form_.folder.File().Loaded()) {
        throw Error(form_.texts.LanguageText(entries::kNotLoadedCompletely));
    }
    if (const std::optional<NameChosen> chosen = AskName()) {
        form_.folder.WriteProfile(chosen->name, chosen->replacing);
        List(chosen->name);
    }
}

std::optional<ProfilesPanel::NameChosen> ProfilesPanel::AskName() {
    const std::string caption = AsDialogCaption(form_.texts.LanguageText(entries::kProfileSaveAs));
    const std::string label = form_.texts.LanguageText(entries::kProfileLabel);
    const std::string unheldRule = form_.texts.LanguageText(entries::kProfileNameUnheld);
    // The dialog comes back with the name typed until the name may be used or the player
    // cancels.
    std::string typed;
    std::string name;
    std::optional<FileEntry> existing;
    for (;;) {
        const std::optional<std::string> answer =
            form_.platform.AskText(caption, label, typed, unheldRule);
        if (!answer) {
            return std::nullopt;
        }
        typed = *answer;
        name = WithoutCfgEnding(typed);
        if (const NameProblem problem = CheckProfileName(name); problem != NameProblem::None) {
            form_.platform.ShowErrorBox(
                ErrorBoxText(form_.texts.LanguageText(NameRuleText(problem))));
            continue;
        }
        existing = ProfileFileOf(form_.platform.ListFiles(form_.folder.Path()), name);
        if (!existing && !form_.platform.FileExists(ProfilePath(form_.folder.Path(), name))) {
            break;
        }
        // Only a profile is replaced: any other file of that name (another program's
        // settings, a file too large or unreadable) is kept as it is.
        if (!existing || !ReadProfile(form_.platform, form_.folder.Path(), *existing)) {
            form_.platform.ShowErrorBox(
                ErrorBoxText(FillIn(form_.texts.LanguageText(entries::kNameTakenByOtherFile),
                                    existing ? existing->name : name + ".cfg")));
            continue;
        }
        // The name as the file spells it, in the question and for the file written.
        name = WithoutCfgEnding(existing->name);
        if (form_.platform.AskYesNo(
                FillIn(form_.texts.LanguageText(entries::kProfileReplace), name))) {
            break;
        }
    }
    return NameChosen{name, existing.has_value()};
}

} // namespace korvane
