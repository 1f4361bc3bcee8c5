// Typing into drop-downs: auto-complete in the editable ones, incremental search in the
// fixed lists.
#include "file/text.hpp"
#include "form/controls.hpp"

#include <algorithm>

namespace korvane {

namespace {

// Characters typed this close together form one search text in a fixed list.
constexpr std::int64_t kSearchGapMs = 500;

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return prefix.size() <= text.size() && EqualIgnoringCase(text.substr(0, prefix.size()), prefix);
}

} // namespace

int ComboBox::FindPrefix(std::string_view prefix) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (StartsWithIgnoringCase(items_[i], prefix)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ComboBox::UserTypeChar(char c, std::size_t selStart, std::size_t selLength) {
    if (kind_ == Kind::FixedList) {
        UserSearchChar(c);
        return;
    }
    selStart = std::min(selStart, text_.size());
    selLength = std::min(selLength, text_.size() - selStart);
    const std::string before = text_.substr(0, selStart);
    const std::string after = text_.substr(selStart + selLength);

    // What is looked up: the text before the highlighted part and the character; with only a
    // caret, the whole text with the character inserted there.
    std::string typed = before + c;
    if (selLength == 0) {
        typed += after;
    }
    const int match = FindPrefix(typed);
    if (match >= 0) {
        const std::string& item = items_[static_cast<std::size_t>(match)];
        const bool changed = match != itemIndex_;
        const std::size_t rest = item.size() - typed.size();
        // The field shows the item itself, in its own letter case: what the user picked is
        // what the handlers compare, so a lower-case "g" still chooses "Grafikkarte".
        Show(item, match, typed.size(), rest);
        if (changed && onChange) {
            onChange();
        }
        return;
    }
    // No item begins so: the character goes into the field as typed, replacing the
    // highlighted part. The new text begins with what was looked up, so it names no item.
    Show(before + c + after, -1, selStart + 1, 0);
    if (onChange) {
        onChange();
    }
}

void ComboBox::UserBackspace(std::size_t selStart, std::size_t selLength) {
    if (kind_ == Kind::FixedList) {
        const std::int64_t now = Now();
        if (!haveLastKey_ || now - lastKey_ >= kSearchGapMs) {
            search_.clear();
        }
        lastKey_ = now;
        haveLastKey_ = true;
        if (!search_.empty()) {
            search_.pop_back();
        }
        if (onChange) {
            onChange();
        }
        return;
    }
    selStart = std::min(selStart, text_.size());
    selLength = std::min(selLength, text_.size() - selStart);
    std::string text = text_;
    std::size_t caret = selStart;
    if (selLength > 0) {
        text.erase(selStart, selLength);
    } else if (selStart > 0) {
        text.erase(selStart - 1, 1);
        caret = selStart - 1;
    }
    Show(std::move(text), -1, caret, 0);
    if (onChange) {
        onChange();
    }
}

void ComboBox::UserEditText(std::string text) {
    if (kind_ == Kind::FixedList) {
        return; // a fixed list has no field to edit
    }
    const int index = FindExact(text);
    const std::size_t caret = text.size();
    Show(std::move(text), index, caret, 0);
    if (onChange) {
        onChange();
    }
}

void ComboBox::UserSearchChar(char c) {
    if (kind_ == Kind::Editable) {
        UserTypeChar(c, selStart_, selLength_);
        return;
    }
    const std::int64_t now = Now();
    if (!haveLastKey_ || now - lastKey_ >= kSearchGapMs) {
        search_.clear();
    }
    lastKey_ = now;
    haveLastKey_ = true;

    int match = FindPrefix(search_ + c);
    if (match >= 0) {
        search_ += c;
    } else {
        // Nothing begins with the longer text: the search starts again with this character
        // alone, at the item after the selected one, as the system's own lists do. Typing
        // the same letter again and again so steps through the items that begin with it.
        search_.clear();
        const std::size_t n = items_.size();
        const std::size_t first = itemIndex_ < 0 ? 0 : static_cast<std::size_t>(itemIndex_) + 1;
        const std::string one(1, c);
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t i = (first + k) % n;
            if (StartsWithIgnoringCase(items_[i], one)) {
                match = static_cast<int>(i);
                search_ = one;
                break;
            }
        }
        if (match < 0) {
            return;
        }
    }
    if (match == itemIndex_) {
        return;
    }
    Show(items_[static_cast<std::size_t>(match)], match, 0, 0);
    if (onChange) {
        onChange();
    }
}

} // namespace korvane
