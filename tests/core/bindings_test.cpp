// The setting bindings: what Load shows from the document (writing nothing), what each
// control's change writes, and where a short or bad file stops.
#include "app/main_form.hpp"
#include "fake_platform.hpp"
#include "file/text.hpp"

#include "../lines_file.hpp"
#include "../option_lines.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

using namespace korvane;
using korvane::testing::FakeForm;
using korvane::testing::FakePlatform;
using korvane::testing::FileLines;
using korvane::testing::LinesFile;
using korvane::testing::ReleaseLines;

namespace {

using Values = std::map<int, std::string>;

struct BindingsTest : ::testing::Test, FakeForm {
    Values loaded; // the values of the file last loaded
    int loadedLines = 0;

    // Loads a file of n lines (LinesFile) through "Laden", as the user would.
    void Load(const Values& values, int n = 170) {
        loaded = values;
        loadedLines = n;
        FakeForm::Load(LinesFile(n, values));
    }
    std::string V(int k) { return form.document.Value(k); }
    // Every line whose value differs from the file last loaded, with its value now.
    Values Changed() {
        Values out;
        for (int k = 0; k < loadedLines; ++k) {
            auto it = loaded.find(k);
            const std::string stored = it == loaded.end() ? "0" : it->second;
            if (V(k) != stored) {
                out[k] = V(k);
            }
        }
        return out;
    }
    std::vector<std::string> Errors() { return platform.errorBoxes; }
};

// ---- Transfer: check boxes ----

struct BoxRow {
    CheckBox MainForm::*box;
    const char* on;    // the stored value that checks the box
    const char* other; // a stored value that does not
};

// The boxes the transfer sets; their lines (a partner line: the second the handler writes)
// are the shared table's.
const BoxRow kBoxes[] = {
    {&MainForm::CheckBox3, "1", "2"},  {&MainForm::CheckBox1, "1", "2"},
    {&MainForm::CheckBox2, "1", "2"},  {&MainForm::CheckBox5, "1", "2"},
    {&MainForm::CheckBox7, "1", "2"},  {&MainForm::CheckBox8, "1", "2"},
    {&MainForm::CheckBox9, "1", "2"},  {&MainForm::CheckBox10, "1", "2"},
    {&MainForm::CheckBox11, "1", "2"}, {&MainForm::CheckBox12, "2", "1"},
    {&MainForm::CheckBox13, "1", "2"}, {&MainForm::CheckBox14, "1", "2"},
    {&MainForm::CheckBox15, "0", "2"}, {&MainForm::CheckBox16, "1", "2"},
    {&MainForm::CheckBox17, "1", "2"},
};

TEST(BindingsRows, EachBoxIsCheckedByItsValueAndClearedByAnyOther) {
    for (const BoxRow& row : kBoxes) {
        FakeForm t;
        MainForm& f = t.form;
        CheckBox& box = f.*row.box;
        SCOPED_TRACE(box.Name());
        const int line = ReleaseLines(box.Name())[0];

        // The box shows its line and writes nothing: a partner line that disagrees stays.
        for (const char* value : {row.on, row.other, row.on}) {
            t.Load(LinesFile(170, {{line, value}, {94, "7"}, {165, "7"}}));
            EXPECT_EQ(box.Checked(), value == row.on) << value;
            EXPECT_EQ(f.document.Value(line), value);
            EXPECT_EQ(f.document.Value(94), "7");
            EXPECT_EQ(f.document.Value(165), "7");
        }
        EXPECT_TRUE(t.platform.errorBoxes.empty());
    }
}

// Also the game's own file, of the other layout, between two of them.
TEST_F(BindingsTest, AFileOfNeutralValuesLoadsWithoutWritingAnything) {
    Load({});
    EXPECT_EQ(Changed(), Values{});
    EXPECT_TRUE(Errors().empty());
    const std::string real = korvane::testing::DataFile("demo/game/f1graphics.cfg");
    FakeForm::Load(real);
    EXPECT_EQ(FileLines(form.document.Write()), FileLines(real));
    Load({});
    EXPECT_EQ(Changed(), Values{});
}

TEST_F(BindingsTest, MirrorsLineFortyThreeZeroClearsAndDisablesTheTCamBox) {
    Load({{43, "1"}, {50, "1"}});
    EXPECT_TRUE(form.CheckBox4.Checked());
    EXPECT_TRUE(form.CheckBox5.Enabled());

    Load({{43, "0"}, {50, "1"}});
    EXPECT_FALSE(form.CheckBox4.Checked());
    EXPECT_FALSE(form.CheckBox5.Enabled());
    EXPECT_TRUE(form.CheckBox5.Checked()) << "a disabled box keeps its mark";
    EXPECT_EQ(Changed(), Values{});
}

TEST(BindingsRows, TheDependantsAreEnabledExactlyAsTheStoredMastersSay) {
    const char* const v43[] = {"0", "1", "2", ""};
    const char* const v60[] = {"0", "1", "2"};
    std::vector<Values> files;
    for (const char* a : v43) {
        for (const char* b : v60) {
            files.push_back({{43, a}, {60, b}, {50, "1"}, {67, "1"}});
        }
    }
    for (const Values& before : files) {
        for (const Values& now : files) {
            FakeForm t;
            MainForm& f = t.form;
            for (const Values* values : {&before, &now}) {
                t.Load(LinesFile(170, *values));
            }
            SCOPED_TRACE("43=" + before.at(43) + ",60=" + before.at(60) + " then 43=" + now.at(43) +
                         ",60=" + now.at(60));
            EXPECT_EQ(f.CheckBox5.Enabled(), now.at(43) != "0");
            EXPECT_EQ(f.CheckBox7.Enabled(), now.at(60) == "1");
            EXPECT_EQ(f.CheckBox4.Checked(), now.at(43) != "0");
            EXPECT_EQ(f.CheckBox6.Checked(), now.at(60) == "1");
            // Line 67 is "1" in every file: the tint shows it, whatever came before, also when
            // disabled; and the lines stay as read ("2" on the mirrors' line too).
            EXPECT_TRUE(f.CheckBox7.Checked());
            EXPECT_EQ(FileLines(f.document.Write()), FileLines(LinesFile(170, now)));
        }
    }
}

// ---- Transfer: drop-downs and sliders ----

// Rows run in order on one window: what a row shows never depends on the row before.
TEST_F(BindingsTest, TheResolutionShowsTheStoredPairOrTheKnownWidthsOrTheWidthAsStored) {
    const struct {
        const char* v1;
        const char* v2;
        const char* text;
        int index;
    } rows[] = {
        {"800", "600", "800x600", 0},    {"1024", "768", "1024x768", 1},
        {"1152", "864", "1152x864", 2},  {"1280", "1024", "1280x1024", -1},
        {"0800", "600", "0800x600", -1}, {"800", "999", "800x999", -1},
        {"1024", "", "1024x768", 1},     {"800", "6OO", "800x600", 0},
        {"1280", "", "1280", -1},        {"", "1024", "", -1},
        {"-800", "600", "-800", -1},     {"1920", "1080", "1920x1080", -1},
        {"1280", "x", "1280", -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.v1) + " " + row.v2);
        Load({{1, row.v1}, {2, row.v2}});
        EXPECT_EQ(form.aufloesung.Text(), row.text);
        EXPECT_EQ(form.aufloesung.ItemIndex(), row.index);
        EXPECT_EQ(Changed(), Values{}) << "a load never writes the resolution";
    }
}

