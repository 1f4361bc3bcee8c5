// The line rules of the text files the program reads: LF ends a line, a CR is never part
// of a line (CR LF ends it, a lone CR simply vanishes), a Ctrl-Z where a line would begin
// ends the file, and the last line needs no line end.
#pragma once

#include <cstddef>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Reads a file's bytes line by line, in place. A line is a view into the buffer where the
// line stands; nothing is copied out. A CR right before the LF only shortens the line; only
// a line that holds a lone CR is compacted, its text moved up over the CR within its own
// bytes.
class LineReader {
public:
    // The buffer must not be resized or reallocated while it is read.
    explicit LineReader(std::string& bytes) noexcept : p_(bytes.data()), n_(bytes.size()) {}

    // The next line, or nothing at the end of the file. The view is valid while the buffer is.
    std::optional<std::string_view> Next() noexcept;

    // How many bytes at the front of the buffer hold the lines read so far, their line ends
    // included; at the end of the file, where the file ends (a Ctrl-Z ends it early).
    std::size_t Kept() const noexcept { return r_; }

private:
    char* p_;
    std::size_t n_;
    std::size_t r_ = 0; // where the next line begins
};

// The first maxLines lines of a file's bytes as strings; the rest is not looked at.
std::vector<std::string> SplitLines(std::string_view bytes,
                                    std::size_t maxLines = std::numeric_limits<std::size_t>::max());

// Inline: the document reader calls it for every line of files of many megabytes.
inline std::optional<std::string_view> LineReader::Next() noexcept {
    if (r_ >= n_ || p_[r_] == '\x1a') {
        n_ = r_; // Ctrl-Z where a line begins ends the file
        return std::nullopt;
    }
    char* const begin = p_ + r_;
    char* const lf = static_cast<char*>(std::memchr(begin, '\n', n_ - r_));
    char* end = lf ? lf : p_ + n_;
    r_ = lf ? static_cast<std::size_t>(end - p_) + 1 : n_;
    if (end > begin && end[-1] == '\r') {
        --end; // CR LF, or a CR at the end of the file
    }
    // A lone CR inside the line: the pieces after it are moved up over it.
    char* cr = static_cast<char*>(std::memchr(begin, '\r', static_cast<std::size_t>(end - begin)));
    if (cr == nullptr) {
        return std::string_view(begin, static_cast<std::size_t>(end - begin));
    }
    char* w = cr;
    for (char* from = cr + 1; from < end;) {
        char* next =
            static_cast<char*>(std::memchr(from, '\r', static_cast<std::size_t>(end - from)));
        char* stop = next ? next : end;
        std::memmove(w, from, static_cast<std::size_t>(stop - from));
        w += stop - from;
        from = stop + 1;
    }
    return std::string_view(begin, static_cast<std::size_t>(w - begin));
}

} // namespace korvane
