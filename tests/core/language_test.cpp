// The language start-up: reading language.txt, the caption transfer, the version check,
// the missing file, and the language files we ship.
#include "app/form_layout.hpp"
#include "app/main_form.hpp"
#include "fake_platform.hpp"
#include "file/text.hpp"
#include "file/text_lines.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>

using namespace korvane;
using korvane::testing::CrLfFile;
using korvane::testing::DataFile;
using korvane::testing::FakeForm;

namespace {

const std::string kVersionDialog =
    "Die gefundene 'language.txt' ist nicht mit dieser Programmversion kompatibel!\r"
    "Sie k\xf6nnen Korvane zwar verwenden, allerdings sind m\xf6glicherweise nicht alle "
    "Elemente beschriftet/richtig beschriftet!";

// The caption table in transfer order: entry, control, and the item for drop-downs. Only
// the tests of the transfer itself use it.
struct Step {
    std::size_t entry;
    const char* control;
    int item = -1;
};
const Step kSteps[] = {
    {3, "SpeedButton1"},  {4, "SpeedButton2"},  {5, "SpeedButton3"},  {6, "SpeedButton7"},
    {7, "SpeedButton4"},  {8, "SpeedButton5"},  {9, "SpeedButton6"},  {10, "CheckBox3"},
    {11, "CheckBox1"},    {12, "CheckBox2"},    {13, "CheckBox8"},    {14, "CheckBox12"},
    {15, "Label6"},       {16, "ComboBox3", 0}, {17, "ComboBox3", 1}, {18, "Label1"},
    {19, "Label4"},       {20, "Label5"},       {21, "CheckBox4"},    {22, "CheckBox5"},
    {23, "CheckBox6"},    {24, "CheckBox7"},    {25, "CheckBox9"},    {26, "CheckBox10"},
    {27, "CheckBox11"},   {28, "Label19"},      {29, "ComboBox4", 0}, {30, "ComboBox4", 1},
    {31, "ComboBox4", 2}, {32, "Label20"},      {33, "ComboBox5", 0}, {34, "ComboBox5", 1},
    {35, "Label21"},      {36, "ComboBox6", 0}, {37, "ComboBox6", 1}, {38, "ComboBox6", 2},
    {39, "ComboBox6", 3}, {40, "Label14"},      {41, "Label16"},      {42, "Label18"},
    {43, "Label17"},      {44, "GroupBox2"},    {45, "Label22"},      {0, "Label27"},
    {46, "Label3"},       {46, "Label23"},      {1, "Label28"},       {47, "Label2"},
    {48, "CheckBox13"},   {49, "CheckBox14"},   {50, "CheckBox15"},   {51, "CheckBox16"},
    {52, "CheckBox17"},   {53, "SpeedButton9"}, {54, "Label29"},      {55, "SpeedButton10"},
    {56, "Label32"},      {57, "Label35"},      {58, "Label8"},       {59, "Label9"},
    {60, "GroupBox1"},
};

std::string StepName(const Step& s) {
    return s.item < 0 ? s.control : std::string(s.control) + "[" + std::to_string(s.item) + "]";
}

// A file of n lines: entries 0 to 2 are language, translator and version, then "T<k>".
std::string NumberedFile(std::size_t n, const std::string& version = "0.4") {
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < n; ++k) {
        lines.push_back(k == 0   ? "Name"
                        : k == 1 ? "Translator"
                        : k == 2 ? version
                                 : "T" + std::to_string(k));
    }
    return CrLfFile(lines);
}

Control& ByName(MainForm& form, const std::string& name) {
    for (Control* c : form.AllControls()) {
        if (c->Name() == name) {
            return *c;
        }
    }
    throw std::runtime_error("no control " + name);
}

// The text a step targets, as the form shows it now.
std::string Shown(MainForm& form, const Step& s) {
    Control& c = ByName(form, s.control);
    if (s.item < 0) {
        return c.Caption();
    }
    return dynamic_cast<ComboBox&>(c).Items().at(static_cast<std::size_t>(s.item));
}

