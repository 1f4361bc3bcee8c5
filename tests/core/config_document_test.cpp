// Reading and writing f1graphics.cfg: each line's value, tail and description, the line-end
// rules, and lines kept byte for byte.
#include "file/config_document.hpp"
#include "file/errors.hpp"

#include "fake_platform.hpp"

#include "../lines_file.hpp"

#include <gtest/gtest.h>

using namespace korvane;
using korvane::testing::CrLfFile;
using korvane::testing::DataFile;
using korvane::testing::DocumentOf;
using korvane::testing::FileLines;

struct LineCase {
    std::string line;
    std::string value;
    std::string tail;
    std::string description;
};

TEST(ConfigDocument, SplitsEachLineIntoValueTailAndDescription) {
    const LineCase cases[] = {
        {"1 ; 32 bit colour", "1", " ; 32 bit colour", "2 bit colour"},
        {"800;x", "800", ";x", ""},
        {"", "", "", ""},
        {"; comment", "", "; comment", "mment"},
        {"5;x", "5", ";x", ""},
        {"0\t\t\t; f1graphics.cfg controls", "0", "\t\t\t; f1graphics.cfg controls",
         " f1graphics.cfg controls"},
        {"no semicolon here", "", "no semicolon here", "emicolon here"},
        {"-1\t; x", "-1", "-1\t; x", " x"},
        {"  7 ;c", "7", "  7 ;c", ";c"},
        {"800", "", "", ""},
    };
    for (const LineCase& c : cases) {
        ConfigDocument doc = DocumentOf(c.line + "\r\n");
        ASSERT_EQ(doc.Count(), 1u) << c.line;
        EXPECT_EQ(doc.Value(0), c.value) << c.line;
        EXPECT_EQ(doc.TailView(0), c.tail) << c.line;
        EXPECT_EQ(doc.DescriptionView(0), c.description) << c.line;
    }
}

struct SplitCase {
    std::string bytes;
    std::vector<std::string> values; // one per line
    std::string written;
};

TEST(ConfigDocument, LineEndsCtrlZAndTheLastLine) {
    const SplitCase cases[] = {
        {"", {}, ""},
        {"1;a\n2;b\n", {"1", "2"}, "1;a\r\n2;b\r\n"},
        {"1;a\r\n2;b", {"1", "2"}, "1;a\r\n2;b\r\n"},
        {"1;a\rb\n", {"1"}, "1;ab\r\n"}, // a lone CR is removed
        {"1;a\r", {"1"}, "1;a\r\n"},     // also at the very end
        {"\n\n", {"", ""}, "\r\n\r\n"},  // empty lines are lines
        {"1;a\n\x1a"
         "2;b\n",
         {"1"},
         "1;a\r\n"}, // Ctrl-Z at a line start ends the file
        {"\x1a", {}, ""},
        {"1;a\x1a"
         "b\n2;c",
         {"1", "2"},
         "1;a\x1a"
         "b\r\n2;c\r\n"}, // inside a line it is text
        {"1\r\r\n", {""}, "1\r\n"},
    };
    for (const SplitCase& c : cases) {
        ConfigDocument doc = DocumentOf(c.bytes);
        ASSERT_EQ(doc.Count(), c.values.size()) << ::testing::PrintToString(c.bytes);
        for (std::size_t k = 0; k < c.values.size(); ++k) {
            EXPECT_EQ(doc.Value(static_cast<long long>(k)), c.values[k]);
        }
        EXPECT_EQ(doc.Write(), c.written) << ::testing::PrintToString(c.bytes);
    }
}

TEST(ConfigDocument, ALineBeginningWithCtrlZAfterALoneCrSurvivesSaveAndLoad) {
    // The CR goes from the line's text, so the line now begins with Ctrl-Z; written as it
    // is, the next read would end the file there.
    const std::string bytes = "1;a\n\r\x1a;b\n2;c\n";
    ConfigDocument doc = DocumentOf(bytes);
    ASSERT_EQ(doc.Count(), 3u);
    EXPECT_EQ(doc.TailView(1), "\x1a;b");
    const std::string written = doc.Write();
    EXPECT_EQ(written, "1;a\r\n\r\x1a;b\r\n2;c\r\n");
    ConfigDocument again = DocumentOf(written);
    ASSERT_EQ(again.Count(), 3u);
    EXPECT_EQ(again.TailView(1), "\x1a;b");
    EXPECT_EQ(again.Value(2), "2");
    EXPECT_EQ(again.Write(), written);

    doc.SetValue(1, "5"); // a value in front: no CR needed
    EXPECT_EQ(doc.Write(), "1;a\r\n5\x1a;b\r\n2;c\r\n");
}

