// f1graphics.cfg as the window edits it: the document the pages show, the file's own lines
// as last read or written, whether the document may be saved, and the one way a value goes
// into a line. Every feature asks this class; none keeps a copy of its state.
//
// Its states:
//   not loaded  - nothing was read yet, or the last Load or Use did not run to its end (the
//                 read failed, or the window could not show the document): Save refuses.
//   loaded      - the document was read and shown whole: Save may write it.
// A line is changed when it differs from f1graphics.cfg as last read or written, whatever
// the line ends: after Use of a profile the changed lines are exactly what Save will change,
// and a value set back to the file's is no change.
#pragma once

#include "file/config_document.hpp"
#include "file/edit_history.hpp"
#include "file/file_layout.hpp"
#include "file/file_merge.hpp"
#include "file/platform.hpp"
#include "file/texts.hpp"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The game's graphics options file, in its install folder.
inline constexpr std::string_view kGameFileName = "f1graphics.cfg";

class GameFile {
public:
    // What changed, for views: the document was replaced (Reset), one line's value (Value),
    // or what the lines are compared with or whether they may be saved (State: every line's
    // mark and the count may differ).
    enum class Change { Reset, Value, State };
    using Listener = std::function<void(Change, std::size_t line)>;

    GameFile(Platform& platform, const Texts& texts);
    GameFile(const GameFile&) = delete;
    GameFile& operator=(const GameFile&) = delete;

    const ConfigDocument& Document() const noexcept { return document_; }
    FileLayout Layout() const noexcept { return layout_; }
    // The last Load or Use ran to its end: only then may Save write.
    bool Loaded() const noexcept { return loaded_; }

    // f1graphics.cfg's lines as last read or written (empty when it could not be read).
    const ConfigDocument& OnDisk() const noexcept { return onDisk_; }
    // f1graphics.cfg's value of a line; nothing when the file has no such line.
    std::optional<std::string> FileValue(long long line) const;
    // The document's line differs from the file's (a line the file lacks differs too).
    bool IsChanged(long long line) const;
    // How many lines Save will change: the lines that differ, and the lines of the file
    // beyond the document's end.
    std::size_t ChangedCount() const noexcept;
    // Something is changed in a document that may be saved.
    bool HasChanges() const noexcept { return loaded_ && ChangedCount() > 0; }

    // Reads f1graphics.cfg at path and makes the document its lines, with one Reset (a
    // failed read leaves it empty). It is not loaded until Shown.
    void Load(const std::string& path);
    // Reads another graphics options file (a profile) and, once it is read and the check of
    // its bytes passed, puts it in place of the document; f1graphics.cfg stays what the lines
    // are compared with and what Save writes. A read that fails, or a check that throws,
    // leaves everything as it was. It is not loaded until Shown.
    void Use(const std::string& path,
             const std::function<void(const std::string& bytes)>& check = {});
    // The window showed the document read whole: it may be saved.
    void Shown();
    // Writes the document to f1graphics.cfg, keeping the file before as its backup and in
    // the history of the folder (see History). When
    // another program (the game) changed the file since it was last read or written, what is
    // written is the merge of the two (see file_merge.hpp): the lines both changed are asked
    // about, and false means the player wrote nothing for that reason. A merge that holds
    // the game's lines becomes the document, and show fills the window from it.
    bool Save(const std::function<void()>& show = {});
    // Why the last Save could not keep the file it replaced in the history (the message,
    // with the copy's path and the reason); empty when it kept it or had nothing to keep.
    const std::string& HistoryFailure() const noexcept { return historyFailure_; }
    // The folder that holds the file of a path.
    static std::string FolderOf(const std::string& path);
    // The one way a value goes into a line. Refused with an error, the line staying as it
    // was: a value that would move where the line's value ends (';' or a control character),
    // one that is no whole number in a line that must hold one (see LineHolds), and an empty
    // one in a line that may not be empty; unless the line holds the value already as read
    // or the file holds it there.
    void Write(long long line, std::string_view value);
    // The lines that must hold a whole number and hold none, in order.
    std::vector<long long> LinesWithoutWholeNumber() const;
    // For such a line, what belongs there ("Line 47 takes only a whole number (1 to 32)");
    // nothing for any other line.
    std::optional<std::string> WholeNumberWanted(long long line) const;
    // Puts f1graphics.cfg's value back into the line (the value as read when the file has
    // no such line).
    void Restore(long long line);

    // Listeners are told of every change, after this class has taken it in.
    void AddListener(Listener listener) { listeners_.push_back(std::move(listener)); }

    // ---- Undo and redo of the player's edits ----
    // A step is what one input of the player wrote: every Write between BeginStep and the
    // matching EndStep (they nest; the outermost closes the step), a Write outside them, or a
    // Use. Load starts a new history; Save is no step.
    void BeginStep() noexcept { ++stepDepth_; }
    void EndStep();
    // The open step is part of an input that goes on (a slider's drag, typing into a
    // drop-down; key: the control's ID) and joins its last step; Seal ends that input.
    void JoinStep(int key) noexcept { history_.Join(key); }
    void SealStep(int key);
    bool CanUndo() const noexcept { return history_.CanUndo(); }
    // Grows whenever the player's input became a step (or part of one).
    unsigned long long StepsTaken() const noexcept { return history_.Taken(); }
    bool CanRedo() const noexcept { return history_.CanRedo(); }
    // What an undo or redo changed: nothing, some lines (Value notes), or the whole
    // document (a Reset: the window shows it anew).
    enum class Stepped { Nothing, Lines, Document };
    // Puts every line of the last step back as it was before it (not a new step).
    Stepped Undo();
    // Writes the last step undone again.
    Stepped Redo();
    // Told when there may be another step to undo or redo.
    void AddStepListener(std::function<void()> listener) {
        stepListeners_.push_back(std::move(listener));
    }

private:
    std::string Read(const std::string& path);
    void Replace(std::string bytes);
    // A file of no graphics options at all is neither shown nor saved.
    void CheckOptions(const std::string& bytes) const;
    // The message that refuses a value for a line, or nothing when the line takes it.
    std::optional<std::string> Refusal(long long line, std::string_view value) const;
    // The line takes only a whole number, and these values where its comment states them.
    std::string WholeNumberRule(long long line) const;
    std::string Question(const std::vector<LineConflict>& conflicts) const;
    void KeepInHistory(const std::string& replaced);
    void Compare(std::size_t line);
    void CompareAll();
    void Notify(Change change, std::size_t line) const;
    void CloseStep();
    Stepped Apply(const EditHistory::Step* step, bool forward);

    Platform& platform_;
    const Texts& texts_;
    ConfigDocument document_;
    FileLayout layout_ = FileLayout::Release;
    bool loaded_ = false;
    std::string path_;
    std::string fileBytes_;
    std::string historyFailure_;
    ConfigDocument onDisk_;
    std::vector<bool> changed_; // by document line
    std::size_t changedLines_ = 0;
    std::vector<Listener> listeners_;
    EditHistory history_;
    int stepDepth_ = 0;
    bool usedShown_ = false; // the last whole step waits for the window to show it
    std::vector<std::function<void()>> stepListeners_;
};

} // namespace korvane