struct LanguageTest : ::testing::Test, FakeForm {
    // Every caption and every item of the window, by control name.
    std::map<std::string, std::string> Texts() {
        std::map<std::string, std::string> out;
        for (Control* c : form.AllControls()) {
            out[c->Name()] = c->Caption();
            if (auto* combo = dynamic_cast<ComboBox*>(c)) {
                for (std::size_t i = 0; i < combo->Items().size(); ++i) {
                    out[c->Name() + "[" + std::to_string(i) + "]"] = combo->Items()[i];
                }
            }
        }
        return out;
    }
};

} // namespace

TEST(SplitLines, FollowsTheLineRulesOfTheProgramsFiles) {
    using V = std::vector<std::string>;
    const struct {
        std::string bytes;
        V lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\n\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"1;a\rb\r\n", {"1;ab"}},   // a lone CR vanishes
        {"a\r\r\nb\r", {"a", "b"}}, // so does every CR before an LF
        {"a\n\x1a"
         "b\nc\n",
         {"a"}}, // Ctrl-Z where a line begins ends the file
        {"a\x1a"
         "b\nc",
         {"a\x1a"
          "b",
          "c"}}, // inside a line it is a character
        {"\x1a", {}},
        {"a\n\n\x1a\n", {"a", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitLines(c.bytes), c.lines) << ::testing::PrintToString(c.bytes);
    }
    EXPECT_EQ(SplitLines("a\nb\nc", 2), (V{"a", "b"}));
    EXPECT_EQ(SplitLines("a\nb", 0), V{});
}

TEST_F(LanguageTest, ReaderCutsCommentsAndTrimsButKeepsEveryLine) {
    Start("Deutsch   # language\r\n"
          "  Jemand\t\r\n"
          " 0.4 \r\n"
          "Laden   # remark\r\n"
          "# only a comment\r\n"
          "\r\n"
          "a#b#c\r\n"
          "\tx y\t# t\r\n"
          "Spei\rchern\r\n"
          "\x01O\x02\n");
    EXPECT_EQ(form.texts.Lines(), (std::vector<std::string>{"Deutsch", "Jemand", "0.4", "Laden", "",
                                                            "", "a", "x y", "Speichern", "O"}));
    EXPECT_EQ(form.SpeedButton1.Caption(), "Laden");
    EXPECT_EQ(form.SpeedButton2.Caption(), ""); // a comment-only line is an empty caption
    EXPECT_EQ(form.SpeedButton3.Caption(), "");
    EXPECT_EQ(form.SpeedButton7.Caption(), "a");
    EXPECT_EQ(form.SpeedButton4.Caption(), "x y");
    EXPECT_EQ(form.SpeedButton5.Caption(), "Speichern");
    EXPECT_EQ(form.SpeedButton6.Caption(), "O");
    EXPECT_EQ(form.CheckBox3.Caption(), "f1graphics.cfg kontrolliert ALLE Grafikeinstellungen");
    EXPECT_TRUE(platform.errorDialogs.empty());
    EXPECT_TRUE(platform.errorBoxes.empty());
    EXPECT_FALSE(platform.closed);
}

// One line per entry is read, up to the last entry's (the form's own 101 and the program's
// texts beyond them).
TEST_F(LanguageTest, ReadsAtMostALinePerEntry) {
    const std::size_t most = kLanguageFileLines;
    for (std::size_t n : {most - 1, most, most + 1, most + 50}) {
        Start(NumberedFile(n));
        ASSERT_EQ(form.texts.Lines().size(), std::min(n, most)) << n;
        EXPECT_EQ(form.texts.Lines().back(), "T" + std::to_string(std::min(n, most) - 1));
    }
    // The last line needs no line end; a Ctrl-Z where a line begins ends the file.
    Start("A\r\nB\r\n0.4\r\nLast");
    EXPECT_EQ(form.texts.Lines().back(), "Last");
    Start("A\r\nB\r\n0.4\r\n\x1a"
          "After\r\nMore\r\n");
    EXPECT_EQ(form.texts.Lines().size(), 3u);
    EXPECT_TRUE(platform.errorBoxes.empty());
}

