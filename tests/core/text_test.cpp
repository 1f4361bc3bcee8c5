// Trimming, letter case, the integer conversion and the error box's wording.
#include "file/errors.hpp"
#include "file/text.hpp"

#include <gtest/gtest.h>

using namespace korvane;

TEST(Trim, RemovesEveryCodeUpTo32OnBothSides) {
    EXPECT_EQ(Trim(" \t\r\n\x01x y\x1f "), "x y");
    EXPECT_EQ(Trim(std::string_view("\0a\0", 3)), "a");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\x7f"), "\x7f");           // DEL is above 32
    EXPECT_EQ(Trim("\xa0z\xa0"), "\xa0z\xa0"); // so are 8-bit characters
}

struct IntCase {
    const char* text;
    std::int32_t value;
};

TEST(StrToInt, AcceptsDecimalAndHexForms) {
    const IntCase cases[] = {
        {"0", 0},
        {"7", 7},
        {"+7", 7},
        {"-7", -7},
        {"   12", 12},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$10", 16},
        {"x1f", 31},
        {"X1F", 31},
        {"0x10", 16},
        {"0XfF", 255},
        {"$FFFFFFFF", -1},
        {"$80000000", -2147483647 - 1},
        {"  $0", 0},
    };
    for (const IntCase& c : cases) {
        EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
    }
}

TEST(StrToInt, RejectsEverythingElseWithTheText) {
    const char* bad[] = {"",
                         " ",
                         "abc",
                         "1 ",
                         "\t1",
                         "1.5",
                         "--1",
                         "+-1",
                         "- 1",
                         "2147483648",
                         "-2147483649",
                         "$",
                         "0x",
                         "$1FFFFFFFF",
                         "$-1",
                         "1e3",
                         "99999999999999999999",
                         "+",
                         "0x 1",
                         "$G"};
    for (const char* text : bad) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(ErrorBoxText, AppendsADotOnlyAfterCharactersAboveTheDot) {
    EXPECT_EQ(ErrorBoxText("File not found"), "File not found.");
    EXPECT_EQ(ErrorBoxText("List index out of bounds (2)"), "List index out of bounds (2)");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("a-"), "a-");  // '-' is below '.'
    EXPECT_EQ(ErrorBoxText("a/"), "a/."); // '/' is above '.'
    EXPECT_EQ(ErrorBoxText("value 7"), "value 7.");
    EXPECT_EQ(ErrorBoxText("'x' is not a valid integer value"),
              "'x' is not a valid integer value.");
    EXPECT_EQ(ErrorBoxText("Umlaut \xe4"), "Umlaut \xe4.");
    EXPECT_EQ(ErrorBoxText(""), "");
    EXPECT_EQ(ErrorBoxText("Disk full.\rC:\\x"), "Disk full.\rC:\\x"); // composed: as it is
}

TEST(FillIn, ReplacesEachMarkOnce) {
    EXPECT_EQ(FillIn("%1 to %2, %1", "1", "5"), "1 to 5, 1");
    EXPECT_EQ(FillIn("%1: %2", "C:\\%2", "x"), "C:\\%2: x"); // a value's own "%2" stays
    EXPECT_EQ(FillIn("100%", "a"), "100%");
    EXPECT_EQ(FillIn("%3 of %1%2", "a", "", "c"), "c of a");
}

TEST(ApplicationTitle, TakesTheFileNameUpToItsFirstDotWithTheRestLowered) {
    EXPECT_EQ(ApplicationTitle("C:\\Games\\Korvane.exe"), "Korvane");
    EXPECT_EQ(ApplicationTitle("Z:\\x\\KORVANE.EXE"), "Korvane");
    EXPECT_EQ(ApplicationTitle("C:\\a.b\\my.tool.exe"), "my");
    EXPECT_EQ(ApplicationTitle("korvane"), "korvane");
    EXPECT_EQ(ApplicationTitle("/home/u/AbC.exe"), "Abc");
    EXPECT_EQ(ApplicationTitle("\xc4\xd6L.exe"), "\xc4\xf6l");
}

TEST(LowerAnsi, FoldsTheCapitalsOfWindows1252) {
    const struct {
        char c;
        char lower;
    } cases[] = {
        {'A', 'a'},       {'Z', 'z'},       {'a', 'a'},       {'@', '@'},       {'[', '['},
        {'\xc0', '\xe0'}, {'\xc4', '\xe4'}, {'\xde', '\xfe'}, {'\xd7', '\xd7'}, {'\xdf', '\xdf'},
        {'\x8a', '\x9a'}, {'\x8c', '\x9c'}, {'\x8e', '\x9e'}, {'\x9f', '\xff'}, {'\xe4', '\xe4'},
        {'\x8b', '\x8b'}, {'\xbf', '\xbf'},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LowerAnsi(c.c), c.lower) << static_cast<int>(static_cast<unsigned char>(c.c));
    }
}

TEST(IoErrorText, NamesTheKnownResultsAndNumbersTheRest) {
    EXPECT_EQ(IoErrorText(2), "File not found");
    EXPECT_EQ(IoErrorText(3), "Invalid filename");
    EXPECT_EQ(IoErrorText(4), "Too many open files");
    EXPECT_EQ(IoErrorText(5), "File access denied");
    EXPECT_EQ(IoErrorText(100), "Read beyond end of file");
    EXPECT_EQ(IoErrorText(101), "Disk full");
    EXPECT_EQ(IoErrorText(106), "Invalid numeric input");
    EXPECT_EQ(IoErrorText(32), "I/O error 32");
}