TEST_F(BindingsTest, TextureQualityShowsTheKnownCodesAndOtherValuesAsStored) {
    const struct {
        const char* v23;
        const char* text;
    } rows[] = {
        {"3", "3"},     {"0", "100%"}, {"2", "50%"}, {"4", "25%"},
        {"8", "12.5%"}, {"3", "3"},    {"08", "08"}, {"2", "50%"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.v23);
        Load({{23, row.v23}});
        EXPECT_EQ(form.ComboBox1.Text(), row.text);
        EXPECT_EQ(Changed(), Values{});
    }
    EXPECT_EQ(form.ComboBox1.ItemIndex(), 1);
}

TEST_F(BindingsTest, TheDistanceShowsLineOneHundredAndOneWhateverItIs) {
    const struct {
        const char* v101;
        int index;
    } rows[] = {{"700", 7}, {"abc", -1}, {"", 0}, {"4000", 18}, {"0700", -1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.v101);
        Load({{101, row.v101}});
        EXPECT_EQ(form.ComboBox2.Text(), row.v101);
        EXPECT_EQ(form.ComboBox2.ItemIndex(), row.index);
        EXPECT_EQ(Changed(), Values{});
    }
}

TEST_F(BindingsTest, ReflectionsShowTheGraphicsCardForThreeAndTheProcessorOtherwise) {
    const struct {
        const char* v53;
        const char* text;
    } rows[] = {
        {"3", "Grafikkarte"}, {"2", "Prozessor"}, {"3", "Grafikkarte"}, {"03", "Prozessor"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.v53);
        Load({{53, row.v53}});
        EXPECT_EQ(form.ComboBox3.Text(), row.text);
        EXPECT_EQ(Changed(), Values{});
    }
    // The texts follow the items, which the language file may have replaced.
    form.ComboBox3.SetItem(1, "Graphics card");
    Load({{53, "3"}});
    EXPECT_EQ(form.ComboBox3.Text(), "Graphics card");
}

