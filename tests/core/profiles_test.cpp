// Profiles: the rules for a new profile's name, which files of the game folder are
// profiles, and the mark of the one that holds what f1graphics.cfg holds.
#include "app/main_form.hpp"
#include "fake_platform.hpp"
#include "file/profiles.hpp"

#include "file/text.hpp"

#include <gtest/gtest.h>

#include <algorithm>

using namespace korvane;
using korvane::testing::CrLfFile;
using korvane::testing::DataFile;
using korvane::testing::FakePlatform;
using korvane::testing::FileLines;
using korvane::testing::LinesFile;

namespace {

const std::string kGame = DataFile("demo/game/f1graphics.cfg");

// The demo file with another value in its first line, or cut after n lines.
std::string Changed() {
    return "1" + kGame.substr(1);
}
std::string Cut(std::size_t lines) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < lines; ++i) {
        at = kGame.find('\n', at) + 1;
    }
    return kGame.substr(0, at);
}

} // namespace

TEST(ProfileNameTest, EachRuleRefusesItsNames) {
    using P = NameProblem;
    const struct {
        std::string name;
        NameProblem problem;
    } rows[] = {
        // clang-format off
        {"High", P::None}, {"High 2", P::None}, {"Hoch \xe4\xf6\xfc", P::None},
        {std::string(40, 'x'), P::None}, {"COM0", P::None}, {"COM10", P::None},
        {"CONSOLE", P::None}, {"a~b", P::None}, {"", P::Length}, {".cfg", P::Length},
        {std::string(41, 'x'), P::Length}, {"a\\b", P::Character}, {"a/b", P::Character},
        {"a:b", P::Character}, {"a*b", P::Character}, {"a?b", P::Character}, {"a\"b", P::Character},
        {"a<b", P::Character}, {"a>b", P::Character}, {"a|b", P::Character}, {"a\tb", P::Character},
        {std::string("a\0b", 3), P::Character}, {" High 2", P::Beginning}, {"High.", P::Ending},
        {"High ", P::Ending}, {"High .cfg", P::Ending}, {"NUL .cfg", P::Ending},
        {"CON", P::Reserved}, {"con", P::Reserved}, {"Aux.txt", P::Reserved},
        {"NUL .txt", P::Reserved}, {"PRN", P::Reserved}, {"COM1", P::Reserved},
        {"lpt9.x", P::Reserved}, {"COM\xb9", P::Reserved}, {"lpt\xb3.txt", P::Reserved},
        {"f1graphics", P::Reserved}, {"F1Graphics", P::Reserved}, {"f1graphics2", P::Reserved},
        {"F1GRAP~1", P::Reserved}, {"Mod~2x", P::Reserved},
        // clang-format on
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CheckProfileName(WithoutCfgEnding(row.name)), row.problem) << row.name;
    }
    EXPECT_EQ(WithoutCfgEnding("High.Cfg"), "High");
    EXPECT_EQ(WithoutCfgEnding("High.cfg.cfg"), "High.cfg");
}

// All files lie in one folder: one that cannot be read or is no profile leaves the others
// listed. Files larger than 1 MiB and device names are never opened.
TEST(FindProfilesTest, ListsTheCompleteGraphicsFilesNamedCfgButF1graphics) {
    const std::string mebibyte = kGame + std::string(kMaxProfileBytes - kGame.size(), ';');
    const struct {
        std::string file;
        std::string bytes;
        bool listed;
        bool read = true;
    } rows[] = {
        {"High.cfg", kGame, true},
        {"LOW.CFG", kGame, true},
        {"release.cfg", LinesFile(166), true}, // the release layout, without comments
        {"f1graphics.cfg", kGame, false, false},
        {"F1GRAPHICS.CFG", kGame, false, false},
        {"f1graphics - Copy.cfg", kGame, false, false}, // a name Save as profile refuses
        {"other.cfg", "[Options]\r\nSound=1\r\n", false},
        {"empty.cfg", std::string(200, '\n'), false}, // lines without values
        {"short.cfg", LinesFile(165), false},         // one line short of the release layout
        {"cut.cfg", Cut(120), false},                 // the patched file without its end
        {"Most.cfg", Cut(286), false},                // all its settings' lines, but cut short
        {"Patched168.cfg", Cut(168), false}, // cut before its last setting: no release file
        {"Full.cfg", mebibyte, true},
        {"Larger.cfg", mebibyte + "\n", false, false},
        {"LPT\xb2.cfg", kGame, false, false},
        {"Text.txt", kGame, false, false},
        {".cfg", kGame, false, false},
        {"locked.cfg", kGame, false},        // cannot be read
        {"sub\\x.cfg", kGame, false, false}, // in a folder below
    };
    FakePlatform platform;
    for (const auto& row : rows) {
        platform.files["C:\\Game\\" + row.file] = row.bytes;
    }
    platform.failingReads["C:\\Game\\locked.cfg"] = 5;
    const std::vector<Profile> found = FindProfiles(platform, "C:\\Game", ConfigDocument());
    for (const auto& row : rows) {
        const std::string name = row.file.substr(0, row.file.size() - 4);
        EXPECT_EQ(std::count(found.begin(), found.end(), Profile{name, false}), row.listed)
            << row.file;
        EXPECT_EQ(std::count(platform.reads.begin(), platform.reads.end(), "C:\\Game\\" + row.file),
                  row.read)
            << row.file;
    }
}

