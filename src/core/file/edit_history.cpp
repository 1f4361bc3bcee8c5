#include "file/edit_history.hpp"

#include <algorithm>
#include <unordered_map>

namespace korvane {

namespace {

// Adds the later edits of a line to a step: the step keeps the first value before. Where
// each line's edit stands in the step is kept beside it, so that a step of many lines (a
// copy of every view's value) does not look through all of them for each.
void Merge(std::vector<EditHistory::Edit>& into, EditHistory::EditIndex& where,
           const EditHistory::Edit& edit) {
    const auto [it, added] = where.try_emplace(edit.line, into.size());
    if (added) {
        into.push_back(edit);
    } else {
        into[it->second].after = edit.after;
    }
}

// A step whose lines all hold what they held before changed nothing.
void DropUnchanged(std::vector<EditHistory::Edit>& edits) {
    std::erase_if(edits, [](const EditHistory::Edit& e) { return e.before == e.after; });
}

} // namespace

void EditHistory::Clear() {
    undo_.clear();
    redo_.clear();
    open_ = {};
    openWhere_.clear();
    openJoin_ = 0;
    sealKey_ = 0;
}

void EditHistory::Record(std::size_t line, std::string_view before, std::string_view after) {
    Merge(open_.edits, openWhere_, Edit{line, std::string(before), std::string(after)});
}

void EditHistory::RecordWhole(std::string before, std::string after) {
    Close();
    open_.wholeBefore = std::move(before);
    open_.wholeAfter = std::move(after);
    Close();
}

void EditHistory::Close() {
    Step step = std::move(open_);
    open_ = {};
    openWhere_.clear();
    step.join = openJoin_;
    openJoin_ = 0;
    const bool whole = step.wholeBefore.has_value();
    if (!whole && step.join != 0 && !undo_.empty() && undo_.back().join == step.join) {
        // The same input goes on: its lines join the last step.
        Step& last = undo_.back();
        EditIndex where;
        for (std::size_t i = 0; i < last.edits.size(); ++i) {
            where.emplace(last.edits[i].line, i);
        }
        for (const Edit& edit : step.edits) {
            Merge(last.edits, where, edit);
        }
        DropUnchanged(last.edits);
        redo_.clear();
        ++taken_;
        if (last.edits.empty()) {
            undo_.pop_back(); // back where the input began
        }
    } else {
        DropUnchanged(step.edits);
        if (whole || !step.edits.empty()) {
            undo_.push_back(std::move(step));
            redo_.clear();
            ++taken_;
            if (undo_.size() > kMaxSteps) {
                undo_.erase(undo_.begin());
            }
        }
    }
    if (sealKey_ != 0 && !undo_.empty() && undo_.back().join == sealKey_) {
        undo_.back().join = 0;
    }
    sealKey_ = 0;
}

const EditHistory::Step* EditHistory::TakeUndo() {
    if (undo_.empty()) {
        return nullptr;
    }
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
    // An input undone is over, and so is the one before it.
    redo_.back().join = 0;
    if (!undo_.empty()) {
        undo_.back().join = 0;
    }
    return &redo_.back();
}

const EditHistory::Step* EditHistory::TakeRedo() {
    if (redo_.empty()) {
        return nullptr;
    }
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
    return &undo_.back();
}

} // namespace korvane