TEST_F(BindingsTest, TheFixedListsSelectTheStoredIndexOrNothing) {
    struct Row {
        ComboBox MainForm::*combo;
        int line;
        const char* value;
        int index;
    };
    const Row rows[] = {
        {&MainForm::ComboBox4, 51, "2", 2},   {&MainForm::ComboBox4, 51, "3", -1},
        {&MainForm::ComboBox4, 51, "$1", 1},  {&MainForm::ComboBox4, 51, "-1", -1},
        {&MainForm::ComboBox5, 117, "1", 1},  {&MainForm::ComboBox5, 117, "2", -1},
        {&MainForm::ComboBox6, 123, "3", 3},  {&MainForm::ComboBox6, 123, "0x2", 2},
        {&MainForm::ComboBox6, 123, "4", -1}, {&MainForm::ComboBox6, 123, "+0", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.line) + "=" + row.value);
        Load({{row.line, row.value}});
        const ComboBox& combo = form.*row.combo;
        EXPECT_EQ(combo.ItemIndex(), row.index);
        EXPECT_EQ(combo.Text(), row.index < 0 ? "" : combo.Items()[row.index]);
        EXPECT_EQ(Changed(), Values{}) << "a drop-down never writes during a load";
    }
}

TEST_F(BindingsTest, TheSlidersShowTheStoredPositionClampedAndWriteNothing) {
    struct Step {
        Values file;
        int pos1, pos2;
        const char* label15;
        const char* label36;
    };
    // One window loading file after file: what each load shows; the labels follow.
    const Step steps[] = {
        {{{46, "1"}, {49, "0"}}, 1, 0, "1", "0%"},
        {{{46, "7"}, {49, "35"}}, 7, 35, "7", "35%"},
        // A position the slider cannot show: its nearest end, and the label says what its line
        // holds.
        {{{46, "40"}, {49, "150"}}, 32, 100, "40", "150%"},
        {{{46, "-5"}, {49, "-3"}}, 1, 0, "-5", "-3%"},
        {{{46, "$10"}, {49, "0X1e"}}, 16, 30, "16", "30%"},
        {{{46, "0016"}, {49, "+30"}}, 16, 30, "16", "30%"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.file.at(46) + " / " + step.file.at(49));
        Load(step.file);
        EXPECT_EQ(form.TrackBar1.Position(), step.pos1);
        EXPECT_EQ(form.TrackBar2.Position(), step.pos2);
        EXPECT_EQ(form.Label15.Caption(), step.label15);
        EXPECT_EQ(form.Label36.Caption(), step.label36);
        EXPECT_EQ(Changed(), Values{});
        EXPECT_TRUE(Errors().empty());
    }
}

// Records, in order, every state change of the setting controls and every value written.
struct Recorder {
    std::vector<std::string> log;
    explicit Recorder(MainForm& form) {
        auto observe = [this](Control& c, Property property, std::ptrdiff_t) {
            const char* what = property == Property::Checked    ? " checked"
                               : property == Property::Enabled  ? " enabled"
                               : property == Property::Position ? " position"
                               : property == Property::Caption  ? " caption"
                               : property == Property::Text     ? " text"
                                                                : nullptr;
            if (what) {
                log.push_back(c.Name() + what);
            }
        };
        for (Control* c : form.AllControls()) {
            if ((dynamic_cast<CheckBox*>(c) || dynamic_cast<ComboBox*>(c) ||
                 dynamic_cast<TrackBar*>(c) || c == &form.Label15 || c == &form.Label36) &&
                c != &form.FolderList) {
                c->SetObserver(observe);
            }
        }
        form.folder.File().AddListener([this](GameFile::Change change, std::size_t line) {
            if (change == GameFile::Change::Value) {
                log.push_back("v" + std::to_string(line));
            }
        });
    }
};

