// The in-memory f1graphics.cfg: its lines, addressed by zero-based line index. A line's
// value, tail, description and line number are read from the line when asked for.
//
// Each line's own bytes are kept. A line whose value is unchanged is written back exactly
// as read; a changed value replaces only the value's own characters. The tail and
// description are display views of at most 500 characters, derived from the line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class ConfigDocument {
public:
    // What changed, for views that show the lines.
    enum class Change { Reset, Value };
    using Listener = std::function<void(Change, std::size_t line)>;

    static constexpr std::size_t kViewLimit = 500;

    // Removes every line.
    void Clear();
    // Becomes the lines of a whole file's bytes (as Clear, then Append), with one Reset.
    void Assign(std::string bytes);

    // Appends the lines of a whole file's bytes. Lines end at LF; CRs are never part of a
    // line; a Ctrl-Z where a line would begin ends the file; the last line needs no end.
    void Append(std::string bytes);

    // The file's new content: every line, CR LF after each.
    std::string Write() const;
    void WriteTo(std::string& out) const;

    // Appends a line's text as the file's new content holds it, CR LF after it.
    static void WriteLine(std::string_view text, std::string& out);

    // Line k as it will be written, without its line end.
    std::string LineText(long long k) const;

    // Number of lines.
    std::size_t Count() const noexcept { return lines_.size(); }

    // Line k's value; ListIndexError outside 0 .. Count()-1.
    std::string Value(long long k) const { return std::string(ValueView(k)); }
    // The same without a copy; valid until the document changes.
    std::string_view ValueView(long long k) const;

    // Replaces line k's value in place. k = -1 names no line and is ignored (returns false);
    // k >= Count() fails with InsertLineError and changes nothing. The value as read puts the
    // line back as it was read.
    bool SetValue(long long k, std::string_view text);

    // Entry k as the reader found it, whatever was set since.
    std::string_view ReadValueView(long long k) const;

    // Display views: the line from its first non-digit (at most 500 characters), and the
    // text 4 characters after that (at most 500).
    std::string_view TailView(long long k) const;
    std::string_view DescriptionView(long long k) const;
    // The line's comment as read: the text after its first ';', leading characters of code
    // 32 or less removed (empty without a ';').
    std::string_view CommentView(long long k) const;

    // Observers are told of every change (Reset after Clear and Append).
    void AddListener(Listener listener) { listeners_.push_back(std::move(listener)); }

private:
    struct Line {
        std::size_t begin = 0;        // offset of the line's text in text_
        std::uint32_t length = 0;     // bytes of the line, CRs removed
        std::uint32_t valueBegin = 0; // the value's own characters, relative to begin
        std::uint32_t valueLength = 0;
        std::uint32_t tailBegin = 0; // first non-digit, relative to begin
        std::int32_t slot = -1;      // its value in changedValues_ once it was set, or -1
        bool changed = false;        // the value differs from the one read
    };

    const Line& At(long long k) const;
    void AppendLine(const Line& line, std::string& out) const;
    // Ends the line written into out from start on.
    static void EndLine(std::size_t start, std::string& out);
    std::string_view Text(const Line& line) const {
        return std::string_view(text_).substr(line.begin, line.length);
    }
    void Empty();
    void Notify(Change change, std::size_t line) const;

    std::string text_; // the bytes as read, line ends included; a line is a piece of them
    std::vector<Line> lines_;
    std::vector<std::string> changedValues_;
    std::vector<Listener> listeners_;
};

} // namespace korvane
