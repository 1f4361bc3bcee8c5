#include "file/comment_values.hpp"

#include "file/text.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace korvane {

namespace {

// Comments are read up to here: the game's are far shorter, and every form is found in it.
constexpr std::size_t kMaxComment = 1000;

constexpr bool IsDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}
// Letters of Windows-1252: ASCII ones and the accented ones from 0xC0 on.
constexpr bool IsLetter(char c) noexcept {
    const auto u = static_cast<unsigned char>(c);
    return ((u | 0x20) >= 'a' && (u | 0x20) <= 'z') || u >= 0xC0;
}
constexpr bool IsWordChar(char c) noexcept {
    return IsDigit(c) || IsLetter(c) || c == '_';
}

std::size_t SkipBlanks(std::string_view s, std::size_t i) noexcept {
    while (i < s.size() && IsBlank(s[i])) {
        ++i;
    }
    return i;
}

// The word (letters only around it) at i, letter case ignored.
bool WordAt(std::string_view s, std::size_t i, std::string_view word) noexcept {
    if (i > s.size() || s.size() - i < word.size() || (i > 0 && IsLetter(s[i - 1]))) {
        return false;
    }
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (LowerAnsi(s[i + k]) != word[k]) {
            return false;
        }
    }
    return i + word.size() == s.size() || !IsLetter(s[i + word.size()]);
}

std::size_t FindWord(std::string_view s, std::string_view word, std::size_t from = 0) noexcept {
    for (std::size_t i = from; i < s.size(); ++i) {
        if (WordAt(s, i, word)) {
            return i;
        }
    }
    return std::string_view::npos;
}

struct Number {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::int32_t value = 0;
};

// A whole number at i: an optional '-', decimal digits, nothing of a word or a decimal
// fraction right after it, and a value of 32 bits.
std::optional<Number> DigitsAt(std::string_view s, std::size_t i) noexcept {
    Number n;
    n.begin = i;
    const bool negative = i < s.size() && s[i] == '-';
    if (negative) {
        ++i;
    }
    long long value = 0;
    std::size_t digits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++digits) {
        if (digits < 11) {
            value = value * 10 + (s[i] - '0');
        }
    }
    if (digits == 0 || digits > 10 ||
        (i < s.size() &&
         (IsWordChar(s[i]) || (s[i] == '.' && i + 1 < s.size() && IsDigit(s[i + 1]))))) {
        return std::nullopt;
    }
    value = negative ? -value : value;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    n.end = i;
    n.value = static_cast<std::int32_t>(value);
    return n;
}

// A number standing on its own at i: not the end of a word or a decimal number, and not
// the second number of "0-200" (a '-' in front of digits makes the number start there).
std::optional<Number> NumberAt(std::string_view s, std::size_t i) noexcept {
    if (i >= s.size() || (!IsDigit(s[i]) && s[i] != '-')) {
        return std::nullopt;
    }
    if (i > 0 && (IsWordChar(s[i - 1]) || s[i - 1] == '.' || s[i - 1] == '-')) {
        return std::nullopt;
    }
    return DigitsAt(s, i);
}

// "A to B" or "A-B" at i.
std::optional<ValueRange> PairAt(std::string_view s, std::size_t i) noexcept {
    const std::optional<Number> a = DigitsAt(s, i);
    if (!a) {
        return std::nullopt;
    }
    std::size_t j = SkipBlanks(s, a->end);
    if (WordAt(s, j, "to")) {
        j += 2;
    } else if (j < s.size() && s[j] == '-') {
        ++j;
    } else {
        return std::nullopt;
    }
    const std::optional<Number> b = DigitsAt(s, SkipBlanks(s, j));
    if (!b) {
        return std::nullopt;
    }
    return ValueRange{std::min(a->value, b->value), std::max(a->value, b->value)};
}

// Where a meaning that starts at from ends: at limit, at a ')' that closes a parenthesis
// opened before it, or (stopAtComma) at a ',' outside parentheses.
std::size_t MeaningEnd(std::string_view s, std::size_t from, std::size_t limit,
                       bool stopAtComma) noexcept {
    int depth = 0;
    for (std::size_t j = from; j < limit; ++j) {
        if (s[j] == '(') {
            ++depth;
        } else if (s[j] == ')') {
            if (depth == 0) {
                return j;
            }
            --depth;
        } else if (s[j] == ',' && depth == 0 && stopAtComma) {
            return j;
        }
    }
    return limit;
}