TEST_F(BindingsTest, TheTransferShowsItsStepsInOrderAndWritesNothing) {
    Recorder rec(form);
    Load({{1, "1024"}, {0, "1"},   {3, "1"},   {5, "1"},   {23, "2"},  {101, "500"}, {53, "3"},
          {50, "1"},   {43, "1"},  {60, "1"},  {67, "1"},  {4, "1"},   {46, "7"},    {51, "2"},
          {117, "1"},  {123, "3"}, {109, "1"}, {121, "1"}, {107, "1"}, {93, "2"},    {102, "1"},
          {59, "1"},   {25, "0"},  {34, "1"},  {37, "1"},  {49, "50"}});
    const std::vector<std::string> expected = {
        "aufloesung text",    "CheckBox3 checked",  "CheckBox1 checked",  "CheckBox2 checked",
        "ComboBox1 text",     "ComboBox2 text",     "ComboBox3 text",     "CheckBox5 checked",
        "CheckBox4 checked",  "CheckBox6 checked",  "CheckBox7 checked",  "CheckBox8 checked",
        "TrackBar1 position", "Label15 caption",    "ComboBox4 text",     "ComboBox5 text",
        "ComboBox6 text",     "CheckBox9 checked",  "CheckBox10 checked", "CheckBox11 checked",
        "CheckBox12 checked", "CheckBox13 checked", "CheckBox14 checked", "CheckBox15 checked",
        "CheckBox16 checked", "CheckBox17 checked", "TrackBar2 position", "Label36 caption",
    };
    EXPECT_EQ(rec.log, expected);
    EXPECT_TRUE(Errors().empty());

    // Masters off: the dependants are disabled after their masters show; the tint shows its
    // own line.
    rec.log.clear();
    Load({{43, "0"}, {60, "0"}, {67, "1"}, {25, "0"}, {46, "7"}});
    const std::vector<std::string> reload = {
        "aufloesung text",    "CheckBox3 checked",  "CheckBox1 checked",  "CheckBox2 checked",
        "ComboBox1 text",     "ComboBox2 text",     "ComboBox3 text",     "CheckBox5 checked",
        "CheckBox4 checked",  "CheckBox5 enabled",  "CheckBox6 checked",  "CheckBox7 enabled",
        "CheckBox8 checked",  "ComboBox4 text",     "ComboBox5 text",     "ComboBox6 text",
        "CheckBox9 checked",  "CheckBox10 checked", "CheckBox11 checked", "CheckBox12 checked",
        "CheckBox13 checked", "CheckBox14 checked", "CheckBox16 checked", "CheckBox17 checked",
        "TrackBar2 position", "Label36 caption"};
    EXPECT_EQ(rec.log, reload);
}

// ---- Failures ----

TEST_F(BindingsTest, AFileTooShortForStepSixteenStopsThereKeepingTheEarlierSteps) {
    Load({{0, "1"}, {46, "9"}, {51, "2"}, {117, "1"}, {109, "1"}}, 123);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Errors()[0].starts_with("List index out of bounds (123)\r"));
    EXPECT_TRUE(form.CheckBox3.Checked());
    EXPECT_EQ(form.TrackBar1.Position(), 9);
    EXPECT_EQ(form.ComboBox4.ItemIndex(), 2);
    EXPECT_EQ(form.ComboBox5.ItemIndex(), 1);
    EXPECT_FALSE(form.CheckBox9.Checked()) << "step 17 never ran";
    EXPECT_TRUE(form.SpeedButton4.Visible());
}

// Line 165 is written only by CheckBox13's handler: a file without it loads whole, and only
// the player's change of that box fails.
TEST_F(BindingsTest, ALineOnlyAHandlerWritesIsNeededOnlyWhenThePlayerChangesItsControl) {
    Load({{102, "1"}, {59, "1"}, {49, "50"}}, 124);
    EXPECT_TRUE(Errors().empty());
    EXPECT_TRUE(form.CheckBox13.Checked());
    EXPECT_TRUE(form.CheckBox14.Checked());
    EXPECT_EQ(form.TrackBar2.Position(), 50);

    form.Guarded([&] { form.CheckBox13.UserClick(); });
    EXPECT_EQ(Errors(), std::vector<std::string>{"Unable to insert a line."});
    EXPECT_FALSE(form.CheckBox13.Checked()) << "the box keeps its new state";
    EXPECT_EQ(V(102), "0");
    EXPECT_EQ(form.document.Count(), 124u) << "no line was added";
}

