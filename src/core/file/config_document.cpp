#include "file/config_document.hpp"

#include "file/errors.hpp"
#include "file/text.hpp"
#include "file/text_lines.hpp"

#include <algorithm>
#include <limits>

namespace korvane {

void ConfigDocument::Empty() {
    text_.clear();
    text_.shrink_to_fit();
    lines_.clear();
    changedValues_.clear();
}

void ConfigDocument::Clear() {
    Empty();
    Notify(Change::Reset, 0);
}

namespace {

// Where a line's value and tail lie. Value: the text before the first ';', trimmed.
// Tail: from the first character that is not a decimal digit.
void Describe(std::string_view text, std::uint32_t& valueBegin, std::uint32_t& valueLength,
              std::uint32_t& tailBegin) noexcept {
    const std::size_t semi = text.find(';');
    const std::string_view value = Trim(text.substr(0, semi == text.npos ? 0 : semi));
    // An empty value has no characters of its own: a new one goes in front of the line.
    valueBegin = value.empty() ? 0 : static_cast<std::uint32_t>(value.data() - text.data());
    valueLength = static_cast<std::uint32_t>(value.size());
    std::size_t t = 0;
    while (t < text.size() && text[t] >= '0' && text[t] <= '9') {
        ++t;
    }
    tailBegin = static_cast<std::uint32_t>(t);
}

} // namespace

void ConfigDocument::Assign(std::string bytes) {
    Empty();
    Append(std::move(bytes));
}

void ConfigDocument::Append(std::string bytes) {
    // One pass: each line is found where it stands in the bytes (only a line with a lone CR
    // is compacted), and described while its bytes are still in the cache. The bytes are
    // kept as they are, line ends and all; a line is its offset and length in them.
    const std::size_t base = text_.size();
    const std::size_t first = lines_.size();
    const std::size_t expected = first + bytes.size() / 48 + 1;
    if (lines_.capacity() < expected) {
        lines_.reserve(std::max(expected, 2 * lines_.capacity()));
    }
    try {
        LineReader reader(bytes);
        while (const std::optional<std::string_view> text = reader.Next()) {
            if (text->size() > std::numeric_limits<std::uint32_t>::max()) {
                throw Error("Line too long");
            }
            Line line;
            line.begin = base + static_cast<std::size_t>(text->data() - bytes.data());
            line.length = static_cast<std::uint32_t>(text->size());
            Describe(*text, line.valueBegin, line.valueLength, line.tailBegin);
            lines_.push_back(line);
        }
        bytes.resize(reader.Kept());
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

void ConfigDocument::AppendLine(const Line& line, std::string& out) const {
    std::string_view text = Text(line);
    if (!line.changed) {
        out.append(text);
        return;
    }
    // A line without ';' has no value of its own: the new one takes the place of its leading
    // digits ("1024" becomes "1280", "1024 x" becomes "1280 x").
    const std::size_t end = text.find(';') == std::string_view::npos
                                ? line.tailBegin
                                : line.valueBegin + line.valueLength;
    out.append(text.substr(0, line.valueBegin));
    out.append(changedValues_[static_cast<std::size_t>(line.slot)]);
    out.append(text.substr(end));
}

void ConfigDocument::WriteTo(std::string& out) const {
    std::size_t size = text_.size() + 2 * lines_.size();
    for (const std::string& v : changedValues_) {
        size += v.size();
    }
    out.reserve(out.size() + size);
    for (const Line& line : lines_) {
        const std::size_t start = out.size();
        AppendLine(line, out);
        EndLine(start, out);
    }
}

void ConfigDocument::WriteLine(std::string_view text, std::string& out) {
    const std::size_t start = out.size();
    out.append(text);
    EndLine(start, out);
}

void ConfigDocument::EndLine(std::size_t start, std::string& out) {
    // A line that begins with Ctrl-Z would end the file for the next reader, losing it and
    // every line after it. Such a line stood behind a lone CR in the file it came from;
    // writing that CR again keeps it a line.
    if (out.size() > start && out[start] == '\x1a') {
        out.insert(start, 1, '\r');
    }
    out.append("\r\n");
}

std::string ConfigDocument::LineText(long long k) const {
    const Line& line = At(k);
    if (!line.changed) {
        return std::string(Text(line));
    }
    std::string out;
    AppendLine(line, out);
    return out;
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
    if (line.changed) {
        return changedValues_[static_cast<std::size_t>(line.slot)];
    }
    return Text(line).substr(line.valueBegin, line.valueLength);
}

std::string_view ConfigDocument::ReadValueView(long long k) const {
    const Line& line = At(k);
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
    // The value as read puts the line back as read: a line without ';' keeps its digits.
    const bool changed = text != Text(line).substr(line.valueBegin, line.valueLength);
    if (changed && line.slot < 0) {
        line.slot = static_cast<std::int32_t>(changedValues_.size());
        changedValues_.emplace_back(text);
    } else if (changed) {
        changedValues_[static_cast<std::size_t>(line.slot)].assign(text);
    }
    line.changed = changed;
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
