#include "file/game_file.hpp"

#include "file/comment_values.hpp"
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
    history_.Clear();
    CloseStep();
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
    CheckOptions(fileBytes_);
}

// A binary file, or one whose lines that the setting controls read as numbers hold no
// number at all, is no graphics options file (an empty one is told as such by the show).
void GameFile::CheckOptions(const std::string& bytes) const {
    bool number = document_.Count() == 0;
    for (std::size_t k = 0; k < document_.Count() && !number; ++k) {
        const auto line = static_cast<long long>(k);
        number = LineHolds(layout_, line) == Holds::WholeNumber &&
                 ReadInteger(document_.ValueView(line)).has_value();
    }
    if (bytes.find('\0') != std::string::npos || !number) {
        throw NoOptionsError(texts_.LanguageText(entries::kNoOptions));
    }
}

void GameFile::Use(const std::string& path,
                   const std::function<void(const std::string& bytes)>& check) {
    std::string bytes = Read(path);
    if (check) {
        check(bytes);
    }
    // A Use is a step of its own: the document it replaced comes back whole. A document that
    // was not loaded completely never comes back; the history starts anew instead.
    const bool wasLoaded = loaded_;
    std::string before = wasLoaded ? document_.Write() : std::string();
    loaded_ = false;
    Replace(std::move(bytes));
    if (wasLoaded) {
        history_.RecordWhole(std::move(before), document_.Write());
    } else {
        history_.Clear();
    }
    usedShown_ = wasLoaded;
    CloseStep();
}

void GameFile::Shown() {
    if (usedShown_) {
        history_.LastShown();
        usedShown_ = false;
    }
    loaded_ = true;
    Notify(Change::State, 0);
}

std::string GameFile::Question(const std::vector<LineConflict>& conflicts) const {
    constexpr std::size_t kListed = 10;
    const std::string none = texts_.LanguageText(entries::kNoSuchLine);
    std::string lines;
    for (std::size_t i = 0; i < conflicts.size() && i < kListed; ++i) {
        const LineConflict& c = conflicts[i];
        lines +=
            (i ? "\r" : "") + FillIn(texts_.LanguageText(entries::kConflictLine), IntToStr(c.line),
                                     c.game.value_or(none), c.player.value_or(none));
    }
    if (conflicts.size() > kListed) {
        lines += "\r\x85";
    }
    return FillIn(texts_.LanguageText(entries::kGameChangedYourLines), lines);
}

