#include "file/text.hpp"

#include "file/errors.hpp"

#include <limits>
#include <utility>

namespace korvane {

namespace {

int HexDigit(char c) noexcept {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

std::optional<std::int32_t> ReadInteger(std::string_view text) noexcept {
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ') {
        s.remove_prefix(1);
    }
    const auto fail = [] { return std::optional<std::int32_t>(); };

    std::size_t hexStart = 0;
    if (!s.empty() && (s[0] == '$' || s[0] == 'x' || s[0] == 'X')) {
        hexStart = 1;
    } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        hexStart = 2;
    }
    if (hexStart != 0) {
        s.remove_prefix(hexStart);
        if (s.empty()) {
            return fail();
        }
        std::uint64_t value = 0;
        for (char c : s) {
            int d = HexDigit(c);
            if (d < 0) {
                return fail();
            }
            value = value * 16 + static_cast<unsigned>(d);
            if (value > 0xFFFFFFFFull) {
                return fail();
            }
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) {
        return fail();
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') {
            return fail();
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            return fail();
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t StrToInt(std::string_view text) {
    if (const std::optional<std::int32_t> value = ReadInteger(text)) {
        return *value;
    }
    throw ConvertError(std::string(text));
}

std::string IntToStr(long long value) {
    return std::to_string(value);
}

std::string FillIn(std::string text, std::string_view first, std::string_view second,
                   std::string_view third) {
    // In one pass: a value that holds "%2" itself (a folder's name, say) stays as it is.
    const std::string_view values[] = {first, second, third};
    std::string out;
    out.reserve(text.size() + first.size() + second.size() + third.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '3') {
            out += values[text[i + 1] - '1'];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    // A message of several lines is the program's own, its first line ended already.
    if (!text.empty() && text.find('\r') == std::string::npos &&
        static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
        text += '.';
    }
    return text;
}

std::string ApplicationTitle(std::string_view exePath) {
    std::size_t slash = exePath.find_last_of("\\/:");
    std::string_view name = slash == std::string_view::npos ? exePath : exePath.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    std::string title(name);
    for (std::size_t i = 1; i < title.size(); ++i) {
        title[i] = LowerAnsi(title[i]);
    }
    return title;
}

} // namespace korvane
