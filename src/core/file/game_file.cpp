#include "file/game_file.hpp"

#include "file/errors.hpp"
#include "file/history.hpp"
#include "file/text.hpp"

#include <algorithm>

namespace korvane {

GameFile::GameFile(Platform& platform, const Texts& texts) : platform_(platform), texts_(texts) {
    document_.AddListener([this](ConfigDocument::Change change, std::size_t line) {
        if (change == ConfigDocument::Change::Reset) {
            CompareAll();
            Notify(Change::Reset, 0);
        } else {
            Compare(line);
            Notify(Change::Value, line);
        }
    });
}

std::optional<std::string> GameFile::FileValue(long long line) const {
    if (line < 0 || static_cast<unsigned long long>(line) >= onDisk_.Count()) {
        return std::nullopt;
    }
    return onDisk_.Value(line);
}

bool GameFile::IsChanged(long long line) const {
    return line >= 0 && static_cast<std::size_t>(line) < changed_.size() &&
           changed_[static_cast<std::size_t>(line)];
}

std::size_t GameFile::ChangedCount() const noexcept {
    const std::size_t dropped =
        onDisk_.Count() > document_.Count() ? onDisk_.Count() - document_.Count() : 0;
    return changedLines_ + dropped;
}

void GameFile::Compare(std::size_t line) {
    const bool changed =
        line >= onDisk_.Count() || document_.LineText(static_cast<long long>(line)) !=
                                       onDisk_.LineText(static_cast<long long>(line));
    if (changed_[line] != changed) {
        changed_[line] = changed;
        changedLines_ = changed ? changedLines_ + 1 : changedLines_ - 1;
    }
}

void GameFile::CompareAll() {
    changed_.assign(document_.Count(), false);
    changedLines_ = 0;
    for (std::size_t k = 0; k < changed_.size(); ++k) {
        Compare(k);
    }
}

std::string GameFile::Read(const std::string& path) {
    try {
        return platform_.ReadFile(path);
    } catch (const FileChangingError&) {
        throw FileChangingError(texts_.LanguageText(entries::kFileKeptChanging));
    }
}

// The document becomes the lines of these bytes, in the layout they have.
void GameFile::Replace(std::string bytes) {
    layout_ = FileLayout::Release;
    document_.Assign(std::move(bytes));
    layout_ = RecogniseLayout(document_);
}

void GameFile::Load(const std::string& path) {
    // From here the document changes: it is no file that may be written back until the
    // window has shown it whole. The whole file is read before anything is replaced; a
    // failed read leaves the document empty.
    loaded_ = false;
    path_ = path;
    std::string bytes;
    try {
        bytes = Read(path);
    } catch (...) {
        fileBytes_.clear();
        onDisk_.Clear();
        Replace({});
        throw;
    }
    fileBytes_ = bytes;
    onDisk_.Assign(bytes);
    Replace(std::move(bytes));
}

void GameFile::Use(const std::string& path,
                   const std::function<void(const std::string& bytes)>& check) {
    std::string bytes = Read(path);
    if (check) {
        check(bytes);
    }
    loaded_ = false;
    Replace(std::move(bytes));
}

void GameFile::Shown() {
    loaded_ = true;
    Notify(Change::State, 0);
}

bool GameFile::Save() {
    // Writing what a failed Load left over the player's file would damage it: Save writes
    // only a document whose Load ran to its end, and says so otherwise.
    if (!loaded_) {
        throw Error(texts_.LanguageText(entries::kNotLoadedCompletely));
    }
    const std::string bytes = document_.Write();
    // The game writes this file too (its menu, its performance test): a change it made since
    // it was last read or written is overwritten only when the player says so, and the file
    // is looked at again after the answer, so a change made while the question was open is
    // asked about too. A file that is gone is written again without asking; one that cannot
    // be read now is not written (the error box says why); one the game is writing at this
    // moment has changed.
    std::optional<std::string> agreed = fileBytes_;
    std::optional<std::string> replaced; // the file as it was before: none when it is gone
    for (;;) {
        std::optional<std::string> now; // none: being written
        try {
            now = platform_.ReadFile(path_);
        } catch (const FileChangingError&) {
        } catch (const IoError& e) {
            if (e.code() != 2 && e.code() != 3) {
                throw;
            }
            break;
        }
        if (now && now == agreed) {
            replaced = std::move(now);
            break;
        }
        if (!platform_.AskYesNo(texts_.LanguageText(entries::kChangedOnDisk))) {
            return false;
        }
        agreed = std::move(now);
    }
    historyFailure_.clear();
    try {
        platform_.ReplaceFileContents(path_, bytes, path_ + ".bak");
    } catch (const ReplacementKeptError& e) {
        throw Error(texts_.LanguageText(entries::kNewContentKept) + "\r" + e.keptPath());
    }
    // The file replaced goes into the history only once it has been replaced: the copy can
    // neither stop nor damage the Save, and a copy that fails is told of afterwards.
    if (replaced) {
        KeepInHistory(*replaced);
    }
    fileBytes_ = bytes;
    onDisk_.Assign(fileBytes_);
    CompareAll();
    Notify(Change::State, 0);
    return true;
}

void GameFile::KeepInHistory(const std::string& replaced) {
    History history(platform_, FolderOf(path_));
    try {
        history.Keep(replaced);
    } catch (const IoError& e) {
        historyFailure_ =
            FillIn(texts_.LanguageText(entries::kHistoryNotKept), platform_.FullPath(e.path())) +
            "\r" + e.what();
    } catch (const std::exception& e) {
        historyFailure_ =
            FillIn(texts_.LanguageText(entries::kHistoryNotKept), history.FolderPath()) + "\r" +
            e.what();
    }
}

std::string GameFile::FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

void GameFile::Write(long long line, std::string_view value) {
    const bool inRange = line >= 0 && static_cast<unsigned long long>(line) < document_.Count();
    // A value that stands in the line already as read, or in the file (a tab inside it, say):
    // putting it back moves nothing.
    if (!IsStorableValue(value) &&
        !(inRange && (document_.ReadValueView(line) == value || FileValue(line) == value))) {
        throw Error(texts_.LanguageText(entries::kValueBreaksLine));
    }
    document_.SetValue(line, value);
}

void GameFile::Restore(long long line) {
    const std::optional<std::string> value = FileValue(line);
    Write(line, value ? *value : std::string(document_.ReadValueView(line)));
}

void GameFile::Notify(Change change, std::size_t line) const {
    for (const Listener& listener : listeners_) {
        listener(change, line);
    }
}

} // namespace korvane