std::string CleanMeaning(std::string_view m) {
    m = Trim(m);
    while (!m.empty() && (m.back() == ',' || IsBlank(m.back()))) {
        m.remove_suffix(1);
    }
    while (!m.empty() && (m.front() == ',' || IsBlank(m.front()))) {
        m.remove_prefix(1);
    }
    return std::string(m);
}

struct Item {
    Number number;
    std::size_t meaningBegin = 0;
    std::size_t meaningEnd = 0;
    std::string meaning;
};

// Items of one form: a number, then what marks the form (returns where the meaning starts,
// or npos). Each meaning runs to the next item.
template <class Marker> std::vector<Item> MarkedItems(std::string_view s, Marker marker) {
    std::vector<Item> items;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::optional<Number> n = NumberAt(s, i);
        if (!n) {
            continue;
        }
        const std::size_t meaning = marker(n->end);
        if (meaning != std::string_view::npos) {
            items.push_back(Item{*n, meaning, 0, {}});
        }
        i = n->end - 1;
    }
    for (std::size_t k = 0; k < items.size(); ++k) {
        const std::size_t limit = k + 1 < items.size() ? items[k + 1].number.begin : s.size();
        const std::size_t from = items[k].meaningBegin;
        items[k].meaningEnd = MeaningEnd(s, from, limit, false);
        items[k].meaning = CleanMeaning(s.substr(from, items[k].meaningEnd - from));
    }
    return items;
}

// "1 on, 0 off", "0 off,1 player for all", "0 - cheap lighting, 1 - proper lighting": items
// in a list of commas, each a number and a text that starts with a word (not "to", which
// makes a range). The first may stand after other words of its part of the list.
std::vector<Item> ListItems(std::string_view s) {
    std::vector<Item> candidates;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::optional<Number> n = NumberAt(s, i);
        if (!n) {
            continue;
        }
        i = n->end - 1;
        if (n->end >= s.size() || !IsBlank(s[n->end])) {
            continue;
        }
        std::size_t j = SkipBlanks(s, n->end);
        if (j < s.size() && s[j] == '-') {
            j = SkipBlanks(s, j + 1);
        }
        std::size_t w = j;
        while (w < s.size() && IsDigit(s[w])) {
            ++w;
        }
        if (w >= s.size() || !IsLetter(s[w]) || WordAt(s, j, "to")) {
            continue;
        }
        const std::size_t end = MeaningEnd(s, j, s.size(), true);
        candidates.push_back(Item{*n, j, end, CleanMeaning(s.substr(j, end - j))});
    }
    // The first run of two or more items, each right after the comma that ends the one before.
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        std::vector<Item> run{candidates[c]};
        for (std::size_t next = c + 1; next < candidates.size(); ++next) {
            const std::size_t end = run.back().meaningEnd;
            if (end >= s.size() || s[end] != ',' ||
                candidates[next].number.begin != SkipBlanks(s, end + 1)) {
                break;
            }
            run.push_back(candidates[next]);
        }
        if (run.size() >= 2) {
            return run;
        }
    }
    return {};
}

std::vector<Choice> ToChoices(const std::vector<Item>& items) {
    std::vector<Choice> choices;
    for (const Item& item : items) {
        const bool seen = std::any_of(choices.begin(), choices.end(), [&](const Choice& c) {
            return c.value == item.number.value;
        });
        if (!seen) {
            choices.push_back(Choice{item.number.value, item.meaning});
        }
    }
    // One value named twice is no choice.
    return choices.size() >= 2 ? choices : std::vector<Choice>{};
}

bool EndsWithWordTo(std::string_view m) noexcept {
    return m.size() >= 2 && WordAt(m, m.size() - 2, "to");
}

