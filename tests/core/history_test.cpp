// The history of f1graphics.cfg: what a Save keeps, how many versions stay, and that a copy
// that fails never stops the Save.
#include "../lines_file.hpp"
#include "fake_platform.hpp"
#include "file/game_folder.hpp"
#include "file/history.hpp"

#include <gtest/gtest.h>

using namespace korvane;
using korvane::testing::FakePlatform;
using korvane::testing::FileLines;
using korvane::testing::LinesFile;

namespace {

// The stamp of the earlier version k (k seconds after midnight of New Year's Day).
HistoryStamp Earlier(int k) {
    return {{2026, 1, 1, 0, k / 60, k % 60}, 1};
}

// A game file whose last line holds the text given.
std::string Version(const std::string& text) {
    return LinesFile(170, {{169, text}});
}

} // namespace

TEST(HistoryNames, AStampRoundTripsAndNoOtherFileIsAVersion) {
    EXPECT_EQ(HistoryFileName({{2026, 12, 8, 21, 30, 5}, 1}), "f1graphics 2026-12-08 21-30-05.cfg");
    EXPECT_EQ(HistoryFileName({{2026, 12, 8, 21, 30, 5}, 2}),
              "f1graphics 2026-12-08 21-30-05 (2).cfg");
    EXPECT_EQ(ParseHistoryFileName("f1graphics 2026-12-08 21-30-05 (2).cfg"),
              (HistoryStamp{{2026, 12, 8, 21, 30, 5}, 2}));
    for (const char* other :
         {"f1graphics.cfg", "High.cfg", "f1graphics 2026-12-08 21-30-05.txt",
          "f1graphics 2026-12-08 21-30.cfg", "f1graphics 2026-12-08 21-30-05 (1).cfg",
          "f1graphics 2026-12-08 21-30-05 (x).cfg"}) {
        EXPECT_FALSE(ParseHistoryFileName(other)) << other;
    }
    EXPECT_EQ(DateTimeText({2026, 12, 8, 21, 30, 5}), "2026-12-08 21:30:05");
}

// A row: the versions the history holds before a Save (version k holds "v<k>"), the file the
// Save replaces, and whether the history's folder cannot be made.
struct HistoryCase {
    const char* name;
    int earlier;
    const char* replaced;
    bool copyFails;
    std::size_t versionsAfter;
    const char* newest; // the newest version's bytes after the Save
    bool oldestStays;   // version 0 is still there
};

TEST(HistoryRules, WhatASaveKeeps) {
    const HistoryCase cases[] = {
        {"the first Save keeps the file as it was", 0, "orig", false, 1, "orig", false},
        {"a later Save keeps one more", 2, "next", false, 3, "next", true},
        {"the newest 30 and the oldest stay", 30, "next", false, 31, "next", true},
        {"beyond them the second oldest goes", 31, "next", false, 31, "next", true},
        {"a version equal to the newest is not kept twice", 3, "v2", false, 3, "v2", true},
        {"a copy that fails lets the Save go on", 2, "next", true, 2, "v1", true},
    };
    for (const HistoryCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform platform;
        const Texts texts;
        GameFolder folder(platform, texts);
        History history(platform, platform.installDir);
        for (int k = 0; k < c.earlier; ++k) {
            platform.files[history.PathOf(Earlier(k))] = Version("v" + std::to_string(k));
        }
        if (c.copyFails) {
            platform.failingPaths[history.FolderPath()] = 5;
        }
        platform.files[platform.GamePath()] = Version(c.replaced);
        folder.Load(platform.installDir, [] {});
        folder.File().Write(169, "new");

        EXPECT_TRUE(folder.Save());
        EXPECT_EQ(FileLines(platform.files[platform.GamePath()])[169].substr(0, 3), "new");
        EXPECT_EQ(platform.files[platform.GamePath() + ".bak"], Version(c.replaced));
        const std::vector<HistoryStamp> versions = history.Versions();
        ASSERT_EQ(versions.size(), c.versionsAfter);
        EXPECT_EQ(platform.files[history.PathOf(versions.back())], Version(c.newest));
        EXPECT_EQ(versions.front() == Earlier(0), c.oldestStays);
        EXPECT_EQ(platform.errorBoxes.size(), c.copyFails ? 1u : 0u);
        if (c.copyFails) {
            EXPECT_NE(platform.errorBoxes[0].find("Verlauf"), std::string::npos)
                << platform.errorBoxes[0];
        }
    }
}

TEST(HistoryRules, TwoSavesInOneSecondKeepTheirOrder) {
    const std::vector<HistoryStamp> versions = {Earlier(0), Earlier(5)};
    const HistoryStep step = PlanHistoryStep(versions, Earlier(5).when, false);
    ASSERT_TRUE(step.add);
    EXPECT_EQ(*step.add, (HistoryStamp{Earlier(5).when, 2}));
    EXPECT_TRUE(step.remove.empty());
}

// Keep as profile writes the chosen version's bytes under the name typed; a version that
// cannot be read writes nothing and says which file it is.
TEST(HistoryPanelTest, KeepAsProfileWritesTheVersion) {
    for (const bool unreadable : {false, true}) {
        SCOPED_TRACE(unreadable ? "unreadable" : "readable");
        korvane::testing::FakeForm f;
        const History history(f.platform, f.platform.installDir);
        const std::string version = history.PathOf(Earlier(0));
        f.platform.files[version] = Version("before");
        f.Load(Version("now"));
        if (unreadable) {
            f.platform.failingReads[version] = 5;
        }
        f.platform.typedTexts = {"Before"};
        f.form.Guarded([&] { f.form.HistorySaveAsClick(); });
        const std::string profile = f.platform.installDir + "\\Before.cfg";
        EXPECT_EQ(f.platform.files.count(profile) ? f.platform.files[profile] : "none",
                  unreadable ? "none" : Version("before"));
        EXPECT_EQ(f.platform.errorBoxes.size(), unreadable ? 1u : 0u);
        EXPECT_TRUE(!unreadable || f.platform.errorBoxes.at(0).find(version) != std::string::npos);
    }
}
