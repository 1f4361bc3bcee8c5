// What a line's comment says about the values the game takes: choices ("0 => off, 1 => on"),
// a range ("0 to 100") or a set ("{2,4,6,9,12,16}"), in the forms the game's own comments
// use. It informs the player and never blocks a value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

struct Choice {
    std::int32_t value = 0;
    std::string meaning;
    bool operator==(const Choice&) const = default;
};

struct ValueRange {
    std::int32_t min = 0;
    std::int32_t max = 0;
    bool operator==(const ValueRange&) const = default;
};

struct CommentValues {
    std::vector<Choice> choices;     // two or more, in the comment's order, each value once
    std::optional<ValueRange> range; // with an off value named next to one of its ends
    std::vector<std::int32_t> set;   // two or more, in the comment's order
    // Values the comment names on their own beside a range ("0 => off" in "(1 to 22, 0=>off)").
    std::vector<std::int32_t> named;
    // False when the comment says other values work too ("else 1-7 as cut off") or its
    // choices are levels that add up ("2:+cockpit"): the choices are then examples, not the
    // whole list.
    bool choicesComplete = true;

    // True when the comment states values at all.
    bool StatesValues() const noexcept { return !choices.empty() || range || !set.empty(); }
    // True when the comment allows the value (always, when it states none).
    bool Allows(std::int32_t value) const noexcept;
};

// Reads a comment (the text after a line's first ';'). Never fails: a comment in none of the
// forms yields nothing.
CommentValues ReadCommentValues(std::string_view comment);

// A whole decimal number of 32 bits, blanks around it allowed.
std::optional<std::int32_t> WholeNumber(std::string_view text);

// "2, 4, 6, 9, 12, 16"; a long set is cut short.
std::string ListOf(const std::vector<std::int32_t>& values);

// The choices as a drop-down lists them ("2 \x96 all views but cockpit"), and the one a
// value names (-1: none).
std::vector<std::string> ChoiceTexts(const CommentValues& values);
int ChoiceOf(const CommentValues& values, std::string_view value);

} // namespace korvane
