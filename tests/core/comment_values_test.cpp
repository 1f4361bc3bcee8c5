// What a line's comment says about its values: choices, a range, a set, or nothing.
#include "fake_platform.hpp"
#include "file/comment_values.hpp"
#include "file/config_document.hpp"

#include <gtest/gtest.h>

using namespace korvane;
using korvane::testing::DataFile;

namespace {

using Choices = std::vector<Choice>;
using Set = std::vector<std::int32_t>;

struct Row {
    const char* comment;
    Choices choices;
    std::optional<ValueRange> range;
    Set set;
};

const Row kRows[] = {
    // Choices.
    {"Draw lens flare (0 => off, 1 => 'real' camera views only, 2 => all views but cockpit, "
     "3 => always)",
     {{0, "off"}, {1, "'real' camera views only"}, {2, "all views but cockpit"}, {3, "always"}},
     {},
     {}},
    {"Texture quality : 0 => max 2 => half 4 => qtr 8 => eigth ",
     {{0, "max"}, {2, "half"}, {4, "qtr"}, {8, "eigth"}},
     {},
     {}},
    {"Crude quadtree cull only (0=> off, 1=>always, 2=>only for TNL); recommended for fast gfx",
     {{0, "off"}, {1, "always"}, {2, "only for TNL"}},
     {},
     {}},
    {"Reflect effect (0 => none-very sharp reflections), 1 => mipmapfilter, 2 => overdraw(best) v3",
     {{0, "none-very sharp reflections"}, {1, "mipmapfilter"}, {2, "overdraw(best)"}},
     {},
     {}},
    {"Enable static environment reflections (0=>off 1=>on) v10", {{0, "off"}, {1, "on"}}, {}, {}},
    {"Increase car texture quality (1 on, 0 off)", {{1, "on"}, {0, "off"}}, {}, {}},
    {"Enable cockpit gamma 0 off,1 player for all, 2 player for player only",
     {{0, "off"}, {1, "player for all"}, {2, "player for player only"}},
     {},
     {}},
    {"Multiplayer overlays 1:on 2:+cockpit 3:+allviews",
     {{1, "on"}, {2, "+cockpit"}, {3, "+allviews"}},
     {},
     {}},
    {"Animation rendering mode. (0 - cheap lighting, 1 - proper lighting, 2 - VS) v2",
     {{0, "cheap lighting"}, {1, "proper lighting"}, {2, "VS"}},
     {},
     {}},
    {"Repeated (0 => off, 1 => on, 0 => again)", {{0, "off"}, {1, "on"}}, {}, {}},
    {"One value twice (0 => off, 0 => again)", {}, {}, {}},
    // Ranges.
    {"Cockpit zoom (0 to 100) v2", {}, ValueRange{0, 100}, {}},
    {"For normal reflections scale LOD (0 to 100%) v3", {}, ValueRange{0, 100}, {}},
    {"Number of multisamples if available (0-16 :: 0 => off, 1 unused)", {}, ValueRange{0, 16}, {}},
    {"Angle left mirror 0(in)-16(parallel)-32(out) v2", {}, ValueRange{0, 32}, {}},
    {"Max anisotropic filtering (1 => off, to max 7) v2", {}, ValueRange{1, 7}, {}},
    {"Gamma ramp for Reds (min value) range signed : 0-200  => -1 to 1 v4",
     {},
     ValueRange{0, 200},
     {}},
    {"Mipmap bias (0 => -8 to 200 => +8) -ve=> sharper v2", {}, ValueRange{0, 200}, {}},
    {"Max number of dynamic envmaps to use (1 to 22(!), 0=>off)", {}, ValueRange{0, 22}, {}},
    {"Top off (1 to 7, 8 => all)", {}, ValueRange{1, 8}, {}},
    {"Off apart (2 to 7, 0 => off)", {}, ValueRange{2, 7}, {}},
    {"Backwards (10 to -5)", {}, ValueRange{-5, 10}, {}},
    // Sets.
    {"Num overdraws for blur effects (eg reflections) Should be one of {2,4,6,9,12,16}",
     {},
     {},
     {2, 4, 6, 9, 12, 16}},
    {"Blur shadows (projected shadows only)(should be 0 (no blur),2,4,6,9,12, or 16) ",
     {},
     {},
     {0, 2, 4, 6, 9, 12, 16}},
    // Nothing: words alone, bits, a lone special value, malformed forms.
    {"Enable mirrors", {}, {}, {}},
    {"Draw Bushes v2", {}, {}, {}},
    {"Number of mipmaps (0 => off) v2", {}, {}, {}},
    {"Show own car (0 never, bit 1 trans, bit 2 solid, bit 3 context only bit7-fullpolycar)",
     {},
     {},
     {}},
    {"gamma 0 off,1 player for all, 2 player for player only, 3 driver specific. Bit 7 v2",
     {},
     {},
     {}},
    {"Enable 32bit mode if available; Game 3D Resolution", {}, {}, {}},
    {"Unbalanced (0 => off, 1 => on", {{0, "off"}, {1, "on"}}, {}, {}},
    {"Closed twice 0 => off), 1 => on))", {{0, "off"}, {1, "on"}}, {}, {}},
    {"No number (=> off, => on)", {}, {}, {}},
    {"Past 32 bits (0 => off, 4294967296 => on)", {}, {}, {}},
    {"Past 32 bits (0 to 99999999999)", {}, {}, {}},
    {"Negative past 32 bits (-2147483649 to 0)", {}, {}, {}},
    {"Set unclosed {2,4,6", {}, {}, {}},
    {"Set of one {2}", {}, {}, {}},
    {"Decimal (0.5 => half, 1.5 => more)", {}, {}, {}},
    {"", {}, {}, {}},
};

} // namespace

