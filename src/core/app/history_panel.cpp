// The history panel on the General page: the list of versions, Show and Save as profile.
#include "app/history_panel.hpp"

#include "app/main_form.hpp"

#include "file/errors.hpp"
#include "file/profiles.hpp"
#include "file/text.hpp"

#include <algorithm>

namespace korvane {

namespace {

// How many lines Save would change if these bytes were shown over f1graphics.cfg as loaded.
std::size_t LinesDiffering(const std::string& bytes, const ConfigDocument& onDisk) {
    ConfigDocument version;
    version.Assign(bytes);
    const std::size_t common = std::min(version.Count(), onDisk.Count());
    std::size_t differing = std::max(version.Count(), onDisk.Count()) - common;
    for (std::size_t k = 0; k < common; ++k) {
        const auto line = static_cast<long long>(k);
        differing += version.LineText(line) != onDisk.LineText(line) ? 1 : 0;
    }
    return differing;
}

} // namespace

void HistoryPanel::ShowCaptions() {
    form_.HistoryLabel.SetCaption(form_.texts.LanguageText(entries::kHistoryLabel));
    form_.HistoryShow.SetCaption(form_.texts.LanguageText(entries::kHistoryShow));
    form_.HistorySaveAs.SetCaption(form_.texts.LanguageText(entries::kHistorySaveAs));
}

void HistoryPanel::List() {
    const std::optional<HistoryStamp> chosen = Chosen();
    const History history = form_.folder.FileHistory();
    std::vector<HistoryStamp> versions;
    if (!form_.folder.Path().empty()) {
        versions = history.Versions();
    }
    std::vector<std::string> items;
    versions_.assign(versions.rbegin(), versions.rend());
    for (const HistoryStamp& stamp : versions_) {
        std::string item = DateTimeText(stamp.when);
        try {
            const std::size_t n = LinesDiffering(form_.platform.ReadFile(history.PathOf(stamp)),
                                                 form_.folder.File().OnDisk());
            item += ", " + (n == 1 ? form_.texts.LanguageText(entries::kHistoryOneDiffers)
                                   : FillIn(form_.texts.LanguageText(entries::kHistoryDiffers),
                                            IntToStr(static_cast<long long>(n))));
        } catch (const std::exception&) {
            // a version that cannot be read now is listed by its date alone
        }
        if (stamp == versions.front()) {
            item += ", " + form_.texts.LanguageText(entries::kHistoryBeforeKorvane);
        }
        items.push_back(std::move(item));
    }
    form_.HistoryList.SetItems(std::move(items));
    const auto again = std::find(versions_.begin(), versions_.end(), chosen);
    // With none chosen before, the field shows the file as it was before Korvane: bringing it
    // back is Show and Save.
    if (chosen && again != versions_.end()) {
        form_.HistoryList.SetItemIndex(again - versions_.begin());
    } else if (!versions_.empty()) {
        form_.HistoryList.SetItemIndex(static_cast<long long>(versions_.size()) - 1);
    }
    ListChange();
}

std::optional<HistoryStamp> HistoryPanel::Chosen() const {
    const int i = form_.HistoryList.ItemIndex();
    if (i < 0 || static_cast<std::size_t>(i) >= versions_.size()) {
        return std::nullopt;
    }
    return versions_[static_cast<std::size_t>(i)];
}

void HistoryPanel::ListChange() {
    const bool chosen = Chosen().has_value();
    form_.HistoryShow.SetEnabled(chosen);
    form_.HistorySaveAs.SetEnabled(chosen);
}

void HistoryPanel::ShowClick() {
    form_.settings.SettleDropDowns();
    const std::optional<HistoryStamp> chosen = Chosen();
    if (!chosen) {
        return;
    }
    const std::string when = DateTimeText(chosen->when);
    if (!form_.MayDropChanges(
            FillIn(form_.texts.LanguageText(entries::kHistoryDiscardChanges), when))) {
        return;
    }
    // Shown like a profile: nothing is written, the strip counts what Save will change.
    form_.folder.ShowVersion(form_.folder.FileHistory().PathOf(*chosen), [this] {
        form_.ProfileShown.SetCaption({});
        form_.ShowLoaded();
    });
    form_.ProfileShown.SetCaption(FillIn(form_.texts.LanguageText(entries::kHistoryShown), when));
}

void HistoryPanel::SaveAsClick() {
    form_.settings.SettleDropDowns();
    const std::optional<HistoryStamp> chosen = Chosen();
    if (!chosen) {
        return;
    }
    const std::string path = form_.folder.FileHistory().PathOf(*chosen);
    std::string bytes;
    form_.folder.About(path, [&] { bytes = form_.platform.ReadFile(path); });
    // Only a complete graphics options file is a profile.
    if (!IsProfileContent(bytes)) {
        throw Error(path + "\r" + form_.texts.LanguageText(entries::kNoCompleteFile));
    }
    if (const auto name = form_.profiles.AskName()) {
        form_.folder.WriteProfile(name->name, name->replacing, bytes);
        form_.profiles.List(name->name);
    }
}

} // namespace korvane
