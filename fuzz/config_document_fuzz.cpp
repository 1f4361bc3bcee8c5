// Arbitrary bytes -> read -> write, and every comment through the comment reader, checked against a
// plain model of the reading and writing rules: an unchanged document is written back as its lines
// were read, a changed value changes its own line only, and a second read gives the same lists.
#include "file/comment_values.hpp"
#include "file/config_document.hpp"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using korvane::ConfigDocument;

namespace {

// The lines as the reader must see them, one byte at a time: LF ends a line, a CR is
// dropped, a Ctrl-Z right after an LF (or first in the file) ends the file, and the last
// line needs no LF.
std::vector<std::string> ModelLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string line;
    bool lineStart = true;
    for (char c : bytes) {
        if (lineStart && c == '\x1a') {
            return lines;
        }
        lineStart = false;
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
            lineStart = true;
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!lineStart) {
        lines.push_back(line);
    }
    return lines;
}

// One line as the writer must write it: CR LF after it, and a CR in front of a line that
// begins with Ctrl-Z, so that the next reader does not take it for the end of the file.
std::string ModelWrite(const std::string& line) {
    return (!line.empty() && line[0] == '\x1a' ? "\r" : "") + line + "\r\n";
}

// Where the value lies: the text before the first ';', without the characters of code 32
// or less on either side. Without a ';', or when that text is all blanks, it is empty and
// a new value goes in front of the line.
void ModelValue(const std::string& line, std::size_t& begin, std::size_t& length) {
    const std::size_t semi = line.find(';');
    std::size_t b = 0;
    std::size_t e = semi == std::string::npos ? 0 : semi;
    while (b < e && static_cast<unsigned char>(line[b]) <= 32) {
        ++b;
    }
    while (e > b && static_cast<unsigned char>(line[e - 1]) <= 32) {
        --e;
    }
    begin = e > b ? b : 0;
    length = e - b;
}

void Check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

// What the comment reader yields holds together: two or more choices of distinct values, a
// range from its least to its greatest value, a set of two or more.
void CheckCommentValues(std::string_view comment) {
    const korvane::CommentValues v = korvane::ReadCommentValues(comment);
    Check(v.choices.empty() || v.choices.size() >= 2);
    for (std::size_t i = 0; i < v.choices.size(); ++i) {
        for (std::size_t j = i + 1; j < v.choices.size(); ++j) {
            Check(v.choices[i].value != v.choices[j].value);
        }
        Check(v.Allows(v.choices[i].value));
    }
    Check(!v.range || (v.range->min <= v.range->max && v.Allows(v.range->min)));
    Check(v.set.empty() || v.set.size() >= 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = ModelLines(bytes);
    std::vector<std::string> written;
    std::string expected;
    for (const std::string& line : lines) {
        written.push_back(ModelWrite(line));
        expected += written.back();
    }

    CheckCommentValues(bytes);

    ConfigDocument first;
    first.Append(bytes);
    Check(first.Count() == lines.size());
    Check(first.Write() == expected);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        std::size_t begin = 0;
        std::size_t length = 0;
        ModelValue(lines[k], begin, length);
        Check(first.ValueView(static_cast<long long>(k)) == lines[k].substr(begin, length));
        CheckCommentValues(first.CommentView(static_cast<long long>(k)));
    }

    // What was written reads back as the same lists and writes the same bytes.
    ConfigDocument second;
    second.Append(expected);
    Check(second.Count() == first.Count() && second.Write() == expected);
    for (std::size_t k = 0; k < first.Count(); ++k) {
        const auto i = static_cast<long long>(k);
        Check(first.ValueView(i) == second.ValueView(i) &&
              first.TailView(i) == second.TailView(i) &&
              first.DescriptionView(i) == second.DescriptionView(i));
    }

    // One changed value: its line gets the new value in place of the old one (a line without
    // ';' in place of its leading digits), every other line is written exactly as before.
    if (!lines.empty()) {
        const std::size_t k = size % lines.size();
        first.SetValue(static_cast<long long>(k), "42");
        std::size_t begin = 0;
        std::size_t length = 0;
        ModelValue(lines[k], begin, length);
        if (lines[k].find(';') == std::string::npos) {
            // Without a ';' the new value takes the place of the leading digits.
            length = 0;
            while (length < lines[k].size() && lines[k][length] >= '0' && lines[k][length] <= '9') {
                ++length;
            }
        }
        written[k] = ModelWrite(std::string(lines[k]).replace(begin, length, "42"));
        std::string changed;
        for (const std::string& line : written) {
            changed += line;
        }
        Check(first.Write() == changed);
        Check(first.ValueView(static_cast<long long>(k)) == "42");
    }
    return 0;
}
