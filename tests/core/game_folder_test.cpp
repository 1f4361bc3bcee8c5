// Where Load takes the game folder from (/game, the one used last in the window, the
// installer's registry value, none), what it does when each is missing or gone, what the
// folder dialog's choice must be, and the list of the folders known.
#include "fake_platform.hpp"

#include "file/language_entries.hpp"
#include "file/text.hpp"

#include <gtest/gtest.h>

using namespace korvane;
using korvane::testing::FakeForm;
using korvane::testing::FakePlatform;
using korvane::testing::LinesFile;

namespace {

// A game folder's f1graphics.cfg.
std::string CfgOf(const std::string& folder) {
    return GameFolder::GameFilePath(folder);
}

} // namespace

TEST(GameFolderLoad, TakesTheFolderFromCommandLineLastUsedOrRegistryAndAsksWithoutOne) {
    using S = FolderState;
    const std::string gone = "Den Ordner ";
    const struct {
        const char* name;
        std::optional<std::string> argument;
        std::string last, installer;
        std::map<std::string, FolderState> states;
        bool yes;                          // the answer to the question
        std::optional<std::string> dialog; // the folder dialog's choice
        std::string opened;                // the folder open after Load, if any
        std::string asked, shown;          // the start of the question and the error, if any
        std::string lastAfter;             // the one used last afterwards
    } rows[] = {
        {"registry", {}, "", "C:\\Inst", {}, false, {}, "C:\\Inst", "", "", ""},
        {"last before registry",
         {},
         "D:\\Mod",
         "C:\\Inst",
         {},
         false,
         {},
         "D:\\Mod",
         "",
         "",
         "D:\\Mod"},
        {"/game before both",
         "E:\\Arg",
         "D:\\Mod",
         "C:\\Inst",
         {},
         false,
         {},
         "E:\\Arg",
         "",
         "",
         "D:\\Mod"},
        {"none: asked, No",
         {},
         "",
         "",
         {},
         false,
         {},
         "",
         "Der Ordner des Spiels ist nicht",
         "",
         ""},
        {"none: asked, chosen",
         {},
         "",
         "",
         {},
         true,
         "D:\\Mod",
         "D:\\Mod",
         "Der Ordner",
         "",
         "D:\\Mod"},
        {"none: asked, Cancel", {}, "", "", {}, true, {}, "", "Der Ordner", "", ""},
        {"last gone: asked",
         {},
         "D:\\Mod",
         "C:\\Inst",
         {{"D:\\Mod", S::Missing}},
         false,
         {},
         "",
         gone + "D:\\Mod",
         "",
         "D:\\Mod"},
        {"registry's gone: chosen",
         {},
         "",
         "C:\\Inst",
         {{"C:\\Inst", S::Missing}},
         true,
         "D:\\Mod",
         "D:\\Mod",
         gone + "C:\\Inst",
         "",
         "D:\\Mod"},
        {"/game gone: asked",
         "E:\\Arg",
         "",
         "C:\\Inst",
         {{"E:\\Arg", S::Missing}},
         false,
         {},
         "",
         gone + "E:\\Arg",
         "",
         ""},
        {"a file",
         {},
         "D:\\Mod",
         "",
         {{"D:\\Mod", S::File}},
         false,
         {},
         "",
         "",
         "D:\\Mod ist eine Datei",
         "D:\\Mod"},
        {"drive not ready",
         {},
         "A:\\GP4",
         "",
         {{"A:\\GP4", S::DriveNotReady}},
         false,
         {},
         "",
         "",
         "A:\\GP4: Das Laufwerk ist nicht bereit",
         "A:\\GP4"},
        {"unreadable",
         {},
         "D:\\Mod",
         "",
         {{"D:\\Mod", S::Unreadable}},
         false,
         {},
         "",
         "",
         "D:\\Mod kann nicht gelesen werden",
         "D:\\Mod"},
        {"chosen: no f1graphics.cfg",
         {},
         "",
         "",
         {},
         true,
         "D:\\Empty",
         "",
         "Der Ordner",
         "In D:\\Empty gibt es keine f1graphics.cfg",
         ""},
        {"chosen: a file",
         {},
         "",
         "",
         {{"D:\\x.txt", S::File}},
         true,
         "D:\\x.txt",
         "",
         "Der Ordner",
         "D:\\x.txt ist eine Datei",
         ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeForm t;
        FakePlatform& p = t.platform;
        p.installDir = row.installer;
        p.gameArgument = row.argument;
        p.remembered.last = row.last;
        p.folderStates = row.states;
        p.answerYes = row.yes;
        p.chosenFolders = {row.dialog};
        for (const char* folder : {"C:\\Inst", "D:\\Mod", "E:\\Arg", "A:\\GP4"}) {
            p.files[CfgOf(folder)] = LinesFile(170);
        }
        t.form.Guarded([&] { t.form.SpeedButton1Click(); });
        EXPECT_EQ(t.form.folder.Path(), row.opened);
        EXPECT_EQ(t.form.SpeedButton4.Visible(), !row.opened.empty());
        EXPECT_EQ(p.reads, row.opened.empty() ? std::vector<std::string>{}
                                              : std::vector<std::string>{CfgOf(row.opened)});
        EXPECT_EQ(p.questions.size(), row.asked.empty() ? 0u : 1u);
        EXPECT_TRUE(row.asked.empty() || p.questions.at(0).starts_with(row.asked));
        EXPECT_EQ(p.errorBoxes.size(), row.shown.empty() ? 0u : 1u);
        EXPECT_TRUE(row.shown.empty() || p.errorBoxes.at(0).starts_with(row.shown));
        EXPECT_EQ(p.remembered.last, row.lastAfter);
        EXPECT_EQ(p.files.count(CfgOf("D:\\Empty")), 0u); // nothing is created
    }
}

// Without a window (/use) the registry's folder comes before the one used last.
TEST(GameFolderLoad, WithoutAWindowTheRegistryComesBeforeTheFolderUsedLast) {
    const struct {
        std::string last, installer;
        FoundFolder found;
    } rows[] = {
        {"D:\\Mod", "C:\\Inst", {"C:\\Inst", FolderSource::Installer}},
        {"D:\\Mod", "", {"D:\\Mod", FolderSource::LastUsed}},
        {"", "", {}},
    };
    for (const auto& row : rows) {
        FakePlatform p;
        Texts texts;
        GameFolder folder(p, texts);
        p.installDir = row.installer;
        p.remembered.last = row.last;
        EXPECT_EQ(folder.Locate(false), row.found) << row.last << row.installer;
    }
}

// Two installs: the list offers the installer's, the ones chosen and /game's, the one open
// marked; picking one opens it (after the question about unsaved changes) and keeps it as the
// one used last; a chosen one that has gone is marked and, picked, dropped on Yes.
TEST(GameFolderList, PickingOneOpensItAndAGoneOneCanBeDropped) {
    FakeForm t;
    FakePlatform& p = t.platform;
    p.installDir = "C:\\Inst";
    p.gameArgument = std::nullopt;
    p.remembered = {{"D:\\Mod", "F:\\Old"}, ""};
    p.folderStates = {{"F:\\Old", FolderState::Missing}};
    p.files[CfgOf("C:\\Inst")] = LinesFile(170);
    p.files[CfgOf("D:\\Mod")] = LinesFile(171);
    t.form.Guarded([&] { t.form.SpeedButton1Click(); });
    EXPECT_EQ(t.form.FolderList.Items(),
              (std::vector<std::string>{"C:\\Inst (ge\xf6"
                                        "ffnet)",
                                        "D:\\Mod", "F:\\Old (nicht mehr da)"}));
    EXPECT_EQ(t.form.FolderList.ItemIndex(), 0);
    EXPECT_EQ(t.form.folders.Title(), "VQR Korvane - C:\\Inst");

    t.form.folder.File().Write(3, "7");
    p.answerYes = true;
    t.form.FolderList.UserSelect(1);
    EXPECT_EQ(p.questions.back(), std::string(entries::kDiscardChanges.germanDefault));
    EXPECT_EQ(t.form.folder.Path(), "D:\\Mod");
    EXPECT_EQ(t.form.document.Count(), 171u);
    EXPECT_EQ(t.form.FolderList.ItemIndex(), 1);
    EXPECT_EQ(p.remembered.last, "D:\\Mod");

    t.form.FolderList.UserSelect(2);
    EXPECT_TRUE(p.questions.back().starts_with("Den Ordner F:\\Old gibt es nicht mehr.\rAus"));
    EXPECT_EQ(p.remembered.chosen, std::vector<std::string>{"D:\\Mod"});
    EXPECT_EQ(t.form.FolderList.Items().size(), 2u);
    EXPECT_EQ(t.form.folder.Path(), "D:\\Mod");
    EXPECT_TRUE(p.errorBoxes.empty());
}

TEST(GameFolderList, ALongPathIsShortenedInTheMiddle) {
    const struct {
        std::string path;
        std::size_t max;
        std::string shown;
    } rows[] = {
        {"C:\\Games\\GP4", 12, "C:\\Games\\GP4"},
        {"C:\\Program Files\\Infogrames\\Grand Prix 4", 30, "C:\\...\\Infogrames\\Grand Prix 4"},
        {"C:\\Program Files\\Infogrames\\Grand Prix 4", 25, "C:\\...\\Grand Prix 4"},
        {"C:\\ABCDEFGHIJKLMNOP", 10, "...JKLMNOP"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ShortenedPath(row.path, row.max), row.shown);
    }
}