TEST_F(LanguageTest, TransfersEveryCaptionInTableOrderAndNothingElse) {
    const std::map<std::string, std::string> before = Texts();
    std::vector<std::string> order;
    for (Control* c : form.AllControls()) {
        c->SetObserver([&order](Control& control, Property p, std::ptrdiff_t index) {
            if (p == Property::Caption) {
                order.push_back(control.Name());
            } else if (p == Property::Item) {
                order.push_back(control.Name() + "[" + std::to_string(index) + "]");
            }
        });
    }

    Start(NumberedFile(61));

    std::vector<std::string> expectedOrder;
    std::map<std::string, std::string> expected = before;
    for (const Step& s : kSteps) {
        expectedOrder.push_back(StepName(s));
        expected[StepName(s)] = s.entry == 0   ? "Name"
                                : s.entry == 1 ? "Translator"
                                               : "T" + std::to_string(s.entry);
    }
    EXPECT_EQ(order, expectedOrder);
    EXPECT_EQ(Texts(), expected); // items replaced in place: counts and order kept
    EXPECT_EQ(form.ComboBox6.Items().size(), 4u);
    EXPECT_EQ(form.Label24.Caption(), "0.4");
    EXPECT_TRUE(platform.errorDialogs.empty());
    EXPECT_TRUE(platform.errorBoxes.empty());
}

TEST_F(LanguageTest, FortySixLinesStopAtLabel3AndStillCheckTheVersion) {
    Start(NumberedFile(46, "0.3"));
    EXPECT_EQ(form.Label22.Caption(), "T45");
    EXPECT_EQ(form.Label27.Caption(), "Name");
    EXPECT_EQ(form.GroupBox2.Caption(), "T44");
    EXPECT_EQ(form.ComboBox6.Items()[3], "T39");
    EXPECT_EQ(form.Label3.Caption(), "Autor:");
    EXPECT_EQ(form.Label23.Caption(), "Autor:");
    EXPECT_EQ(form.Label28.Caption(), "##"); // entry 1 exists, but the transfer has ended
    EXPECT_EQ(form.Label2.Caption(), "Version:");
    EXPECT_EQ(form.CheckBox13.Caption(), "CheckBox13");
    EXPECT_EQ(form.GroupBox1.Caption(), "Programm");
    EXPECT_EQ(platform.errorDialogs, std::vector<std::string>{kVersionDialog});
    EXPECT_TRUE(platform.errorBoxes.empty());
}

TEST_F(LanguageTest, ATransferEndsAtTheFirstMissingEntry) {
    for (std::size_t n : {4u, 16u, 17u, 47u, 48u, 60u}) {
        FakeForm t;
        t.Start(NumberedFile(n));
        bool ended = false;
        for (const Step& s : kSteps) {
            ended = ended || s.entry >= n;
            const std::string shown = Shown(t.form, s);
            const ControlDef* def = FindControlDef(ByName(t.form, s.control).Id());
            const std::string original =
                s.item < 0 ? std::string(def->caption)
                           : std::string(def->items[static_cast<std::size_t>(s.item)]);
            EXPECT_EQ(shown, ended ? original
                                   : (s.entry <= 1 ? (s.entry ? "Translator" : "Name")
                                                   : "T" + std::to_string(s.entry)))
                << n << " lines, " << StepName(s);
        }
        EXPECT_TRUE(t.platform.errorDialogs.empty()) << n;
        EXPECT_TRUE(t.platform.errorBoxes.empty()) << n;
    }
}

TEST_F(LanguageTest, ErrorsInsideTheTransferAreNeverShown) {
    // A view that fails to show a caption: the transfer ends there, silently.
    form.ComboBox3.SetObserver([](Control&, Property p, std::ptrdiff_t) {
        if (p == Property::Item) {
            throw std::runtime_error("view failed");
        }
    });
    Start(NumberedFile(61, "1.0"));
    EXPECT_EQ(form.Label6.Caption(), "T15");
    EXPECT_EQ(form.Label1.Caption(), "Aufl\xf6sung:");
    EXPECT_TRUE(platform.errorBoxes.empty());
    EXPECT_EQ(platform.errorDialogs, std::vector<std::string>{kVersionDialog});
}

