// Text rules shared by every part of the program: trimming, letter case, the integer
// conversion used for slider positions and list indices, and the error box's wording.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// True for the characters trimming removes: every code of 32 or less.
constexpr bool IsBlank(char c) noexcept {
    return static_cast<unsigned char>(c) <= 32;
}

// Removes every leading and trailing character whose code is 32 or less.
constexpr std::string_view Trim(std::string_view text) noexcept {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

// Lower case in the ANSI code page (Windows-1252): ASCII letters, the accented capitals
// 0xC0..0xDE except the multiplication sign 0xD7, and the capitals 0x8A, 0x8C, 0x8E, 0x9F.
constexpr char LowerAnsi(char c) noexcept {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) {
        return static_cast<char>(u + 0x20);
    }
    switch (u) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
        return static_cast<char>(u + 0x10);
    case 0x9F:
        return static_cast<char>(0xFF);
    default:
        return c;
    }
}

// The same texts but for letter case, as LowerAnsi folds it.
constexpr bool EqualIgnoringCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAnsi(a[i]) != LowerAnsi(b[i])) {
            return false;
        }
    }
    return true;
}

// True when a value can stand in a line without moving where the line's value ends: no ';'
// and no character of code below 32 (a tab, CR or LF would end it or break the line).
constexpr bool IsStorableValue(std::string_view value) noexcept {
    for (const char c : value) {
        if (c == ';' || static_cast<unsigned char>(c) < 32) {
            return false;
        }
    }
    return true;
}

// The integer conversion: leading spaces (code 32 only), then a signed decimal number or a
// hexadecimal one introduced by "$", "x", "X", "0x" or "0X" (32 bits, read as signed);
// nothing may follow. Throws ConvertError with the text otherwise.
std::int32_t StrToInt(std::string_view text);
// The same, nothing for a text that is no integer.
std::optional<std::int32_t> ReadInteger(std::string_view text) noexcept;

// Plain decimal with a leading "-" for negatives.
std::string IntToStr(long long value);

// A language text with its marks %1, %2 and %3 replaced by the values (every place they
// stand).
std::string FillIn(std::string text, std::string_view first, std::string_view second = {},
                   std::string_view third = {});

// The global error box's text: the message, with "." appended when it is not empty and
// its last character's code is greater than that of ".". A message of several lines ("\r"
// between them) stands as it is: the program composed it, its first line ended.
std::string ErrorBoxText(std::string_view message);

// The application title: the program file's name without its directory and without
// everything from its first "." on, every character after the first in lower case.
std::string ApplicationTitle(std::string_view exePath);

} // namespace korvane
