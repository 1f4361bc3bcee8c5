#include "core/config_document.hpp"

#include "core/errors.hpp"
#include "core/text.hpp"

#include <algorithm>
#include <cstring>
#include <limits>

namespace korvane {

void ConfigDocument::Clear() {
    text_.clear();
    text_.shrink_to_fit();
    lines_.clear();
    changedValues_.clear();
    Notify(Change::Reset, 0);
}

namespace {

// Where a line's value and tail lie. Value: the text before the first ';', trimmed.
// Tail: from the first character that is not a decimal digit.
void Describe(const char* s, std::size_t len, std::uint32_t& valueBegin, std::uint32_t& valueLength,
              std::uint32_t& tailBegin) noexcept {
    const void* semi = std::memchr(s, ';', len);
    const std::size_t before =
        semi ? static_cast<std::size_t>(static_cast<const char*>(semi) - s) : 0;
    std::size_t vb = 0;
    std::size_t ve = before;
    while (vb < ve && IsBlank(s[vb])) {
        ++vb;
    }
    while (ve > vb && IsBlank(s[ve - 1])) {
        --ve;
    }
    // An empty value has no characters of its own: a new one goes in front of the line.
    valueBegin = ve > vb ? static_cast<std::uint32_t>(vb) : 0;
    valueLength = static_cast<std::uint32_t>(ve - vb);
    std::size_t t = 0;
    while (t < len && s[t] >= '0' && s[t] <= '9') {
        ++t;
    }
    tailBegin = static_cast<std::uint32_t>(t);
}

} // namespace

void ConfigDocument::Append(std::string bytes) {
    // One pass: compact each line in place (dropping every CR and the LFs) and describe it
    // while its bytes are still in the cache.
    char* const p = bytes.data();
    const std::size_t n = bytes.size();
    const std::size_t base = text_.size();
    const std::size_t first = lines_.size();
    const std::size_t expected = first + n / 48 + 1;
    if (lines_.capacity() < expected) {
        lines_.reserve(std::max(expected, 2 * lines_.capacity()));
    }
    try {
        std::size_t r = 0;
        std::size_t w = 0;
        while (r < n) {
            if (p[r] == '\x1a') {
                break; // Ctrl-Z where a line begins ends the file
            }
            const void* lf = std::memchr(p + r, '\n', n - r);
            const std::size_t e =
                lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - p) : n;
            const std::size_t start = w;
            std::size_t from = r;
            while (from < e) {
                const void* cr = std::memchr(p + from, '\r', e - from);
                const std::size_t stop =
                    cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - p) : e;
                if (w != from) {
                    std::memmove(p + w, p + from, stop - from);
                }
                w += stop - from;
                from = cr ? stop + 1 : e;
            }
            const std::size_t length = w - start;
            if (length > std::numeric_limits<std::uint32_t>::max()) {
                throw Error("Line too long");
            }
            Line line;
            line.begin = base + start;
            line.length = static_cast<std::uint32_t>(length);
            Describe(p + start, length, line.valueBegin, line.valueLength, line.tailBegin);
            lines_.push_back(line);
            r = lf ? e + 1 : n;
        }
        bytes.resize(w);
        if (text_.empty()) {
            text_ = std::move(bytes);
        } else {
            text_ += bytes;
        }
    } catch (...) {
        lines_.resize(first); // nothing of a failed append stays
        throw;
    }
    Notify(Change::Reset, 0);
}

void ConfigDocument::WriteTo(std::string& out) const {
    std::size_t size = text_.size() + 2 * lines_.size();
    for (const std::string& v : changedValues_) {
        size += v.size();
    }
    out.reserve(out.size() + size);
    for (const Line& line : lines_) {
        const std::size_t start = out.size();
        std::string_view text = Text(line);
        if (line.changed < 0) {
            out.append(text);
        } else {
            out.append(text.substr(0, line.valueBegin));
            out.append(changedValues_[static_cast<std::size_t>(line.changed)]);
            out.append(text.substr(line.valueBegin + line.valueLength));
        }
        // A line that begins with Ctrl-Z would end the file for the next reader, losing it
        // and every line after it. Such a line stood behind a lone CR in the file it came
        // from; writing that CR again keeps it a line.
        if (out.size() > start && out[start] == '\x1a') {
            out.insert(start, 1, '\r');
        }
        out.append("\r\n");
    }
}

std::string ConfigDocument::Write() const {
    std::string out;
    WriteTo(out);
    return out;
}

const ConfigDocument::Line& ConfigDocument::At(long long k) const {
    if (k < 0 || static_cast<unsigned long long>(k) >= lines_.size()) {
        throw ListIndexError(k);
    }
    return lines_[static_cast<std::size_t>(k)];
}

std::string_view ConfigDocument::ValueView(long long k) const {
    const Line& line = At(k);
    if (line.changed >= 0) {
        return changedValues_[static_cast<std::size_t>(line.changed)];
    }
    return Text(line).substr(line.valueBegin, line.valueLength);
}

bool ConfigDocument::SetValue(long long k, std::string_view text) {
    if (k == -1) {
        return false;
    }
    if (k < -1) {
        throw ListIndexError(k);
    }
    if (static_cast<unsigned long long>(k) >= lines_.size()) {
        throw InsertLineError();
    }
    Line& line = lines_[static_cast<std::size_t>(k)];
    // A value set back to what the file holds writes the same bytes again, so the slot
    // is simply reused.
    if (line.changed >= 0) {
        changedValues_[static_cast<std::size_t>(line.changed)].assign(text);
    } else {
        line.changed = static_cast<std::int32_t>(changedValues_.size());
        changedValues_.emplace_back(text);
    }
    Notify(Change::Value, static_cast<std::size_t>(k));
    return true;
}

std::string_view ConfigDocument::TailView(long long k) const {
    const Line& line = At(k);
    return Text(line).substr(line.tailBegin, kViewLimit);
}

std::string_view ConfigDocument::DescriptionView(long long k) const {
    const Line& line = At(k);
    std::string_view text = Text(line);
    const std::size_t from = std::size_t{line.tailBegin} + 4;
    return from >= text.size() ? std::string_view() : text.substr(from, kViewLimit);
}

std::string ConfigDocument::LineNumber(long long k) const {
    At(k);
    return std::to_string(k);
}

std::string_view ConfigDocument::CommentView(long long k) const {
    std::string_view text = Text(At(k));
    const std::size_t semi = text.find(';');
    if (semi == std::string_view::npos) {
        return {};
    }
    text.remove_prefix(semi + 1);
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

void ConfigDocument::Notify(Change change, std::size_t line) const {
    for (const Listener& listener : listeners_) {
        listener(change, line);
    }
}

} // namespace korvane