// A value a slider or fixed list cannot show: the file loads whole and may be saved, the
// control shows its nearest end or nothing chosen, and the message names the line, the file
// and the remedy (the first line is the integer conversion's).
TEST(BindingsRows, AValueAControlCannotShowLoadsAnyway) {
    const struct {
        int line;
        const char* value;
        int shown; // the slider's position, or the fixed list's item
    } rows[] = {{46, "abc", 1}, {46, "1.5", 1}, {51, "2x", -1}, {49, "", 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        FakeForm t;
        t.Load(LinesFile(170, {{row.line, row.value}, {4, "1"}, {46, "9"}, {109, "1"}}));
        EXPECT_EQ(t.platform.errorBoxes,
                  std::vector<std::string>{
                      "'" + std::string(row.value) + "' is not a valid integer value.\r" +
                      FillIn(std::string(entries::kLineNotWholeNumber.germanDefault),
                             "C:\\Game\\f1graphics.cfg", std::to_string(row.line), row.value)});
        EXPECT_TRUE(t.form.folder.File().Loaded());
        EXPECT_TRUE(t.form.CheckBox9.Checked()) << "every control shows its lines";
        EXPECT_EQ(row.line == 51   ? t.form.ComboBox4.ItemIndex()
                  : row.line == 46 ? t.form.TrackBar1.Position()
                                   : t.form.TrackBar2.Position(),
                  row.shown);
        EXPECT_EQ((row.line == 49 ? t.form.Label36 : t.form.Label15).Caption(),
                  row.line == 51 ? "9" : row.value);
        // The tooltip and the manual page say which line holds what.
        const std::string line = std::to_string(row.line);
        EXPECT_EQ(t.form
                      .Find(row.line == 51   ? ids::ComboBox(4)
                            : row.line == 46 ? ids::TrackBar(1)
                                             : ids::TrackBar(2))
                      ->ToolTip(),
                  "Zeile " + line + " enth\xe4lt '" + row.value + "': line " + line);
        t.form.Guarded([&] { t.form.ListBox4.UserSelect(row.line); });
        EXPECT_EQ(t.form.ValueHint.Caption(),
                  "In Zeile " + line + " geh\xf6rt nur eine ganze Zahl.");
    }
}

TEST_F(BindingsTest, AChangeBeforeAnyLoadFailsAndTheBoxKeepsItsState) {
    form.Guarded([&] { form.CheckBox3.UserClick(); });
    EXPECT_EQ(Errors(), std::vector<std::string>{"Unable to insert a line."});
    EXPECT_TRUE(form.CheckBox3.Checked());
    EXPECT_EQ(form.document.Count(), 0u);
}

// ---- Change rules ----

// Every box's lines (the shared table's) take its encoding; a second click sets the box back,
// and its lines hold the file's values again.
TEST(BindingsRows, EachBoxWritesItsEncodingWhenTheUserClicksIt) {
    const struct {
        CheckBox MainForm::*box;
        const char* checked;
        const char* cleared;
    } rows[] = {
        {&MainForm::CheckBox3, "1", "0"},  {&MainForm::CheckBox1, "1", "0"},
        {&MainForm::CheckBox2, "1", "0"},  {&MainForm::CheckBox8, "1", "0"},
        {&MainForm::CheckBox4, "1", "0"},  {&MainForm::CheckBox5, "1", "0"},
        {&MainForm::CheckBox6, "1", "0"},  {&MainForm::CheckBox7, "1", "0"},
        {&MainForm::CheckBox9, "1", "0"},  {&MainForm::CheckBox10, "1", "0"},
        {&MainForm::CheckBox11, "1", "0"}, {&MainForm::CheckBox12, "2", "0"},
        {&MainForm::CheckBox13, "1", "0"}, {&MainForm::CheckBox14, "1", "0"},
        {&MainForm::CheckBox15, "0", "1"}, // inverted
        {&MainForm::CheckBox16, "1", "0"}, {&MainForm::CheckBox17, "1", "0"},
    };
    for (const auto& row : rows) {
        FakeForm t;
        t.Load(LinesFile(170, {{94, "7"}, {165, "7"}}));
        CheckBox& box = t.form.*row.box;
        SCOPED_TRACE(box.Name());
        t.form.Guarded([&] { box.UserClick(); });
        for (const int line : ReleaseLines(box.Name())) {
            EXPECT_EQ(t.form.document.Value(line), box.Checked() ? row.checked : row.cleared)
                << "line " << line;
        }
        t.form.Guarded([&] { box.UserClick(); });
        EXPECT_FALSE(t.form.folder.File().HasChanges());
        EXPECT_TRUE(t.platform.errorBoxes.empty());
    }
}

// A control whose lines hold what it cannot show says so (a box marked, grey in the window),
// and the player's input that brings it back to how it showed puts the file's values back:
// set back is no change, whatever the control.
TEST_F(BindingsTest, AControlSetBackPutsBackWhatTheFileHolds) {
    using Act = std::function<void(MainForm&)>;
    const Act click13 = [](MainForm& f) { f.CheckBox13.UserClick(); };
    const Act click12 = [](MainForm& f) { f.CheckBox12.UserClick(); };
    const struct {
        const char* name;
        Values file;
        Act there, back;
        std::function<bool(const MainForm&)> shown; // what the control shows for the file
    } rows[] = {
        {"shadows: main on, mirror off",
         {{102, "1"}, {165, "0"}},
         click13,
         click13,
         [](const MainForm& f) { return f.CheckBox13.Checked() && f.CheckBox13.Marked(); }},
        {"filtering: bilinear, mipmaps point",
         {{93, "2"}, {94, "1"}},
         click12,
         click12,
         [](const MainForm& f) { return f.CheckBox12.Checked() && f.CheckBox12.Marked(); }},
        {"filtering: off, mipmaps bilinear",
         {{93, "0"}, {94, "2"}},
         click12,
         click12,
         [](const MainForm& f) { return !f.CheckBox12.Checked() && f.CheckBox12.Marked(); }},
        {"a value the box never writes",
         {{50, "2"}},
         [](MainForm& f) { f.CheckBox5.UserClick(); },
         [](MainForm& f) { f.CheckBox5.UserClick(); },
         [](const MainForm& f) { return !f.CheckBox5.Checked() && f.CheckBox5.Marked(); }},
        {"mirrors on as any value but 0",
         {{43, "2"}},
         [](MainForm& f) { f.CheckBox4.UserClick(); },
         [](MainForm& f) { f.CheckBox4.UserClick(); },
         [](const MainForm& f) { return f.CheckBox4.Checked() && !f.CheckBox4.Marked(); }},
        {"a slider past its end",
         {{46, "40"}},
         [](MainForm& f) { f.TrackBar1.UserScroll(31); },
         [](MainForm& f) { f.TrackBar1.UserScroll(32); },
         [](const MainForm& f) { return f.TrackBar1.Position() == 32; }},
        {"a fixed list's index written its own way",
         {{123, "02"}},
         [](MainForm& f) { f.ComboBox6.UserSelect(3); },
         [](MainForm& f) { f.ComboBox6.UserSelect(2); },
         [](const MainForm& f) { return f.ComboBox6.ItemIndex() == 2; }},
        {"a reflection code that shows as the first item",
         {{53, "5"}},
         [](MainForm& f) { f.ComboBox3.UserSelect(1); },
         [](MainForm& f) { f.ComboBox3.UserSelect(0); },
         [](const MainForm& f) { return f.ComboBox3.Text() == f.ComboBox3.Items()[0]; }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Load(row.file);
        EXPECT_TRUE(row.shown(form));
        row.there(form);
        EXPECT_FALSE(Changed().empty());
        row.back(form);
        EXPECT_EQ(Changed(), Values{});
        EXPECT_TRUE(row.shown(form));
        EXPECT_TRUE(Errors().empty());
    }
}

TEST_F(BindingsTest, TheMastersEnableTheirDependantsAndOnlyTheVisorClearsItsOwn) {
    Load({{43, "1"}, {50, "1"}, {60, "1"}, {67, "1"}});
    form.CheckBox4.UserClick();
    EXPECT_FALSE(form.CheckBox5.Enabled());
    EXPECT_TRUE(form.CheckBox5.Checked());
    EXPECT_EQ(V(50), "1");
    form.CheckBox4.UserClick();
    EXPECT_TRUE(form.CheckBox5.Enabled());

    form.CheckBox6.UserClick();
    EXPECT_FALSE(form.CheckBox7.Enabled());
    EXPECT_FALSE(form.CheckBox7.Checked());
    EXPECT_EQ(V(60), "0");
    EXPECT_EQ(V(67), "0");
    form.CheckBox6.UserClick();
    EXPECT_TRUE(form.CheckBox7.Enabled());
    EXPECT_FALSE(form.CheckBox7.Checked()) << "checking the visor leaves the tint alone";
    EXPECT_EQ(V(60), "1");
    EXPECT_EQ(V(67), "0");
}

// The values go into the drop-down's lines (the shared table's), in their order.
TEST(BindingsRows, TheDropDownsWriteWhatTheUserPicksOrTypes) {
    struct Row {
        ComboBox MainForm::*combo;
        int pick; // -1: type `text` instead
        const char* text;
        std::vector<const char*> written;
    };
    const Row rows[] = {
        {&MainForm::aufloesung, 0, "", {"800", "600"}},
        {&MainForm::aufloesung, 1, "", {"1024", "768"}},
        {&MainForm::aufloesung, 2, "", {"1152", "864"}},
        {&MainForm::aufloesung, -1, "1280x1024", {"1280", "1024"}},
        {&MainForm::aufloesung, -1, "1024X768", {"1024", "768"}},
        {&MainForm::ComboBox1, 0, "", {"0"}},
        {&MainForm::ComboBox1, 1, "", {"2"}},
        {&MainForm::ComboBox1, 2, "", {"4"}},
        {&MainForm::ComboBox1, 3, "", {"8"}},
        {&MainForm::ComboBox1, -1, "25%", {"4"}}, // typed text naming an item selects it
        {&MainForm::ComboBox1, -1, "75%", {"0"}}, // no item selected: nothing written
        {&MainForm::ComboBox2, 0, "", {""}},
        {&MainForm::ComboBox2, 5, "", {"500"}},
        {&MainForm::ComboBox2, 18, "", {"4000"}},
        {&MainForm::ComboBox2, -1, "1234", {"1234"}},
        {&MainForm::ComboBox2, -1, "1234 ", {"0"}}, // whole metres only
        {&MainForm::ComboBox2, -1, "abc", {"0"}},
        {&MainForm::ComboBox3, 1, "", {"3"}},
        {&MainForm::ComboBox3, 0, "", {"0"}},             // item 0 shows for the "0" read: it stays
        {&MainForm::ComboBox3, -1, "grafikkarte", {"0"}}, // by the text, exactly
        {&MainForm::ComboBox4, 2, "", {"2"}},
        {&MainForm::ComboBox5, 1, "", {"1"}},
        {&MainForm::ComboBox6, 3, "", {"3"}},
    };
    for (const Row& row : rows) {
        FakeForm t;
        t.Load(LinesFile(170));
        ComboBox& combo = t.form.*row.combo;
        SCOPED_TRACE(combo.Name() + " " + std::to_string(row.pick) + " " + row.text);
        t.form.Guarded([&] {
            if (row.pick >= 0) {
                combo.UserSelect(row.pick);
            } else {
                combo.UserEditText(row.text);
            }
        });
        const std::vector<int>& lines = ReleaseLines(combo.Name());
        ASSERT_EQ(lines.size(), row.written.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(t.form.document.Value(lines[i]), row.written[i]) << "line " << lines[i];
        }
        EXPECT_TRUE(t.platform.errorBoxes.empty());
    }
}

TEST_F(BindingsTest, AFixedListWithNoItemSelectedWritesNothing) {
    Load({{51, "7"}, {117, "-1"}, {123, "9"}});
    form.ComboBox4.UserBackspace(0, 0);
    form.ComboBox5.UserBackspace(0, 0);
    form.ComboBox6.UserBackspace(0, 0);
    EXPECT_EQ(Changed(), Values{});

    form.ComboBox4.UserSelect(1);
    form.folder.File().Write(51, "5");
    form.ComboBox4.UserBackspace(0, 0);
    EXPECT_EQ(V(51), "1") << "Backspace runs the handler, which writes the selection";
}

TEST_F(BindingsTest, EveryScrollNotificationWritesThePositionAndItsLabel) {
    Load({});
    form.TrackBar1.UserScroll(5);
    EXPECT_EQ(V(46), "5");
    EXPECT_EQ(form.Label15.Caption(), "5");
    form.folder.File().Write(46, "7"); // as the manual edit page may
    form.TrackBar1.UserScroll(5);
    EXPECT_EQ(V(46), "5") << "the same position is written again";

    form.TrackBar2.UserScroll(35);
    EXPECT_EQ(V(49), "35");
    EXPECT_EQ(form.Label36.Caption(), "35%");
    form.TrackBar2.UserScroll(0);
    EXPECT_EQ(V(49), "0");
    EXPECT_EQ(form.Label36.Caption(), "0%");
}

// A value set by hand shows on its control at once, and writes nothing else.
TEST_F(BindingsTest, AValueSetByHandShowsOnItsControl) {
    const struct {
        int line;
        const char* value;
        std::function<bool(const MainForm&)> shown;
    } rows[] = {
        {5, "0", [](const MainForm& f) { return !f.CheckBox2.Checked(); }},
        {46, "9", [](const MainForm& f) { return f.Label15.Caption() == "9"; }},
        {60, "0", [](const MainForm& f) { return !f.CheckBox7.Enabled(); }},
    };
    Load({{5, "1"}, {60, "1"}});
    Values edited;
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.line) + "=" + row.value);
        form.Guarded([&] { form.EditLine(row.line, row.value); });
        edited[row.line] = row.value;
        EXPECT_TRUE(row.shown(form));
        EXPECT_EQ(Changed(), edited);
        EXPECT_TRUE(Errors().empty());
    }
}

