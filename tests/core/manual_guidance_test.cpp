// The manual page's guidance on the real file: the line's choices, the hint while typing,
// the lines that differ from f1graphics.cfg, putting a line back, finding a line and the lists
// scrolling together.
#include "app/main_form.hpp"
#include "fake_platform.hpp"

#include <gtest/gtest.h>

using namespace korvane;
using korvane::testing::DataFile;

namespace {

struct ManualGuidanceTest : ::testing::Test, korvane::testing::FakeForm {
    void SetUp() override {
        Load(DataFile("demo/game/f1graphics.cfg"));
        ASSERT_EQ(form.document.Count(), 287u);
    }
    void Choose(int line) {
        form.Guarded([&] { form.ListBox4.UserSelect(line); });
    }
    void Type(const std::string& text) {
        form.Guarded([&] { form.edit1.UserEditText(text); });
    }
    void Find(const std::string& text) {
        form.Guarded([&] { form.FindLine.UserEditText(text); });
    }
};

} // namespace

TEST_F(ManualGuidanceTest, TheHintStatesTheValuesAndWarnsWhileTyping) {
    const struct {
        int line;
        std::string typed;
        std::string hint;
    } rows[] = {
        {50, "", "0 bis 100"},
        {50, "150",
         "150 liegt au\xdf"
         "erhalb von 0 bis 100"},
        {50, "1e2", "Keine ganze Zahl"},
        {50, " 100", "0 bis 100"},
        {53, "9", "einer von 2, 4, 6, 9, 12, 16"},
        {53, "5", "5 ist keiner von 2, 4, 6, 9, 12, 16"},
        {118, "0", "0 bis 22"}, // "0=>off" next to the range
        {128, "3", ""},
        {128, "7", "7 steht nicht zur Auswahl"},
        {70, "24", ""},  // the file's own value of levels that add up
        {44, "abc", ""}, // "Enable mirrors" states no values
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        Choose(row.line);
        Type(row.typed);
        EXPECT_EQ(form.ValueHint.Caption(), row.hint) << row.typed;
    }
    // Apply still writes what was typed.
    Choose(50);
    Type("150");
    form.Guarded([&] { form.edit1.UserEnter(); });
    EXPECT_EQ(form.document.Value(50), "150");
    EXPECT_EQ(platform.errorBoxes, std::vector<std::string>{});
}

TEST_F(ManualGuidanceTest, APickedChoiceIsWrittenMarkedCountedListedAndCanBePutBack) {
    // Load changes nothing.
    EXPECT_EQ(form.ChangedOnly.Caption(), "0 Zeilen ge\xe4n&dert");
    EXPECT_FALSE(form.ListBox1.Marked(99) || form.ListBox4.Marked(170));
    EXPECT_FALSE(form.folder.File().HasChanges());

    Choose(44);
    EXPECT_FALSE(form.ValueChoices.Enabled());
    EXPECT_TRUE(form.ValueChoices.Items().empty());
    Choose(128);
    ASSERT_TRUE(form.ValueChoices.Enabled());
    const std::vector<std::string> items = {"0 \x96 off", "1 \x96 'real' camera views only",
                                            "2 \x96 all views but cockpit", "3 \x96 always"};
    EXPECT_EQ(form.ValueChoices.Items(), items);
    const std::string loaded = form.document.Value(128);
    EXPECT_EQ(form.ValueChoices.Text(), items[std::stoul(loaded)]);
    EXPECT_FALSE(form.RestoreValue.Enabled());

    form.Guarded([&] { form.ValueChoices.UserSelect(2); });
    EXPECT_EQ(form.document.Value(128), "2");
    EXPECT_EQ(form.edit1.Text(), "2");
    EXPECT_TRUE(form.folder.File().HasChanges());
    EXPECT_TRUE(form.ListBox5.Marked(128));
    EXPECT_EQ(form.ChangedOnly.Caption(), "1 Zeile ge\xe4n&dert");
    EXPECT_EQ(form.ValueHint.Caption(), "f1graphics.cfg: " + loaded);
    EXPECT_TRUE(form.RestoreValue.Enabled());

    // Listed alone, still chosen; and every line again.
    form.Guarded([&] { form.ChangedOnly.UserClick(); });
    EXPECT_EQ(form.ListBox5.Count(), 1u);
    EXPECT_EQ(form.ListBox5.Item(0), "128");
    EXPECT_TRUE(form.ListBox4.Marked(0));
    EXPECT_EQ(form.ListBox1.Selected(), 0);

    form.Guarded([&] { form.RestoreValue.UserClick(); });
    EXPECT_EQ(form.document.Value(128), loaded);
    EXPECT_EQ(form.edit1.Text(), loaded);
    EXPECT_FALSE(form.ListBox5.Marked(0));
    EXPECT_EQ(form.ChangedOnly.Caption(), "0 Zeilen ge\xe4n&dert");
    EXPECT_FALSE(form.RestoreValue.Enabled());
    form.Guarded([&] { form.ChangedOnly.UserClick(); });
    EXPECT_EQ(form.ListBox5.Count(), 287u);
    EXPECT_EQ(form.ListBox4.Selected(), 128);
    EXPECT_FALSE(form.folder.File().HasChanges());
}