TEST_F(LanguageTest, VersionCheckComparesTrimmedTextsExactly) {
    const struct {
        std::string line;
        bool passes;
    } cases[] = {
        {"0.4", true},   {" 0.4 ", true},  {"\t0.4\t# for 0.4", true},
        {"0.40", false}, {"0.4.0", false}, {"", false},
        {"0,4", false},  {"v0.4", false},  {"# 0.4", false},
    };
    for (const auto& c : cases) {
        FakeForm t;
        t.Start("English\r\nMe\r\n" + c.line + "\r\n");
        EXPECT_EQ(t.platform.errorDialogs,
                  c.passes ? std::vector<std::string>{} : std::vector<std::string>{kVersionDialog})
            << c.line;
        EXPECT_TRUE(t.platform.errorBoxes.empty());
        EXPECT_FALSE(t.platform.closed);
    }
    // The check trims the entry itself, whatever put it into the list.
    form.ListBox3.SetItems({"", "", " 0.4\t"});
    form.ApplyCaptions();
    EXPECT_TRUE(platform.errorDialogs.empty());
}

TEST_F(LanguageTest, ThreeLinesSetNoCaptionButCheckTheVersion) {
    const std::map<std::string, std::string> before = Texts();
    Start("English\r\nMe\r\n0.4\r\n");
    EXPECT_EQ(Texts(), before);
    EXPECT_TRUE(platform.errorDialogs.empty());
    Start("English\r\nMe\r\n0.5\r\n");
    EXPECT_EQ(Texts(), before);
    EXPECT_EQ(platform.errorDialogs, std::vector<std::string>{kVersionDialog});
    EXPECT_TRUE(platform.errorBoxes.empty());
}

TEST_F(LanguageTest, FewerThanThreeLinesFailTheVersionCheckWithTheListError) {
    const std::map<std::string, std::string> before = Texts();
    for (const std::string bytes : {"", "English\r\n", "English\r\nMe",
                                    "\x1a"
                                    "English\r\n"}) {
        platform.errorBoxes.clear();
        Start(bytes);
        // ')' sorts before '.', so the box adds no full stop.
        EXPECT_EQ(platform.errorBoxes, std::vector<std::string>{"List index out of bounds (2)"})
            << ::testing::PrintToString(bytes);
        EXPECT_EQ(Texts(), before);
    }
    EXPECT_EQ(form.texts.Lines(), (std::vector<std::string>{}));
    EXPECT_TRUE(platform.errorDialogs.empty());
    EXPECT_FALSE(platform.closed);
}

// The address only where the build names a web site; always where the file was looked for.
TEST_F(LanguageTest, MissingFileShowsTheAddressAndEndsWithoutReading) {
    const std::map<std::string, std::string> before = Texts();
    const std::string looked =
        "Gesucht wurde sie hier: language.txt\rStarten Sie Korvane aus seinem eigenen Ordner "
        "oder kopieren Sie eine Datei aus seinem Ordner languages als language.txt dorthin.";
    // Any attempt to read would fail visibly.
    platform.failingPaths["language.txt"] = 5;
    form.Guarded([this] { form.FormCreate(); });
    form.contacts.web = "http://www.example.org/korvane";
    form.Guarded([this] { form.FormCreate(); });
    EXPECT_EQ(platform.errorDialogs,
              (std::vector<std::string>{"Die Datei 'language.txt' wurde nicht gefunden!\r" + looked,
                                        "Die Datei 'language.txt' wurde nicht gefunden!\r"
                                        "Laden Sie sich die Datei unter folgender Adresse "
                                        "herunter:\rhttp://www.example.org/korvane/language.htm\r" +
                                            looked}));
    EXPECT_TRUE(platform.closed);
    EXPECT_TRUE(platform.errorBoxes.empty());
    EXPECT_TRUE(form.texts.Lines().empty());
    EXPECT_EQ(Texts(), before);
}