// "(A to B", "(A-B", "range signed : A-B", "A(in)-B(parallel)-C(out)".
std::optional<ValueRange> ReadRange(std::string_view s) {
    for (std::size_t p = s.find('('); p != std::string_view::npos; p = s.find('(', p + 1)) {
        if (auto r = PairAt(s, SkipBlanks(s, p + 1))) {
            return r;
        }
    }
    for (std::size_t p = FindWord(s, "range"); p != std::string_view::npos;
         p = FindWord(s, "range", p + 1)) {
        std::size_t j = p + 5;
        while (j < s.size() && (IsBlank(s[j]) || IsLetter(s[j]) || s[j] == ':')) {
            ++j;
        }
        if (auto r = PairAt(s, j)) {
            return r;
        }
    }
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::optional<Number> a = NumberAt(s, i);
        if (!a) {
            continue;
        }
        i = a->end - 1;
        // A number with its label in parentheses, then "-number(label)" once or more.
        std::size_t j = a->end;
        std::optional<std::int32_t> last;
        while (j < s.size() && s[j] == '(') {
            const std::size_t close = s.find(')', j);
            if (close == std::string_view::npos || close + 1 >= s.size() || s[close + 1] != '-') {
                break;
            }
            const std::optional<Number> b = DigitsAt(s, close + 2);
            if (!b || b->end >= s.size() || s[b->end] != '(') {
                break;
            }
            last = b->value;
            j = b->end;
        }
        if (last) {
            return ValueRange{std::min(a->value, *last), std::max(a->value, *last)};
        }
    }
    return std::nullopt;
}

// "{2,4,6,9,12,16}" and "should be 0 (no blur),2,4,6,9,12, or 16".
std::vector<std::int32_t> ReadSet(std::string_view s) {
    for (std::size_t p = s.find('{'); p != std::string_view::npos; p = s.find('{', p + 1)) {
        std::vector<std::int32_t> values;
        std::size_t j = p + 1;
        for (;;) {
            const std::optional<Number> n = DigitsAt(s, SkipBlanks(s, j));
            if (!n) {
                break;
            }
            values.push_back(n->value);
            j = SkipBlanks(s, n->end);
            if (j < s.size() && s[j] == ',') {
                ++j;
                continue;
            }
            if (j < s.size() && s[j] == '}' && values.size() >= 2) {
                return values;
            }
            break;
        }
    }
    const std::size_t should = FindWord(s, "should");
    if (should == std::string_view::npos) {
        return {};
    }
    std::size_t j = SkipBlanks(s, should + 6);
    if (!WordAt(s, j, "be")) {
        return {};
    }
    j += 2;
    std::vector<std::int32_t> values;
    for (;;) {
        j = SkipBlanks(s, j);
        if (WordAt(s, j, "or")) {
            j = SkipBlanks(s, j + 2);
        }
        const std::optional<Number> n = DigitsAt(s, j);
        if (!n) {
            break;
        }
        values.push_back(n->value);
        j = SkipBlanks(s, n->end);
        if (j < s.size() && s[j] == '(') { // the value's label
            const std::size_t close = s.find(')', j);
            if (close == std::string_view::npos) {
                break;
            }
            j = SkipBlanks(s, close + 1);
        }
        if (j < s.size() && s[j] == ',') {
            ++j;
        } else if (!WordAt(s, j, "or")) {
            break;
        }
    }
    return values.size() >= 2 ? values : std::vector<std::int32_t>{};
}

// A comment that speaks of bits ("bit 1 trans", "Bit 7") has values that combine.
bool SpeaksOfBits(std::string_view s) noexcept {
    for (std::size_t p = 0; p + 3 <= s.size(); ++p) {
        if (LowerAnsi(s[p]) == 'b' && LowerAnsi(s[p + 1]) == 'i' && LowerAnsi(s[p + 2]) == 't' &&
            (p == 0 || !IsWordChar(s[p - 1]))) {
            const std::size_t j = SkipBlanks(s, p + 3);
            if (j < s.size() && IsDigit(s[j])) {
                return true;
            }
        }
    }
    return false;
}

// The comment without its blanks and its trailing version tag (" v2" ... " v10").
std::string_view Core(std::string_view s) noexcept {
    s = Trim(s.substr(0, kMaxComment));
    std::size_t i = s.size();
    while (i > 0 && IsDigit(s[i - 1])) {
        --i;
    }
    if (i < s.size() && i >= 2 && s[i - 1] == 'v' && IsBlank(s[i - 2])) {
        s = Trim(s.substr(0, i - 1));
    }
    return s;
}

} // namespace

bool CommentValues::Allows(std::int32_t value) const noexcept {
    if (!StatesValues()) {
        return true;
    }
    auto has = [value](const auto& list) {
        return std::find(list.begin(), list.end(), value) != list.end();
    };
    const bool chosen = std::any_of(choices.begin(), choices.end(),
                                    [value](const Choice& c) { return c.value == value; });
    return (range && value >= range->min && value <= range->max) || has(set) || has(named) ||
           chosen || (!choices.empty() && !choicesComplete);
}

