// The settings drop-downs after the player typed: a text that names nothing they can store is
// marked and writes nothing, and leaving the drop-down (or pressing a strip button) shows
// what is stored again, as it was before the typing (closing the window, too).
#include "app/main_form.hpp"
#include "fake_platform.hpp"

#include <gtest/gtest.h>

using namespace korvane;
using korvane::testing::FakeForm;
using korvane::testing::LinesFile;

// Typed key by key, as the player types: a completion may write an item on the way, and a
// text that names nothing at the end puts the lines back as they were before the typing.
TEST(DropDownSettle, ATextThatNamesNothingIsMarkedAndLeavingShowsTheLinesAsBeforeTheTyping) {
    using Leave = void (*)(MainForm&, ComboBox&);
    const Leave byFocus = [](MainForm&, ComboBox& c) { c.UserLeave(); };
    const Leave byStrip = [](MainForm& f, ComboBox&) { f.SpeedButton5Click(); };
    const Leave byClose = [](MainForm& f, ComboBox&) { EXPECT_TRUE(f.QueryClose()); };
    const struct {
        const char* typed;
        bool byKeys; // else as one edit (a paste, say)
        ComboBox MainForm::*combo;
        bool marked;
        int line;           // the line it writes
        const char* typing; // that line's value while the text is typed
        const char* left;   // and after leaving
        const char* shown;  // the text after leaving
        Leave leave;
    } rows[] = {
        {"1366 768", true, &MainForm::aufloesung, true, 1, "1024", "800", "800x600", byClose},
        {"1920x1080", true, &MainForm::aufloesung, false, 1, "1920", "1920", "1920x1080", byStrip},
        {"1x", true, &MainForm::ComboBox1, true, 23, "0", "4", "25%", byFocus},
        {"50%", false, &MainForm::ComboBox1, false, 23, "2", "2", "50%", byFocus},
        {"1;2", false, &MainForm::ComboBox2, true, 101, "700", "700", "700", byStrip},
        {"900", true, &MainForm::ComboBox2, false, 101, "900", "900", "900", byFocus},
        {"Prozess", false, &MainForm::ComboBox3, true, 53, "2", "2", "Prozessor", byFocus},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        FakeForm f;
        MainForm& form = f.form;
        f.Load(LinesFile(170, {{1, "800"}, {2, "600"}, {23, "4"}, {101, "700"}, {53, "2"}}));
        ComboBox& combo = form.*row.combo;
        form.Guarded([&] {
            if (!row.byKeys) {
                combo.UserEditText(row.typed);
                return;
            }
            // The first key replaces the whole text, as when the field is entered.
            combo.UserTypeChar(row.typed[0], 0, combo.Text().size());
            for (const char* c = row.typed + 1; *c; ++c) {
                combo.UserTypeChar(*c, combo.SelStart(), combo.SelLength());
            }
        });
        EXPECT_EQ(combo.Text(), row.typed);
        EXPECT_EQ(combo.Marked(), row.marked);
        EXPECT_EQ(form.document.Value(row.line), row.typing);
        form.Guarded([&] { row.leave(form, combo); });
        EXPECT_EQ(form.document.Value(row.line), row.left);
        EXPECT_EQ(combo.Text(), row.shown);
        EXPECT_FALSE(combo.Marked());
        EXPECT_TRUE(f.platform.errorBoxes.empty());
    }
}