TEST_F(LanguageTest, ReadErrorIsShownWithoutTransferOrCheck) {
    const std::map<std::string, std::string> before = Texts();
    const struct {
        int code;
        const char* text;
    } cases[] = {{5, "File access denied.\rlanguage.txt: Windows verweigert den Zugriff. Schlie\xdf"
                     "en Sie das Spiel und pr\xfc"
                     "fen Sie, ob Ihr Konto in diesem Ordner Dateien \xe4ndern darf."},
                 {100, "Read beyond end of file.\rlanguage.txt"},
                 {87, "I/O error 87.\rlanguage.txt"}};
    for (const auto& c : cases) {
        platform.errorBoxes.clear();
        platform.failingPaths["language.txt"] = c.code;
        Start(NumberedFile(61, "9.9"));
        EXPECT_EQ(platform.errorBoxes, std::vector<std::string>{c.text});
    }
    EXPECT_TRUE(form.texts.Lines().empty());
    EXPECT_EQ(Texts(), before);
    EXPECT_TRUE(platform.errorDialogs.empty());
    EXPECT_FALSE(platform.closed);
}

// ---- The language files we ship ----

namespace {

// The page a control sits on: the top-level panel it belongs to (the navigation strip
// counts as its own page).
int PageOf(int id) {
    const ControlDef* def = FindControlDef(id);
    while (def != nullptr && def->parent != ids::kForm) {
        id = def->parent;
        def = FindControlDef(id);
    }
    return id;
}

// The access key of a caption: the character after a single '&', lower-cased; 0 if none.
char AccessKey(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (caption[i + 1] != '&') {
                const char c = caption[i + 1];
                return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            }
            ++i;
        }
    }
    return 0;
}

} // namespace

TEST_F(LanguageTest, ShippedFilesLoadCleanly) {
    for (const char* name : {"languages/english.txt", "languages/deutsch.txt"}) {
        SCOPED_TRACE(name);
        FakeForm t;
        MainForm& f = t.form;
        const std::string bytes = DataFile(name);
        t.Start(bytes);
        EXPECT_TRUE(t.platform.errorBoxes.empty());
        EXPECT_TRUE(t.platform.errorDialogs.empty());
        EXPECT_FALSE(t.platform.closed);
        ASSERT_EQ(f.texts.Lines().size(), kLanguageFileLines);
        // Every caption, and every text of its own (61 and up) the program has yet, each on
        // its own line: a line too many or too few moves every text after it.
        for (std::size_t k = 0; k <= 163; k = k == 62    ? 90
                                              : k == 97  ? 100
                                              : k == 107 ? 110
                                              : k == 119 ? 121
                                              : k == 138 ? 140
                                                         : k + 1) {
            EXPECT_FALSE(f.texts.Lines()[k].empty()) << "entry " << k;
        }
        // Windows text: every line ends in CR LF, and there are no other CRs.
        std::size_t crs = 0;
        std::size_t lfs = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            crs += bytes[i] == '\r';
            if (bytes[i] == '\n') {
                ++lfs;
                EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "LF at " << i;
            }
        }
        EXPECT_EQ(crs, lfs);
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

        // The texts the form leaves empty or to the control name get real ones.
        for (Control* c :
             {static_cast<Control*>(&f.CheckBox13), static_cast<Control*>(&f.CheckBox14),
              static_cast<Control*>(&f.CheckBox15), static_cast<Control*>(&f.CheckBox16),
              static_cast<Control*>(&f.CheckBox17), static_cast<Control*>(&f.Label29),
              static_cast<Control*>(&f.SpeedButton10), static_cast<Control*>(&f.Label35),
              static_cast<Control*>(&f.Label27), static_cast<Control*>(&f.Label28)}) {
            EXPECT_FALSE(c->Caption().empty()) << c->Name();
            EXPECT_NE(c->Caption(), c->Name());
            EXPECT_NE(c->Caption(), "##");
        }
        // Access keys: every button has one (but the strip's count of changes, which shows the
        // manual page, and undo and redo, which have Ctrl+Z and Ctrl+Y), and no two on one
        // page, counting the navigation strip on every page.
        std::map<int, std::map<char, std::string>> keys;
        for (Control* c : f.AllControls()) {
            EXPECT_TRUE(!dynamic_cast<SpeedButton*>(c) || c->Caption().empty() ||
                        c == &f.SaveChanges || c == &f.UndoEdit || c == &f.RedoEdit ||
                        AccessKey(c->Caption()) != 0)
                << c->Name() << " has no access key";
            if (const char key = AccessKey(c->Caption())) {
                auto [it, fresh] = keys[PageOf(c->Id())].emplace(key, c->Name());
                EXPECT_TRUE(fresh)
                    << c->Name() << " and " << it->second << " share '" << key << "'";
            }
        }
        for (auto& [page, pageKeys] : keys) {
            if (page == ids::Panel(3)) {
                continue;
            }
            for (const auto& [key, control] : keys[ids::Panel(3)]) {
                EXPECT_EQ(pageKeys.count(key), 0u)
                    << control << " and a control of page " << page << " share '" << key << "'";
            }
        }
    }
    // The build makes the shipped language.txt from the English file.
    std::ifstream built(KORVANE_LANGUAGE_FILE, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(built), {}),
              DataFile("languages/english.txt"));
}