// The value as read puts a line back as read, also one without ';' whose digits a new value
// replaces.
TEST(ConfigDocumentRestore, TheValueAsReadPutsTheLineBack) {
    ConfigDocument doc;
    doc.Append("1024\n5 ; five\n");
    doc.SetValue(0, "1280");
    doc.SetValue(1, "6");
    EXPECT_EQ(doc.Value(0) + doc.Value(1), "12806");
    doc.SetValue(0, doc.ReadValueView(0));
    doc.SetValue(1, doc.ReadValueView(1));
    EXPECT_EQ(doc.Write(), "1024\r\n5 ; five\r\n");
}

TEST_F(ManualGuidanceTest, FindingALineWrapsAroundAndFoldsLetterCase) {
    Find("LENS fl");
    EXPECT_EQ(form.ListBox1.Selected(), 128);
    EXPECT_EQ(form.edit1.Text(), form.document.Value(128));
    Find("LENS flare"); // typing on keeps the line that still matches
    EXPECT_EQ(form.ListBox5.Selected(), 128);
    for (int expected : {191, 254, 128}) {
        form.Guarded([&] { form.FindLine.UserEnter(); });
        EXPECT_EQ(form.ListBox4.Selected(), expected);
    }
    // A whole number is the line of that number; the next is the next comment that holds it.
    for (const auto& [typed, line] : {std::pair{"6", 6}, {"28", 28}, {"286", 286}, {"287", 286}}) {
        Find(typed);
        EXPECT_EQ(form.ListBox1.Selected(), line) << typed;
    }
    Find("6");
    form.Guarded([&] { form.FindLine.UserEnter(); });
    EXPECT_EQ(form.ListBox1.Selected(), 17) << "\"(0-16\": not the number 7 or a value";
    // Letters Windows-1252 folds.
    std::string file = DataFile("demo/game/f1graphics.cfg");
    file.insert(file.find("Enable 32bit"), "\xc4\xd6 ");
    Load(file);
    Find("\xe4\xf6");
    EXPECT_EQ(form.ListBox1.Selected(), 3);
}

TEST_F(ManualGuidanceTest, TheListsScrollTogetherAndShowTheChosenRow) {
    for (ListBox* list : {&form.ListBox5, &form.ListBox1, &form.ListBox4}) {
        list->SetPageRows(13);
    }
    form.Guarded([&] { form.ListBox1.UserScroll(40); });
    EXPECT_EQ(form.ListBox5.TopIndex(), 40);
    EXPECT_EQ(form.ListBox4.TopIndex(), 40);
    Choose(45); // in view: the lists stay
    EXPECT_EQ(form.ListBox1.TopIndex(), 40);
    Find("lens flare"); // out of view: the lists move just enough to show it
    EXPECT_EQ(form.ListBox5.TopIndex(), 128 - 12);
    EXPECT_EQ(form.ListBox4.TopIndex(), 128 - 12);
}
