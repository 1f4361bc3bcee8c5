// The settings drop-downs after the player typed: a text that names nothing they can store is
// marked and writes nothing, and leaving the drop-down (or pressing a strip button) shows
// what is stored again.
#include "core/main_form.hpp"
#include "fake_platform.hpp"

#include <gtest/gtest.h>

using namespace korvane;
using korvane::testing::FakeForm;
using korvane::testing::LinesFile;

TEST(DropDownSettle, ATextThatNamesNothingIsMarkedAndTheStoredValueShowsOnLeaving) {
    using Leave = void (*)(MainForm&, ComboBox&);
    const Leave byFocus = [](MainForm&, ComboBox& c) { c.UserLeave(); };
    const Leave byStrip = [](MainForm& f, ComboBox&) { f.SpeedButton5Click(); };
    const struct {
        const char* typed;
        ComboBox MainForm::*combo;
        bool marked;
        int line;           // the line it writes, or -1
        const char* stored; // that line's value afterwards
        const char* shown;  // after leaving
        Leave leave;
    } rows[] = {
        {"1366 768", &MainForm::aufloesung, true, 1, "1024", "1024x768", byFocus},
        {"1920x1080", &MainForm::aufloesung, false, 1, "1920", "1920x1080", byStrip},
        {"1?", &MainForm::ComboBox1, true, 23, "0", "100%", byFocus},
        {"50%", &MainForm::ComboBox1, false, 23, "2", "50%", byFocus},
        {"1;2", &MainForm::ComboBox2, true, 101, "700", "700", byStrip},
        {"900", &MainForm::ComboBox2, false, 101, "900", "900", byFocus},
        {"Prozess", &MainForm::ComboBox3, true, 53, "2", "Prozessor", byFocus},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        FakeForm f;
        MainForm& form = f.form;
        f.Load(LinesFile(170, {{1, "1024"}, {2, "768"}, {23, "0"}, {101, "700"}, {53, "2"}}));
        ComboBox& combo = form.*row.combo;
        form.Guarded([&] { combo.UserEditText(row.typed); });
        EXPECT_EQ(combo.Text(), row.typed);
        EXPECT_EQ(combo.Marked(), row.marked);
        EXPECT_EQ(form.document.Value(row.line), row.stored);
        form.Guarded([&] { row.leave(form, combo); });
        EXPECT_EQ(combo.Text(), row.shown);
        EXPECT_FALSE(combo.Marked());
    }
}