CommentValues ReadCommentValues(std::string_view comment) {
    const std::string_view s = Core(comment);
    CommentValues result;
    const std::vector<Item> arrows = MarkedItems(s, [s](std::size_t end) {
        const std::size_t j = SkipBlanks(s, end);
        return s.substr(j, 2) == "=>" ? j + 2 : std::string_view::npos;
    });
    // "(0 => -8 to 200 => +8)" maps a range; "(1 => off, to max 7)" ends one.
    if (arrows.size() == 2 && EndsWithWordTo(arrows[0].meaning)) {
        result.range = ValueRange{std::min(arrows[0].number.value, arrows[1].number.value),
                                  std::max(arrows[0].number.value, arrows[1].number.value)};
    } else if (const std::size_t to = FindWord(s, "to"); !arrows.empty()) {
        for (std::size_t p = to; p != std::string_view::npos; p = FindWord(s, "to", p + 1)) {
            const std::size_t max = SkipBlanks(s, p + 2);
            if (!WordAt(s, max, "max") || arrows.front().number.begin > p) {
                continue;
            }
            if (const std::optional<Number> b = DigitsAt(s, SkipBlanks(s, max + 3))) {
                const std::int32_t a = arrows.front().number.value;
                result.range = ValueRange{std::min(a, b->value), std::max(a, b->value)};
                break;
            }
        }
    }
    if (!SpeaksOfBits(s) && !result.range) {
        if (arrows.size() >= 2) {
            result.choices = ToChoices(arrows);
        } else {
            const std::vector<Item> colons = MarkedItems(s, [s](std::size_t end) {
                return end + 1 < s.size() && s[end] == ':' && !IsDigit(s[end + 1]) &&
                               !IsBlank(s[end + 1])
                           ? end + 1
                           : std::string_view::npos;
            });
            result.choices = ToChoices(colons.size() >= 2 ? colons : ListItems(s));
        }
    }
    if (result.choices.empty() && arrows.size() == 1) {
        result.named.push_back(arrows.front().number.value);
    }
    if (!result.range) {
        result.range = ReadRange(s);
    }
    // An off value named beside a range, next to one of its ends ("1 to 22, 0=>off"), is
    // part of it.
    for (const long long value : result.named) {
        if (result.range && value == result.range->min - 1LL) {
            result.range->min = static_cast<std::int32_t>(value);
        } else if (result.range && value == result.range->max + 1LL) {
            result.range->max = static_cast<std::int32_t>(value);
        }
    }
    result.set = ReadSet(s);
    // "else ..." makes the choices examples; "1:on 2:+cockpit 3:+allviews" are levels that
    // add up (the game's own file holds 24 there), not the whole list.
    const bool cumulative =
        std::any_of(result.choices.begin(), result.choices.end(),
                    [](const Choice& c) { return !c.meaning.empty() && c.meaning[0] == '+'; });
    result.choicesComplete = FindWord(s, "else") == std::string_view::npos && !cumulative;
    return result;
}

std::optional<std::int32_t> WholeNumber(std::string_view text) {
    text = Trim(text);
    std::size_t i = text.size() > 1 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (i == text.size() || text.size() > 11) {
        return std::nullopt;
    }
    long long value = 0;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (text[k] < '0' || text[k] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[k] - '0');
    }
    value = text[0] == '-' ? -value : value;
    if (value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::string ListOf(const std::vector<std::int32_t>& values) {
    constexpr std::size_t kShown = 8;
    std::string text;
    for (std::size_t i = 0; i < values.size() && i < kShown; ++i) {
        text += (i ? ", " : "") + IntToStr(values[i]);
    }
    return values.size() > kShown ? text + ", ..." : text;
}

std::vector<std::string> ChoiceTexts(const CommentValues& values) {
    std::vector<std::string> texts;
    for (const Choice& choice : values.choices) {
        texts.push_back(IntToStr(choice.value) +
                        (choice.meaning.empty() ? "" : " \x96 " + choice.meaning));
    }
    return texts;
}

int ChoiceOf(const CommentValues& values, std::string_view value) {
    if (const auto n = WholeNumber(value)) {
        for (std::size_t i = 0; i < values.choices.size(); ++i) {
            if (values.choices[i].value == *n) {
                return static_cast<int>(i);
            }
        }
    }
    return -1;
}

} // namespace korvane