bool GameFile::Save(const std::function<void()>& show) {
    // Writing what a failed Load left over the player's file would damage it: Save writes
    // only a document whose Load ran to its end, and says so otherwise.
    if (!loaded_) {
        throw Error(texts_.LanguageText(entries::kNotLoadedCompletely));
    }
    std::string bytes = document_.Write();
    // The game writes this file too (its menu, its performance test): what it changed since
    // the file was last read or written stays, and only the player's own changes go in. The
    // lines both changed are asked about, and the file is looked at again after the answer,
    // so a change made while the question was open is merged too. A file that is gone is
    // written again without asking; one that cannot be read now, or that the game is writing
    // at this moment, is not written (the error box says why).
    std::vector<LineConflict> agreed;
    std::optional<std::string> replaced; // the file as it was before: none when it is gone
    for (;;) {
        std::string now;
        try {
            now = Read(path_);
        } catch (const IoError& e) {
            if (e.code() != 2 && e.code() != 3) {
                throw;
            }
            break;
        }
        if (now == fileBytes_) {
            replaced = std::move(now);
            break;
        }
        ConfigDocument game;
        game.Assign(now);
        MergedFile merged = MergeLines(onDisk_, document_, game);
        if (!merged.conflicts.empty() && merged.conflicts != agreed) {
            if (!platform_.AskYesNo(Question(merged.conflicts))) {
                return false;
            }
            agreed = std::move(merged.conflicts);
            continue;
        }
        bytes = std::move(merged.bytes);
        replaced = std::move(now);
        break;
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
    // The game's lines join the document, so that the window shows what the file holds.
    if (bytes != document_.Write()) {
        loaded_ = false;
        Replace(std::move(bytes));
        if (show) {
            show();
        }
        loaded_ = true;
    }
    CompareAll();
    Notify(Change::State, 0);
    return true;
}

std::string GameFile::WholeNumberRule(long long line) const {
    // The values the comment states, where it states them.
    const CommentValues v = ReadCommentValues(document_.CommentView(line));
    std::vector<std::int32_t> set = v.set;
    if (set.empty() && v.choicesComplete) {
        for (const Choice& choice : v.choices) {
            set.push_back(choice.value);
        }
    }
    const std::string values = v.range ? FillIn(texts_.LanguageText(entries::kRange),
                                                IntToStr(v.range->min), IntToStr(v.range->max))
                               : !set.empty()
                                   ? FillIn(texts_.LanguageText(entries::kOneOf), ListOf(set))
                                   : std::string();
    return values.empty()
               ? FillIn(texts_.LanguageText(entries::kWholeNumberOnly), IntToStr(line))
               : FillIn(texts_.LanguageText(entries::kWholeNumberIn), IntToStr(line), values);
}

std::optional<std::string> GameFile::WholeNumberWanted(long long line) const {
    if (line < 0 || static_cast<unsigned long long>(line) >= document_.Count() ||
        LineHolds(layout_, line) != Holds::WholeNumber || ReadInteger(document_.ValueView(line))) {
        return std::nullopt;
    }
    return WholeNumberRule(line);
}

std::optional<std::string> GameFile::Refusal(long long line, std::string_view value) const {
    if (!IsStorableValue(value)) {
        return texts_.LanguageText(entries::kValueBreaksLine);
    }
    if (line < 0 || static_cast<unsigned long long>(line) >= document_.Count()) {
        return std::nullopt; // no line to refuse it for: the document says why
    }
    const Holds holds = LineHolds(layout_, line);
    if (holds == Holds::WholeNumber && !ReadInteger(value)) {
        return WholeNumberRule(line);
    }
    if (holds == Holds::Value && value.empty()) {
        return FillIn(texts_.LanguageText(entries::kValueNeeded), IntToStr(line));
    }
    return std::nullopt;
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
    // putting it back moves nothing and keeps what Load read.
    if (!(inRange && (document_.ReadValueView(line) == value || FileValue(line) == value))) {
        if (const std::optional<std::string> refusal = Refusal(line, value)) {
            throw Error(*refusal);
        }
    }
    std::string before = inRange ? document_.Value(line) : std::string();
    document_.SetValue(line, value);
    if (inRange) {
        history_.Record(static_cast<std::size_t>(line), before, value);
    }
    if (stepDepth_ == 0) {
        CloseStep();
    }
}

void GameFile::EndStep() {
    if (stepDepth_ > 0 && --stepDepth_ == 0) {
        CloseStep();
    }
}

void GameFile::SealStep(int key) {
    history_.Seal(key);
    if (stepDepth_ == 0) {
        CloseStep();
    }
}

void GameFile::CloseStep() {
    history_.Close();
    for (const auto& listener : stepListeners_) {
        listener();
    }
}

GameFile::Stepped GameFile::Undo() {
    history_.Close();
    return Apply(history_.TakeUndo(), false);
}

GameFile::Stepped GameFile::Redo() {
    history_.Close();
    return Apply(history_.TakeRedo(), true);
}

GameFile::Stepped GameFile::Apply(const EditHistory::Step* step, bool forward) {
    Stepped done = Stepped::Nothing;
    if (step && step->wholeBefore) {
        Replace(forward ? *step->wholeAfter : *step->wholeBefore);
        // The document before a Use had been shown whole; the one after, if the Use got so far.
        loaded_ = !forward || step->shown;
        Notify(Change::State, 0);
        done = Stepped::Document;
    } else if (step) {
        for (const EditHistory::Edit& edit : step->edits) {
            document_.SetValue(static_cast<long long>(edit.line),
                               forward ? edit.after : edit.before);
        }
        done = Stepped::Lines;
    }
    for (const auto& listener : stepListeners_) {
        listener();
    }
    return done;
}

std::vector<long long> GameFile::LinesWithoutWholeNumber() const {
    std::vector<long long> lines;
    for (std::size_t k = 0; k < document_.Count(); ++k) {
        const auto line = static_cast<long long>(k);
        if (LineHolds(layout_, line) == Holds::WholeNumber &&
            !ReadInteger(document_.ValueView(line))) {
            lines.push_back(line);
        }
    }
    return lines;
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