TEST(CommentValuesTest, ReadsEveryFormTheGameUses) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.comment);
        const CommentValues v = ReadCommentValues(row.comment);
        EXPECT_EQ(v.choices, row.choices);
        EXPECT_EQ(v.range, row.range);
        EXPECT_EQ(v.set, row.set);
    }
}

// What the hint warns about: a value the comment does not allow. A lone special value
// beside a range is allowed, and "else" or choices that add up ("+") make the choices
// examples only.
TEST(CommentValuesTest, AllowsWhatTheCommentStates) {
    const struct {
        const char* comment;
        std::int32_t value;
        bool allowed;
    } rows[] = {
        {"(0 => off, 1 => on)", 1, true},
        {"(0 => off, 1 => on)", 2, false},
        {"Cockpit zoom (0 to 100)", 100, true},
        {"Cockpit zoom (0 to 100)", 101, false},
        {"{2,4,6,9,12,16}", 9, true},
        {"{2,4,6,9,12,16}", 8, false},
        {"(1 to 22(!), 0=>off)", 0, true},
        {"(1 to 22(!), 0=>off)", 23, false},
        {"Off apart (2 to 7, 0 => off)", 0, true},
        {"Off apart (2 to 7, 0 => off)", 1, false},
        {"Multiplayer overlays 1:on 2:+cockpit 3:+allviews", 24, true}, // levels add up
        {"Set 0 => none 8 => all else 1-7", 5, true},
        {"Enable mirrors", -7, true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ReadCommentValues(row.comment).Allows(row.value), row.allowed)
            << row.comment << " / " << row.value;
    }
}

// Counted by hand over the real file's 287 comments.
TEST(CommentValuesTest, TheRealFilesCommentsYieldTheirValues) {
    ConfigDocument document;
    document.Append(DataFile("demo/game/f1graphics.cfg"));
    ASSERT_EQ(document.Count(), 287u);
    int choices = 0, ranges = 0, sets = 0;
    for (long long k = 0; k < 287; ++k) {
        const CommentValues v = ReadCommentValues(document.CommentView(k));
        choices += !v.choices.empty();
        ranges += v.range.has_value();
        sets += !v.set.empty();
    }
    EXPECT_EQ(choices, 41);
    EXPECT_EQ(ranges, 34);
    EXPECT_EQ(sets, 4);
}
