// The player's edits of the document, step by step, for undo and redo. A step is what one
// input of the player wrote: the lines it changed with their values before and after, or
// the whole document it replaced (a Use of a profile). The game file records into the open
// step and closes it when the input is done; undo and redo hand a step back to be applied.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {

class EditHistory {
public:
    struct Edit {
        std::size_t line;
        std::string before;
        std::string after;
    };
    struct Step {
        std::vector<Edit> edits; // one per line, in the order first written
        // A step that replaced the whole document: its bytes before and after.
        std::optional<std::string> wholeBefore;
        std::optional<std::string> wholeAfter;
        bool shown = false; // the window showed the document after: it may be saved
        int join = 0;       // the next step of this input joins it (a slider's drag), 0: none
    };

    // A step's lines: where each line's edit stands among its edits.
    using EditIndex = std::unordered_map<std::size_t, std::size_t>;

    // The oldest steps go beyond this many.
    static constexpr std::size_t kMaxSteps = 200;

    // Forgets every step (a new document).
    void Clear();
    // A line of the open step changed from before to after.
    void Record(std::size_t line, std::string_view before, std::string_view after);
    // The whole document was replaced: a step of its own.
    void RecordWhole(std::string before, std::string after);
    // The window showed the document the last whole step put in place.
    void LastShown() noexcept {
        if (!undo_.empty()) {
            undo_.back().shown = true;
        }
    }
    // The open step is part of an input that goes on (a drag, typing into a drop-down): it
    // joins the last step while that one is the same input's (key, a control's ID).
    void Join(int key) noexcept { openJoin_ = key; }
    // That input ends (the slider is released, the drop-down left): the next step is another.
    void Seal(int key) noexcept { sealKey_ = key; }
    // Closes the open step: kept when it changed a line, and then nothing is left to redo.
    void Close();

    // Counts the steps kept or grown: a value typed into a field became part of a step.
    unsigned long long Taken() const noexcept { return taken_; }
    bool CanUndo() const noexcept { return !undo_.empty(); }
    bool CanRedo() const noexcept { return !redo_.empty(); }
    // The last step, moved to the steps to redo; nothing when there is none.
    const Step* TakeUndo();
    // The last step undone, moved back; nothing when there is none.
    const Step* TakeRedo();

private:
    std::vector<Step> undo_;
    std::vector<Step> redo_;
    Step open_;
    EditIndex openWhere_; // the open step's lines
    int openJoin_ = 0;
    int sealKey_ = 0;
    unsigned long long taken_ = 0;
};

} // namespace korvane
