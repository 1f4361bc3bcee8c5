// Typing into drop-downs: auto-complete in the editable ones, the timed incremental search
// in the fixed lists, and what the form writes when the user types.
#include "app/main_form.hpp"
#include "fake_platform.hpp"
#include "form/controls.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace korvane;
using korvane::testing::LinesFile;

namespace {

const std::vector<std::string> kResolutions = {"800x600", "1024x768", "1152x864"};

struct Editable {
    ComboBox combo{"c", 1, ComboBox::Kind::Editable, kResolutions};
    int changes = 0;
    Editable() {
        combo.onChange = [this] { ++changes; };
    }
};

// One keystroke and what the drop-down shows after it.
struct Key {
    char c;             // '\b' for Backspace
    std::size_t start;  // the edit field's selection when the key comes
    std::size_t length; //
    const char* text;
    std::size_t selStart;
    std::size_t selLength;
    int index;
    int changes; // onChange runs so far
};

void Type(Editable& e, const std::vector<Key>& keys) {
    for (const Key& k : keys) {
        SCOPED_TRACE(std::string("key '") +
                     (k.c == '\b' ? std::string("BS") : std::string(1, k.c)) + "' -> " + k.text);
        if (k.c == '\b') {
            e.combo.UserBackspace(k.start, k.length);
        } else {
            e.combo.UserTypeChar(k.c, k.start, k.length);
        }
        EXPECT_EQ(e.combo.Text(), k.text);
        EXPECT_EQ(e.combo.SelStart(), k.selStart);
        EXPECT_EQ(e.combo.SelLength(), k.selLength);
        EXPECT_EQ(e.combo.ItemIndex(), k.index);
        EXPECT_EQ(e.changes, k.changes);
    }
}

TEST(ComboTyping, TypingCompletesTheFirstItemThatBeginsWithTheTypedText) {
    Editable e;
    Type(e, {
                {'1', 0, 0, "1024x768", 1, 7, 1, 1},
                {'0', 1, 7, "1024x768", 2, 6, 1, 1}, // same item: no second change
                {'2', 2, 6, "1024x768", 3, 5, 1, 1},
            });
}

TEST(ComboTyping, AnotherMatchSelectsItsItemAndRunsTheHandler) {
    Editable e;
    Type(e, {
                {'1', 0, 0, "1024x768", 1, 7, 1, 1},
                {'1', 1, 7, "1152x864", 2, 6, 2, 2},
                {'5', 2, 6, "1152x864", 3, 5, 2, 2},
            });
}

TEST(ComboTyping, ACharacterThatBeginsNoItemIsTypedIntoTheField) {
    Editable e;
    Type(e, {
                {'1', 0, 0, "1024x768", 1, 7, 1, 1},
                {'9', 1, 7, "19", 2, 0, -1, 2}, // replaces the highlight, no item
                {'2', 2, 0, "192", 3, 0, -1, 3},
                {'x', 0, 3, "x", 1, 0, -1, 4}, // the whole text highlighted: replaced
            });
}

TEST(ComboTyping, LetterCaseIsIgnoredAndTheItemShownAsItIs) {
    ComboBox combo{"c", 1, ComboBox::Kind::Editable, {"Prozessor", "Grafikkarte"}};
    int changes = 0;
    combo.onChange = [&] { ++changes; };
    combo.UserTypeChar('g', 0, 0);
    EXPECT_EQ(combo.Text(), "Grafikkarte");
    EXPECT_EQ(combo.SelStart(), 1u);
    EXPECT_EQ(combo.SelLength(), 10u);
    EXPECT_EQ(combo.ItemIndex(), 1);
    combo.UserTypeChar('R', 1, 10);
    EXPECT_EQ(combo.Text(), "Grafikkarte");
    EXPECT_EQ(combo.SelStart(), 2u);
    EXPECT_EQ(changes, 1);

    // Accented capitals of the ANSI code page fold too.
    ComboBox umlaut{"u",
                    2,
                    ComboBox::Kind::Editable,
                    {"\xc4hnlich", "\xe4u\xdf"
                                   "erst"}};
    umlaut.UserTypeChar('\xe4', 0, 0);
    EXPECT_EQ(umlaut.ItemIndex(), 0);
    EXPECT_EQ(umlaut.Text(), "\xc4hnlich");
}

TEST(ComboTyping, TypingAndFindingFoldTheSameCapitals) {
    ComboBox combo{"c", 1, ComboBox::Kind::Editable, {"x", "\304bc"}}; // "Äbc"
    combo.UserTypeChar('\344', 0, 0);                                  // 'ä'
    EXPECT_EQ(combo.ItemIndex(), 1);
    combo.UserEditText("x");
    combo.UserEditText("\344bc");
    EXPECT_EQ(combo.ItemIndex(), 1);
}

TEST(ComboTyping, WithOnlyACaretTheCharacterGoesInWhereTheCaretIs) {
    Editable e;
    e.combo.SetText("124x768");
    Type(e, {
                {'0', 1, 0, "1024x768", 8, 0, 1, 1}, // completes an item: nothing left over
            });
    Editable f;
    f.combo.SetText("800x600");
    Type(f, {
                {'1', 0, 0, "1800x600", 1, 0, -1, 1},
            });
}

TEST(ComboTyping, BackspaceRemovesTheHighlightOrTheCharacterBeforeTheCaret) {
    Editable e;
    Type(e, {
                {'1', 0, 0, "1024x768", 1, 7, 1, 1},
                {'0', 1, 7, "1024x768", 2, 6, 1, 1},
                {'\b', 2, 6, "10", 2, 0, -1, 2},
                {'\b', 2, 0, "1", 1, 0, -1, 3},
                {'\b', 0, 0, "1", 0, 0, -1, 4}, // caret at the start: nothing to remove
                {'\b', 1, 0, "", 0, 0, -1, 5},
                {'\b', 0, 0, "", 0, 0, -1, 6},
            });
    // Backspace leaves no item selected even when the rest names one exactly.
    Editable f;
    f.combo.SetText("800x6000");
    Type(f, {{'\b', 8, 0, "800x600", 7, 0, -1, 1}});
}

TEST(ComboTyping, ASelectionBeyondTheTextIsCutToIt) {
    Editable e;
    e.combo.SetText("80");
    Type(e, {{'0', 99, 99, "800x600", 3, 4, 0, 1}});
}

TEST(ComboTyping, AnyOtherEditSelectsTheItemOfExactlyThatText) {
    Editable e;
    e.combo.UserEditText("1152X864");
    EXPECT_EQ(e.combo.ItemIndex(), 2);
    EXPECT_EQ(e.combo.Text(), "1152X864");
    e.combo.UserEditText("1152x86");
    EXPECT_EQ(e.combo.ItemIndex(), -1);
    e.combo.UserEditText("1152x86");
    EXPECT_EQ(e.changes, 3) << "every user edit runs the handler";
}

// ---- Fixed lists ----

struct Fixed {
    std::int64_t now = 1000;
    int changes = 0;
    ComboBox combo;
    explicit Fixed(std::vector<std::string> items)
        : combo("f", 2, ComboBox::Kind::FixedList, std::move(items)) {
        combo.SetClock([this] { return now; });
        combo.onChange = [this] { ++changes; };
    }
    // Types c `gap` milliseconds after the previous key.
    void Key(char c, std::int64_t gap = 100) {
        now += gap;
        if (c == '\b') {
            combo.UserBackspace(0, 0);
        } else {
            combo.UserSearchChar(c);
        }
    }
};

const std::vector<std::string> kRain = {"Nie", "Nur \"echte\" Kameras",
                                        "Alle au\xdf"
                                        "er Cockpit",
                                        "Alle"};

TEST(ComboSearch, QuickKeysFormOneSearchText) {
    Fixed f(kRain);
    const struct {
        char c;
        std::int64_t gap;
        int index;
        const char* search;
        int changes;
    } keys[] = {
        {'n', 0, 0, "n", 1},   {'U', 100, 1, "nU", 2}, {'r', 499, 1, "nUr", 2},
        {'a', 500, 2, "a", 3}, {'l', 10, 2, "al", 3},  {'\b', 10, 2, "a", 4},
        {'\b', 10, 2, "", 5},  {'\b', 10, 2, "", 6},   {'n', 10, 0, "n", 7},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(std::string(1, k.c) + " after " + std::to_string(k.gap));
        f.Key(k.c, k.gap);
        EXPECT_EQ(f.combo.ItemIndex(), k.index);
        EXPECT_EQ(f.combo.Text(), f.combo.Items()[static_cast<std::size_t>(k.index)]);
        EXPECT_EQ(f.combo.SearchText(), k.search);
        EXPECT_EQ(f.changes, k.changes);
    }
}

TEST(ComboSearch, FiveHundredMillisecondsApartStartANewSearch) {
    for (std::int64_t gap : {499, 500}) {
        SCOPED_TRACE(gap);
        Fixed f({"Aus", "Arcade", "Immer"});
        f.Key('a');
        f.Key('r', gap);
        EXPECT_EQ(f.combo.ItemIndex(), gap < 500 ? 1 : 0);
        EXPECT_EQ(f.changes, gap < 500 ? 2 : 1);
    }
}

TEST(ComboSearch, ACharacterNothingMatchesStartsAgainWithItAloneAfterTheSelection) {
    Fixed f(kRain);
    f.Key('n');
    EXPECT_EQ(f.combo.ItemIndex(), 0);
    f.Key('n'); // "nn" begins nothing: "n" from the item after "Nie"
    EXPECT_EQ(f.combo.ItemIndex(), 1);
    EXPECT_EQ(f.combo.SearchText(), "n");
    f.Key('n'); // and round to the first again
    EXPECT_EQ(f.combo.ItemIndex(), 0);
    EXPECT_EQ(f.changes, 3);

    f.Key('z'); // begins no item at all: nothing changes
    EXPECT_EQ(f.combo.ItemIndex(), 0);
    EXPECT_EQ(f.combo.SearchText(), "");
    EXPECT_EQ(f.changes, 3);
    f.Key('u'); // no item begins with "u" either
    EXPECT_EQ(f.combo.ItemIndex(), 0);
    EXPECT_EQ(f.changes, 3);
    f.Key('a', 600);
    f.Key('l');
    f.Key('l');
    f.Key('e');
    f.Key(' ');
    EXPECT_EQ(f.combo.ItemIndex(), 2);
    f.Key('x'); // "alle x" begins nothing: "x" alone neither
    EXPECT_EQ(f.combo.ItemIndex(), 2);
}

TEST(ComboSearch, TheFirstKeyStartsASearchWhateverTheClock) {
    Fixed f(kRain);
    f.now = 0;
    f.combo.UserSearchChar('a');
    EXPECT_EQ(f.combo.ItemIndex(), 2);
    EXPECT_EQ(f.combo.SearchText(), "a");
}

// ---- Through the form ----

struct FormTyping : ::testing::Test, korvane::testing::FakeForm {
    std::int64_t now = 0;
    void SetUp() override {
        // No width stored: the resolution's field stays empty after the Load.
        Load(LinesFile(170, {{1, ""}}));
        ASSERT_TRUE(platform.errorBoxes.empty());
        for (ComboBox* c : {&form.ComboBox4, &form.ComboBox5, &form.ComboBox6}) {
            c->SetClock([this] { return now; });
        }
    }
    std::string V(int k) { return form.document.Value(k); }
};

TEST_F(FormTyping, TypingTenIntoTheResolutionWritesWidthAndHeight) {
    form.aufloesung.UserTypeChar('1', 0, 0);
    form.aufloesung.UserTypeChar('0', form.aufloesung.SelStart(), form.aufloesung.SelLength());
    EXPECT_EQ(form.aufloesung.Text(), "1024x768");
    EXPECT_EQ(
        form.aufloesung.Text().substr(form.aufloesung.SelStart(), form.aufloesung.SelLength()),
        "24x768");
    EXPECT_EQ(V(1), "1024");
    EXPECT_EQ(V(2), "768");

    // Typing on to a text no item begins writes nothing.
    form.aufloesung.UserTypeChar('9', 2, 6);
    EXPECT_EQ(form.aufloesung.Text(), "109");
    EXPECT_EQ(V(1), "1024");
    // Backspace back to a full resolution writes it again.
    form.aufloesung.UserEditText("800x6000");
    form.aufloesung.UserBackspace(8, 0);
    EXPECT_EQ(V(1), "800");
    EXPECT_EQ(V(2), "600");
}

TEST_F(FormTyping, TextureQualityWritesBySelectionWhateverTheText) {
    // The loaded "100%" with only a caret before it: the "5" goes in front.
    form.ComboBox1.UserTypeChar('5', 0, 0);
    EXPECT_EQ(form.ComboBox1.Text(), "5100%");
    EXPECT_EQ(V(23), "0");
    form.ComboBox1.UserTypeChar('5', 0, 5);
    EXPECT_EQ(form.ComboBox1.Text(), "50%");
    EXPECT_EQ(V(23), "2");
    form.ComboBox1.UserTypeChar('1', 0, 3);
    EXPECT_EQ(form.ComboBox1.Text(), "100%");
    EXPECT_EQ(V(23), "0");
    form.ComboBox1.UserTypeChar('2', 1, 3); // "12.5%"
    EXPECT_EQ(V(23), "8");
    form.ComboBox1.UserBackspace(2, 3); // no item selected any more: nothing written
    EXPECT_EQ(V(23), "8");
}

TEST_F(FormTyping, TheSearchInAFixedListWritesTheNewSelection) {
    form.ComboBox6.UserSearchChar('a');
    EXPECT_EQ(V(123), "2");
    now += 100;
    form.ComboBox6.UserSearchChar('l');
    now += 100;
    form.ComboBox6.UserSearchChar('l');
    now += 100;
    form.ComboBox6.UserSearchChar('e');
    form.folder.File().Write(123, "0");
    now += 100;
    form.ComboBox6.UserSearchChar(' ');
    EXPECT_EQ(V(123), "0") << "same item: the handler does not run";
    form.ComboBox5.UserSearchChar('i');
    EXPECT_EQ(V(117), "1");
    form.ComboBox4.UserSearchChar('n');
    EXPECT_EQ(V(51), "1");
}

} // namespace
