// Which lines of f1graphics.cfg each setting reads and writes, in the game's release layout
// and in the patched game's (the demo file). Written apart from the program's own table
// (src/core/file_layout.cpp), never derived from it, so that each checks the other. Every
// test that needs a setting's lines takes them from here.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::testing {

struct OptionLines {
    const char* control;
    std::vector<int> release; // first the line the setting is read from
    std::vector<int> patched; // empty: the patched file has no such line
};

inline const std::vector<OptionLines>& AllOptionLines() {
    // clang-format off
    static const std::vector<OptionLines> rows = {
        {"aufloesung", {1, 2}, {1, 2}},          {"CheckBox3", {0}, {0}},
        {"CheckBox1", {3}, {3}},                 {"CheckBox8", {4}, {4}},
        {"CheckBox2", {5}, {5}},                 {"ComboBox1", {23}, {23}},
        {"CheckBox15", {25}, {25}},              {"CheckBox16", {34}, {34}},
        {"CheckBox17", {37}, {37}},              {"CheckBox4", {43}, {44}},
        {"TrackBar1", {46}, {47}},               {"TrackBar2", {49}, {50}},
        {"CheckBox5", {50}, {51}},               {"ComboBox4", {51}, {52}},
        {"ComboBox3", {53}, {54}},               {"CheckBox14", {59}, {60}},
        {"CheckBox6", {60}, {61}},               {"CheckBox7", {67}, {}},
        {"CheckBox12", {93, 94}, {98, 99}},      {"ComboBox2", {101}, {106}},
        {"CheckBox13", {102, 165}, {107, 170}},  {"CheckBox11", {107}, {112}},
        {"CheckBox9", {109}, {114}},             {"ComboBox5", {117}, {122}},
        {"CheckBox10", {121}, {126}},            {"ComboBox6", {123}, {128}},
    };
    // clang-format on
    return rows;
}

inline const OptionLines& LinesOf(std::string_view control) {
    for (const OptionLines& row : AllOptionLines()) {
        if (row.control == control) {
            return row;
        }
    }
    throw std::invalid_argument("no setting " + std::string(control));
}

// The lines of a setting in the release layout, which the tests' LinesFile has.
inline const std::vector<int>& ReleaseLines(std::string_view control) {
    return LinesOf(control).release;
}

} // namespace korvane::testing