TEST(ConfigDocument, ChangedValuesReplaceOnlyTheValuesOwnCharacters) {
    struct Case {
        std::string line;
        std::string value;
        std::string written;
    };
    const Case cases[] = {
        {"5;x", "7", "7;x"},
        {"800\t\t\t; width", "1024", "1024\t\t\t; width"},
        {"-1\t; x", "-1", "-1\t; x"}, // used to come out as "-1-1\t; x"
        {"-1\t; x", "3", "3\t; x"},
        {"  7 ;c", "8", "  8 ;c"}, // blanks before the value stay
        {"1.5 ; d", "2", "2 ; d"},
        {"words ; d", "1", "1 ; d"},
        {"; comment", "4", "4; comment"}, // an empty value goes in front of the line
        {"", "9", "9"},
        {"12345678901234567890123;x", "1", "1;x"}, // 20 digits and more keep their line
        {"12 34", "5", "5 34"},                    // without ';' the digits are the value
        {"1024", "1280", "1280"},
        {"1024 x", "1280", "1280 x"},
        {std::string("1;a\0b", 5), "0", std::string("0;a\0b", 5)}, // NUL keeps the line
    };
    for (const Case& c : cases) {
        ConfigDocument doc = DocumentOf(c.line + "\n");
        ASSERT_TRUE(doc.SetValue(0, c.value));
        EXPECT_EQ(doc.Value(0), c.value);
        EXPECT_EQ(doc.Write(), c.written + "\r\n") << ::testing::PrintToString(c.line);
    }
}

TEST(ConfigDocument, UnchangedLinesOfAnyShapeComeBackByteForByte) {
    const std::string tail(5000, 'x');
    const std::string lines[] = {
        "-1\t; x",
        "  7 ;c",
        "123456789012345678901234567890",
        "12 34",
        "1;" + tail,
        std::string("ab\0cd;e", 7),
        "\xe4\xf6\xfc;\xdf",
    };
    for (const std::string& line : lines) {
        ConfigDocument doc = DocumentOf(line + "\n");
        EXPECT_EQ(doc.Write(), line + "\r\n");
    }
    ConfigDocument doc = DocumentOf("1;" + tail + "\n");
    EXPECT_EQ(doc.TailView(0).size(), 500u); // the display view is cut, the line is not
    EXPECT_EQ(doc.DescriptionView(0).size(), 500u);
}

TEST(ConfigDocument, SettingTheOriginalValueAgainRestoresTheLine) {
    ConfigDocument doc = DocumentOf(" 1 ;x\n");
    doc.SetValue(0, "0");
    doc.SetValue(0, "1");
    EXPECT_EQ(doc.Write(), " 1 ;x\r\n");
}

TEST(ConfigDocument, IndexErrors) {
    ConfigDocument doc = DocumentOf("1;a\n2;b\n");
    EXPECT_THROW(doc.Value(2), ListIndexError);
    EXPECT_THROW(doc.Value(-1), ListIndexError);
    try {
        doc.Value(124);
        FAIL();
    } catch (const ListIndexError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (124)");
    }
    try {
        doc.SetValue(2, "x");
        FAIL();
    } catch (const InsertLineError& e) {
        EXPECT_STREQ(e.what(), "Unable to insert a line");
    }
    EXPECT_FALSE(doc.SetValue(-1, "x")); // names no line: ignored
    EXPECT_EQ(doc.Count(), 2u);
    EXPECT_EQ(doc.Write(), "1;a\r\n2;b\r\n");
    ConfigDocument empty;
    EXPECT_THROW(empty.SetValue(0, "0"), InsertLineError);
    EXPECT_EQ(empty.Write(), "");
}

TEST(ConfigDocument, ClearAndAppendAgainKeepsOneEntryPerLine) {
    ConfigDocument doc = DocumentOf("1;a\n2;b\n3;c\n");
    doc.SetValue(1, "9");
    doc.Clear();
    doc.Append("4;d\n");
    ASSERT_EQ(doc.Count(), 1u);
    EXPECT_EQ(doc.Write(), "4;d\r\n");
    doc.Append("5;e");
    EXPECT_EQ(doc.Count(), 2u);
    EXPECT_EQ(doc.Write(), "4;d\r\n5;e\r\n");
}

TEST(ConfigDocument, TellsListenersWhatChanged) {
    ConfigDocument doc;
    std::vector<std::pair<ConfigDocument::Change, std::size_t>> seen;
    doc.AddListener([&](ConfigDocument::Change c, std::size_t k) { seen.emplace_back(c, k); });
    doc.Append("1;a\n2;b\n");
    doc.SetValue(1, "0");
    doc.Clear();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].first, ConfigDocument::Change::Reset);
    EXPECT_EQ(seen[1], std::make_pair(ConfigDocument::Change::Value, std::size_t{1}));
    EXPECT_EQ(seen[2].first, ConfigDocument::Change::Reset);
}

TEST(ConfigDocument, RealGameFileRoundTripsWithCrLf) {
    const std::string bytes = DataFile("demo/game/f1graphics.cfg");
    ASSERT_FALSE(bytes.empty());
    ConfigDocument doc = DocumentOf(bytes);
    EXPECT_EQ(doc.Count(), 287u);
    const std::string expected = CrLfFile(FileLines(bytes));
    EXPECT_EQ(doc.Write(), expected);
    EXPECT_EQ(doc.Value(1), "800");
    EXPECT_EQ(doc.DescriptionView(1), " [RELEASE] Game 3D Horizontal Resolution");
}
