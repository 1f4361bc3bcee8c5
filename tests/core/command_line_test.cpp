// The command line: its arguments, and /use without a window (Use and Save of a profile, or
// nothing written and the reason), with its texts from the first language file there is.
#include "app/command_line.hpp"
#include "fake_platform.hpp"
#include "file/history.hpp"
#include "file/text.hpp"

#include <gtest/gtest.h>

using namespace korvane;
using korvane::testing::CrLfFile;
using korvane::testing::DataFile;
using korvane::testing::FakePlatform;
using korvane::testing::FileLines;

namespace {

Arguments Parsed(Arguments::Mode mode, std::string profile = {}, bool quiet = false,
                 std::optional<std::string> game = {}) {
    return {mode, std::move(profile), quiet, std::move(game)};
}

} // namespace

TEST(CommandLineTest, ArgumentsNameTheModeOrShowTheUsage) {
    using M = Arguments::Mode;
    const struct {
        std::vector<std::string> args;
        Arguments parsed;
    } rows[] = {
        {{}, Parsed(M::Window)},
        {{"/game", "D:\\GP4"}, Parsed(M::Window, "", false, "D:\\GP4")},
        {{"-USE", "High", "/Quiet", "/game", "x"}, Parsed(M::Use, "High", true, "x")},
        {{"/quiet"}, Parsed(M::Usage)},
        {{"/use"}, Parsed(M::Usage)},
        {{"/use", "a", "/use", "b"}, Parsed(M::Usage)},
        {{"/use", "a", "/quiet", "/quiet"}, Parsed(M::Usage)},
        {{"High"}, Parsed(M::Usage)},
        {{"/?"}, Parsed(M::Usage)},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ParseArguments(row.args), row.parsed) << ::testing::PrintToString(row.args);
    }
}

// Each row on a game folder with f1graphics.cfg and the profile High.cfg (LF line ends).
TEST(CommandLineTest, UseWritesTheProfileWithABackupOrNothingAndSaysWhy) {
    const std::string game = DataFile("demo/game/f1graphics.cfg");
    const std::string high = "1" + game.substr(1);
    std::vector<std::string> bad = FileLines(game);
    bad[47].replace(0, 2, "abc"); // the mirror's slider: the window would mark it
    const struct {
        std::string profile;
        std::string installDir;
        bool gameFileThere;
        std::string box;         // the start of the error box's text (exit code 1), or none (0)
        std::string reason = {}; // what its second line says
    } rows[] = {
        {"High", "C:\\Game", true, ""},
        {"high.CFG", "C:\\Game", true, ""},
        {"High", "C:\\Game", false, ""}, // a missing f1graphics.cfg is made again
        {"Gone", "C:\\Game", true, "C:\\Game\\Gone.cfg wurde nicht verwendet", "\rFile not found"},
        // The game's own file is refused by name, as Save as profile refuses it.
        {"f1graphics", "C:\\Game", true, "C:\\Game\\f1graphics.cfg wurde nicht verwendet",
         "\rDieser Name ist vergeben"},
        // A folder that is not there is named as such (its read fails with result 3).
        {"High", "C:\\NoSuch", false, IoErrorText(3), "C:\\NoSuch"},
        {"..\\Game\\High", "C:\\Game", true, "C:\\Game\\..\\Game\\High.cfg"},
        {"High", "", true, "Der Ordner des Spiels ist nicht bekannt"},
        {"Bad", "C:\\Game", true,
         "'abc' is not a valid integer value.\rZeile 47 von C:\\Game\\Bad.cfg enth\xe4lt 'abc'"},
    };
    for (const auto& row : rows) {
        FakePlatform platform;
        platform.installDir = row.installDir;
        platform.files["C:\\Game\\High.cfg"] = high;
        platform.files["C:\\Game\\Bad.cfg"] = CrLfFile(bad);
        if (row.installDir == "C:\\NoSuch") {
            platform.failingReads[platform.GamePath()] = 3;
        }
        if (row.gameFileThere) {
            platform.files[platform.GamePath()] = game;
        }
        std::map<std::string, std::string> expected = platform.files;
        if (row.box.empty()) {
            expected[platform.GamePath()] = CrLfFile(FileLines(high));
            if (row.gameFileThere) {
                expected[platform.GamePath() + ".bak"] = game;
                // and in the history, as every Save keeps it
                expected[History(platform, row.installDir).PathOf({platform.now, 1})] = game;
            }
        }
        EXPECT_EQ(RunWithoutWindow(platform, Parsed(Arguments::Mode::Use, row.profile), {}),
                  row.box.empty() ? kExitDone : kExitFailed)
            << row.profile;
        EXPECT_TRUE(platform.files == expected) << row.profile;
        EXPECT_EQ(platform.errorBoxes.size(), row.box.empty() ? 0u : 1u) << row.profile;
        EXPECT_TRUE(platform.errorBoxes.empty() ||
                    (platform.errorBoxes[0].starts_with(row.box) &&
                     platform.errorBoxes[0].find(row.reason) != std::string::npos))
            << platform.errorBoxes[0];
    }
}

// The texts come from language.txt where the command runs, else beside the program, else
// they are the German defaults.
TEST(CommandLineTest, TheUsageComesFromTheFirstLanguageFileThere) {
    const auto file = [](const std::string& usage) {
        return CrLfFile(std::vector<std::string>(107, "")) + usage + "\r\n";
    };
    const struct {
        std::vector<std::pair<std::string, std::string>> files;
        std::string usage;
    } rows[] = {
        {{{"language.txt", file("here")}, {"C:\\Prog\\language.txt", file("there")}}, "here."},
        {{{"C:\\Prog\\language.txt", file("there")}}, "there."},
        {{}, ErrorBoxText(entries::kCommandLineUsage.germanDefault)},
    };
    for (const auto& row : rows) {
        FakePlatform platform;
        platform.files.insert(row.files.begin(), row.files.end());
        EXPECT_EQ(RunWithoutWindow(platform, Parsed(Arguments::Mode::Usage),
                                   {"language.txt", "C:\\Prog\\language.txt"}),
                  kExitUsage);
        EXPECT_EQ(platform.errorBoxes, std::vector<std::string>{row.usage});
        EXPECT_TRUE(platform.writes == 0 && platform.lookups == 0);
    }
}
