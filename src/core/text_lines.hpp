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

// Reads a file's bytes line by line, in place: each line's text, its CRs removed, is moved
// to the front of the buffer right behind the line before it. A line is a view into the
// buffer; nothing is copied out.
class LineReader {
public:
    // The buffer must not be resized or reallocated while it is read.
    explicit LineReader(std::string& bytes) noexcept : p_(bytes.data()), n_(bytes.size()) {}

    // The next line, or nothing at the end of the file. The view is valid while the buffer is.
    std::optional<std::string_view> Next() noexcept;

    // How many bytes at the front of the buffer hold the lines read so far.
    std::size_t Kept() const noexcept { return w_; }

private:
    char* p_;
    std::size_t n_;
    std::size_t r_ = 0; // where the next line begins
    std::size_t w_ = 0; // where its text goes
};

// The first maxLines lines of a file's bytes as strings; the rest is not looked at.
std::vector<std::string> SplitLines(std::string_view bytes,
                                    std::size_t maxLines = std::numeric_limits<std::size_t>::max());

// Inline: the document reader calls it for every line of files of many megabytes.
inline std::optional<std::string_view> LineReader::Next() noexcept {
    if (r_ >= n_ || p_[r_] == '\x1a') {
        r_ = n_; // Ctrl-Z where a line begins ends the file
        return std::nullopt;
    }
    const void* lf = std::memchr(p_ + r_, '\n', n_ - r_);
    const std::size_t end = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - p_) : n_;
    const std::size_t start = w_;
    // The pieces between CRs, moved up behind what is kept already.
    std::size_t from = r_;
    while (from < end) {
        const void* cr = std::memchr(p_ + from, '\r', end - from);
        const std::size_t stop =
            cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - p_) : end;
        if (w_ != from) {
            std::memmove(p_ + w_, p_ + from, stop - from);
        }
        w_ += stop - from;
        from = cr ? stop + 1 : end;
    }
    r_ = lf ? end + 1 : n_;
    return std::string_view(p_ + start, w_ - start);
}

} // namespace korvane