// Every text of the window stays the form's own, but where the form has no real German
// text (the file fills it in) and where the form's caption names another option than its
// line holds (the file says what the line does). The German file gives the form's own captions,
// with access keys (unique on each page) and with the words it corrects or makes say what a line
// does.
TEST_F(LanguageTest, GermanFileReproducesTheFormsOwnCaptions) {
    // The texts without their access-key marks ("&&" reads "&").
    const auto unmarked = [](std::map<std::string, std::string> texts) {
        for (auto& [name, text] : texts) {
            for (auto i = text.find('&'); i != std::string::npos; i = text.find('&', i + 1)) {
                text.erase(i, 1); // the character after the mark stays
            }
        }
        return texts;
    };
    std::map<std::string, std::string> expected = unmarked(Texts());
    Start(DataFile("languages/deutsch.txt"));
    EXPECT_EQ(form.Label27.Caption(), "Deutsch");
    const std::map<std::string, std::string> shown = unmarked(Texts());
    for (const auto& [name, text] : shown) {
        const std::string& original = expected.at(name);
        if (original.empty() || original == name || original == "##") {
            expected[name] = text;
        }
    }
    const std::pair<const char*, const char*> corrected[] = {
        {"CheckBox3", "f1graphics.cfg steuert ALLE Grafikeinstellungen"},
        {"CheckBox1", "32-Bit-Farbtiefe verwenden"},
        {"CheckBox2", "Im Fenster ausf\xfchren"},
        {"CheckBox8", "Hardware-T&L verwenden, falls verf\xfcgbar"},
        {"CheckBox12", "Bilineare Texturfilterung"},
        {"Label6", "Reflexionen werden erzeugt von:"},
        {"Label5", "Entfernung f\xfcr geringere Grafikqualit\xe4t:"},
        {"CheckBox11", "Wasserreflexionen (Boden) aktivieren"},
        {"ComboBox4[2]", "Immer (au\xdf"
                         "er TV-Sicht)"},
        {"Label21", "Linsenreflexe:"},
        {"ComboBox6[1]", "Nur \x84"
                         "echte\x93 Kameras"},
        {"Label14", "Spiegelzoom:"},
        {"Label17", "Zoom"},
    };
    for (const auto& [name, text] : corrected) {
        expected[name] = text;
    }
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(platform.errorDialogs.empty());
}

TEST_F(LanguageTest, TextsBeyondTheCaptionTableFallBackToGerman) {
    struct Row {
        const char* entry61; // nullptr: the file ends before it
        const char* shown;
    } const rows[] = {
        {nullptr, "Zeile"},          {"", "Zeile"},
        {"# comment only", "Zeile"}, {"Line  # the word", "Line"},
        {"One\\rTwo", "One\rTwo"},   {"a\\b\\", "a\\b\\"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.entry61 ? row.entry61 : "(none)");
        FakeForm t;
        t.Start(NumberedFile(61) + (row.entry61 ? std::string(row.entry61) + "\r\n" : ""));
        EXPECT_EQ(t.form.texts.LanguageText(entries::kToolTipLine), row.shown);
    }
}
