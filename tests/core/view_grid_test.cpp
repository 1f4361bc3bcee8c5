// The three views side by side: which lines pair into a setting's row, and copying the main
// view's value across.
#include "file/view_grid.hpp"

#include "fake_platform.hpp"

#include "../lines_file.hpp"

#include <gtest/gtest.h>

using namespace korvane;
using korvane::testing::CrLfFile;
using korvane::testing::DataFile;
using korvane::testing::DocumentOf;
using korvane::testing::FileLines;

TEST(ViewGrid, TheViewsPairByPositionOrElseByTheirSettingsText) {
    std::vector<std::string> lines = FileLines(DataFile("demo/game/f1graphics.cfg"));
    const PairedViews grid = PairViews(DocumentOf(CrLfFile(lines)));
    ASSERT_EQ(grid.rows.size(), 63u);
    EXPECT_EQ(grid.unpaired, 0u);
    EXPECT_EQ(grid.rows.front(), (ViewRow{{98, 161, 224}}));
    EXPECT_EQ(grid.rows.back(), (ViewRow{{160, 223, 286}}));

    // One more line in the mirror view: the settings pair by their text, but the one whose
    // main text carries a note ("Enable wet weather reflections"), and the new line, stay out.
    lines.insert(lines.begin() + 190, "1\t\t\t; [MIRROR VIEW] Draw puddles v2");
    const PairedViews paired = PairViews(DocumentOf(CrLfFile(lines)));
    ASSERT_EQ(paired.rows.size(), 62u);
    EXPECT_EQ(paired.unpaired, 4u);
    EXPECT_EQ(paired.rows[27], (ViewRow{{126, 189, 253}})); // Draw sky, before the new line
    EXPECT_EQ(paired.rows[28], (ViewRow{{127, 191, 254}})); // after it

    // A text that stands twice in a view pairs nowhere.
    const PairedViews b =
        PairViews(DocumentOf("1 ; [MAIN VIEW] A\n2 ; [MAIN VIEW] A\n3 ; [MAIN VIEW] B\n"
                             "4 ; [MIRROR VIEW] A v2\n5 ; [MIRROR VIEW] B\n"
                             "6 ; [VIDEOWALL VIEW] A\n7 ; [VIDEOWALL VIEW] B v10\n"));
    EXPECT_EQ(b.rows, (std::vector<ViewRow>{{{2, 4, 6}}}));
    EXPECT_EQ(b.unpaired, 4u);

    const struct {
        std::string_view comment, setting;
    } texts[] = {
        {"[VIDEOWALL VIEW] Car lod : scalar v2 ", "Car lod : scalar"},
        {"[MIRROR VIEW]  Blur shadows (2,4,6,9,12, or 16) ", "Blur shadows (2,4,6,9,12, or 16)"},
        {"[MAIN VIEW] Max number v", "Max number v"},
        {"[MAIN VIEW]v3", "v3"},
        {"MAIN VIEW Draw sky v3", "MAIN VIEW Draw sky"},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(SettingText(t.comment), t.setting) << t.comment;
    }
}

TEST(ViewGrid, CopyAcrossWritesTheMainValueWhereAnotherViewDiffers) {
    const struct {
        std::array<const char*, kViewCount> values;
        std::vector<LineWrite> writes;
    } rows[] = {
        {{"2", "2", "2"}, {}},
        {{"2500", "812", "400"}, {{1, "2500"}, {2, "2500"}}},
        {{"92", "092", "92"}, {{1, "92"}}}, // values compare as text
    };
    for (const auto& row : rows) {
        const ConfigDocument document = DocumentOf(std::string(row.values[0]) + ";\n" +
                                                   row.values[1] + ";\n" + row.values[2] + ";\n");
        EXPECT_EQ(CopyAcross(document, ViewRow{{0, 1, 2}}), row.writes) << row.values[1];
        EXPECT_EQ(ViewsDiffer(document, ViewRow{{0, 1, 2}}), !row.writes.empty());
    }
}
