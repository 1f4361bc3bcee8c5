// Text rules shared by every part of the program: trimming, the integer conversion used
// for slider positions and list indices, and the error box's wording.
#pragma once

#include <cstdint>
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

// The integer conversion: leading spaces (code 32 only), then a signed decimal number or a
// hexadecimal one introduced by "$", "x", "X", "0x" or "0X" (32 bits, read as signed);
// nothing may follow. Throws ConvertError with the text otherwise.
std::int32_t StrToInt(std::string_view text);

// Plain decimal with a leading "-" for negatives.
std::string IntToStr(long long value);

// The global error box's text: the message, with "." appended when it is not empty and
// its last character's code is greater than that of ".".
std::string ErrorBoxText(std::string_view message);

// The application title: the program file's name without its directory and without
// everything from its first "." on, every character after the first in lower case.
std::string ApplicationTitle(std::string_view exePath);

} // namespace korvane