// ---- The typical road ----

TEST_F(BindingsTest, LoadClearSaveWritesLineFiveAndEveryOtherLineAsRead) {
    Values values;
    for (int k = 0; k < 200; ++k) {
        values[k] = std::to_string(k % 3);
    }
    // Keep the rest of the file in shapes the transfer leaves alone.
    values[46] = "1";
    values[49] = "0";
    values[60] = "1";
    values[67] = "1";
    values[43] = "1";
    values[93] = "2";
    values[94] = "2";
    values[102] = "1";
    values[165] = "1";
    values[25] = "0";
    values[5] = "1";
    Load(values, 200);
    ASSERT_TRUE(Errors().empty());
    EXPECT_TRUE(form.CheckBox2.Checked());

    form.Guarded([&] { form.CheckBox2.UserClick(); });
    EXPECT_EQ(V(5), "0");
    form.Guarded([&] { form.SpeedButton2Click(); });

    values[5] = "0";
    EXPECT_EQ(platform.files[platform.GamePath()], LinesFile(200, values));
    EXPECT_TRUE(Errors().empty());
}

} // namespace

// Auto-complete in lower case still picks the item: the field shows the item's own text,
// which is what the handler compares.
TEST(BindingsTyping, ALowerCaseLetterChoosesTheItemItBegins) {
    FakeForm t;
    t.Load(LinesFile(170));
    t.form.ComboBox3.UserTypeChar('g', 0, t.form.ComboBox3.Text().size());
    EXPECT_EQ(t.form.ComboBox3.Text(), "Grafikkarte");
    EXPECT_EQ(t.form.document.Value(53), "3");
    EXPECT_TRUE(t.platform.errorBoxes.empty());
}

