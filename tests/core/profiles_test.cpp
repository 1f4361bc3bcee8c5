// Profiles: the rules for a new profile's name, which files of the game folder are
// profiles, and the mark of the one whose bytes f1graphics.cfg has.
#include "core/main_form.hpp"
#include "core/profiles.hpp"
#include "fake_platform.hpp"

#include <gtest/gtest.h>

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
        {"High", P::None}, {" High 2", P::None}, {"Hoch \xe4\xf6\xfc", P::None},
        {std::string(40, 'x'), P::None}, {"COM0", P::None}, {"COM10", P::None},
        {"CONSOLE", P::None}, {"f1graphics2", P::None},
        {"", P::Length}, {std::string(41, 'x'), P::Length},
        {"a\\b", P::Character}, {"a/b", P::Character}, {"a:b", P::Character},
        {"a*b", P::Character}, {"a?b", P::Character}, {"a\"b", P::Character},
        {"a<b", P::Character}, {"a>b", P::Character}, {"a|b", P::Character},
        {"a\tb", P::Character}, {std::string("a\0b", 3), P::Character},
        {"High.", P::Ending}, {"High ", P::Ending},
        {"CON", P::Reserved}, {"con", P::Reserved}, {"Aux.txt", P::Reserved},
        {"NUL .cfg", P::Reserved}, {"PRN", P::Reserved}, {"COM1", P::Reserved},
        {"lpt9.x", P::Reserved}, {"f1graphics", P::Reserved}, {"F1Graphics", P::Reserved},
        {"F1GRAP~1", P::Reserved}, {"Mod~2x", P::Reserved}, {"a~b", P::None},
        // clang-format on
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CheckProfileName(row.name), row.problem) << row.name;
    }
}

TEST(FindProfilesTest, ListsTheGraphicsOptionsFilesNamedCfgButF1graphics) {
    const struct {
        std::string file;
        std::string bytes;
        std::string listedAs; // empty: not listed
    } rows[] = {
        {"High.cfg", kGame, "High"},
        {"LOW.CFG", kGame, "LOW"},
        {"release.cfg", LinesFile(166), "release"}, // the release layout, without comments
        {"f1graphics.cfg", kGame, ""},
        {"F1GRAPHICS.CFG", kGame, ""},
        {"other.cfg", "[Options]\r\nSound=1\r\n", ""},
        {"empty.cfg", std::string(200, '\n'), ""}, // lines without values
        {"short.cfg", LinesFile(165), ""},         // one line short of the release layout
        {"cut.cfg", Cut(120), ""},                 // the patched file without its end
        {"High.txt", kGame, ""},
        {".cfg", kGame, ""},
        {"locked.cfg", kGame, ""}, // cannot be read
        {"sub\\x.cfg", kGame, ""}, // in a folder below
    };
    for (const auto& row : rows) {
        FakePlatform platform;
        platform.files["C:\\Game\\" + row.file] = row.bytes;
        platform.failingReads["C:\\Game\\locked.cfg"] = 5;
        const std::vector<Profile> found = FindProfiles(platform, "C:\\Game", "");
        EXPECT_EQ(found.empty() ? "" : found[0].name, row.listedAs) << row.file;
    }
}

TEST(FindProfilesTest, MarksTheProfileWithTheBytesF1graphicsHas) {
    const struct {
        std::string profile;
        std::string inUse;
        bool marked;
    } rows[] = {
        {kGame, kGame, true},
        {kGame, CrLfFile(FileLines(kGame)), false}, // the same lines, other line ends
        {Changed(), kGame, false},
        {kGame, "", false}, // nothing loaded
    };
    for (const auto& row : rows) {
        FakePlatform platform;
        platform.files["C:\\Game\\High.cfg"] = row.profile;
        EXPECT_EQ(FindProfiles(platform, "C:\\Game", row.inUse),
                  (std::vector<Profile>{{"High", row.marked}}));
    }
}

// After Load the profile in use is chosen. Use is a change of the player's (Quit asks); with
// unsaved changes it asks first, as Load does; a profile that fails to show leaves nothing
// that Save would write.
TEST(ProfileUseTest, UseIsAChangeAndAFailedUseLeavesNothingToSave) {
    korvane::testing::FakeForm f;
    FakePlatform& platform = f.platform;
    MainForm& form = f.form;
    platform.files["C:\\Game\\High.cfg"] = Changed();
    platform.files["C:\\Game\\Low.cfg"] = kGame;
    f.Load(kGame);
    EXPECT_EQ(form.ChosenProfile(), "Low");
    form.ProfileList.UserSelect(0);
    form.ProfileUseClick();
    EXPECT_EQ(form.LineValue(0), "1");
    EXPECT_TRUE(form.HasUnsavedChanges());

    platform.files["C:\\Game\\High.cfg"] = "damaged";
    form.ProfileUseClick();
    EXPECT_EQ(platform.questions,
              std::vector<std::string>{std::string(entries::kDiscardChanges.germanDefault)});
    EXPECT_EQ(form.LineValue(0), "1");
    platform.answerYes = true;
    form.Guarded([&] { form.ProfileUseClick(); });
    form.Guarded([&] { form.SpeedButton2Click(); });
    EXPECT_EQ(platform.files[platform.GamePath()], kGame);
    EXPECT_EQ(platform.errorBoxes.back(), std::string(entries::kNotLoadedCompletely.germanDefault));
}