// In use: the profile's lines hold what f1graphics.cfg's hold, whatever the line ends.
TEST(FindProfilesTest, MarksTheProfileWithTheContentF1graphicsHas) {
    const std::string crLf = CrLfFile(FileLines(kGame));
    const struct {
        std::string profile;
        std::string inUse;
        bool marked;
    } rows[] = {
        {kGame, crLf, true},
        {crLf, crLf, true},
        {Changed(), crLf, false},
        {kGame, "", false}, // nothing loaded
    };
    for (const auto& row : rows) {
        FakePlatform platform;
        platform.files["C:\\Game\\High.cfg"] = row.profile;
        ConfigDocument gameFile;
        gameFile.Append(row.inUse);
        EXPECT_EQ(FindProfiles(platform, "C:\\Game", gameFile),
                  (std::vector<Profile>{{"High", row.marked}}));
    }
}

// After Load the profile in use is chosen. Use with unsaved changes asks, naming the profile.
// A profile that is gone or no longer complete changes nothing (the document, the pages,
// whether Save may write) and the message names its file; after Use and Save the profile,
// kept with other line ends, is the one in use.
TEST(ProfileUseTest, AFailedUseChangesNothingAndTheProfileSavedIsInUse) {
    korvane::testing::FakeForm f;
    FakePlatform& platform = f.platform;
    MainForm& form = f.form;
    platform.files["C:\\Game\\Low.cfg"] = kGame;
    f.Load(kGame);
    EXPECT_EQ(form.profiles.Chosen(), "Low");
    form.CheckBox2.UserClick();
    const std::string shown = form.document.Write();
    platform.files["C:\\Game\\High.cfg"] = Changed();
    form.profiles.List();
    form.ProfileList.UserSelect(0);
    platform.answerYes = true;
    for (const std::string& profile : {std::string(), std::string("damaged")}) {
        platform.files["C:\\Game\\High.cfg"] = profile;
        if (profile.empty()) {
            platform.files.erase("C:\\Game\\High.cfg");
        }
        form.Guarded([&] { form.ProfileUseClick(); });
        EXPECT_EQ(form.document.Write(), shown);
        EXPECT_TRUE(form.CheckBox2.Checked());
        EXPECT_TRUE(form.folder.File().HasChanges());
        EXPECT_TRUE(platform.errorBoxes.back().starts_with(
            "C:\\Game\\High.cfg wurde nicht verwendet, nichts wurde ge\xe4ndert:\r"))
            << platform.errorBoxes.back();
    }
    EXPECT_EQ(platform.questions.back(),
              "Ihre \xc4nderungen verwerfen und das Profil High anzeigen?");

    platform.files["C:\\Game\\High.cfg"] = Changed();
    form.Guarded([&] { form.ProfileUseClick(); });
    EXPECT_EQ(form.document.Value(0), "1");
    form.Guarded([&] { form.SpeedButton2Click(); });
    EXPECT_EQ(platform.files[platform.GamePath()], CrLfFile(FileLines(Changed())));
    EXPECT_EQ(form.ProfileList.Items(), (std::vector<std::string>{"High (in Gebrauch)", "Low"}));
    // The profile chosen gone: the one in use is chosen.
    platform.files.erase("C:\\Game\\High.cfg");
    platform.files["C:\\Game\\Low.cfg"] = Changed();
    form.profiles.List();
    EXPECT_EQ(form.profiles.Chosen(), "Low");
}

// Save as profile never destroys a file: a name whose file is no profile is refused, naming
// the file; a profile is replaced only when the player agrees, spelled as its file is, and
// kept as NAME.cfg.bak; "NAME.cfg" names NAME.cfg.
TEST(ProfileSaveAsTest, ReplacesOnlyAProfileAndKeepsIt) {
    const struct {
        std::string typed;
        std::string existing; // a file of the folder beside f1graphics.cfg, or none
        std::string bytes;
        std::string box;      // the error box shown first, or none
        std::string question; // the question asked, or none
        std::string written;  // the file that then holds the document
    } rows[] = {
        {"New.cfg", "", "", "", "", "New.cfg"},
        {"high", "High.cfg", Changed(), "", "Das Profil High gibt es schon.", "High.cfg"},
        {"other", "Other.cfg", "[Options]\r\nSound=1\r\n", "Other.cfg gibt es schon", "", ""},
    };
    for (const auto& row : rows) {
        korvane::testing::FakeForm f;
        f.Load(kGame);
        if (!row.existing.empty()) {
            f.platform.files["C:\\Game\\" + row.existing] = row.bytes;
        }
        std::map<std::string, std::string> expected = f.platform.files;
        if (!row.written.empty()) {
            expected["C:\\Game\\" + row.written] = f.form.document.Write();
            if (row.written == row.existing) {
                expected["C:\\Game\\" + row.existing + ".bak"] = row.bytes;
            }
        }
        f.platform.answerYes = true;
        f.platform.typedTexts = {row.typed}; // then Cancel
        f.form.Guarded([&] { f.form.ProfileSaveAsClick(); });
        const auto startsWith = [](const std::vector<std::string>& texts, const std::string& s) {
            return s.empty() ? texts.empty() : texts.size() == 1 && texts[0].starts_with(s);
        };
        EXPECT_TRUE(startsWith(f.platform.errorBoxes, row.box)) << row.typed;
        EXPECT_TRUE(startsWith(f.platform.questions, row.question)) << row.typed;
        EXPECT_TRUE(f.platform.files == expected) << row.typed;
    }
}