TEST_F(BindingsTest, ATypedResolutionWritesWidthAndHeightWhenItIsOne) {
    const struct {
        const char* typed;
        const char* width; // nullptr: nothing written
        const char* height;
    } rows[] = {
        {"800x600", "800", "600"},
        {"1920x1080", "1920", "1080"},
        {" 1920 x 1080 ", "1920", "1080"},
        {"\t2560X1440", "2560", "1440"},
        {"01920x01080", "1920", "1080"},
        {"320x200", "320", "200"},
        {"16384x16384", "16384", "16384"},
        {"319x600", nullptr, nullptr},
        {"800x199", nullptr, nullptr},
        {"16385x600", nullptr, nullptr},
        {"800x16385", nullptr, nullptr},
        {"99999999999x1080", nullptr, nullptr},
        {"1920x1080p", nullptr, nullptr},
        {"1920x", nullptr, nullptr},
        {"x1080", nullptr, nullptr},
        {"1920 1080", nullptr, nullptr},
        {"1920xx1080", nullptr, nullptr},
        {"+800x600", nullptr, nullptr},
        {"", nullptr, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        Load({{1, "7"}, {2, "7"}});
        form.Guarded([&] { form.aufloesung.UserEditText(row.typed); });
        EXPECT_EQ(V(1), row.width ? row.width : "7");
        EXPECT_EQ(V(2), row.height ? row.height : "7");
        EXPECT_TRUE(Errors().empty());
    }
}

TEST(DesktopResolution, ThePlayersScreenIsAFourthItemWhenItIsNotListed) {
    const struct {
        std::pair<int, int> desktop;
        std::vector<std::string> items;
    } rows[] = {
        {{1920, 1080}, {"800x600", "1024x768", "1152x864", "1920x1080"}},
        {{1024, 768}, {"800x600", "1024x768", "1152x864"}},
        {{0, 0}, {"800x600", "1024x768", "1152x864"}},
    };
    for (const auto& row : rows) {
        FakePlatform p;
        p.desktop = row.desktop;
        MainForm f{p};
        EXPECT_EQ(f.aufloesung.Items(), row.items);
    }
}
