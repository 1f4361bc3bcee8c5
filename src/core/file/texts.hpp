// The program's texts: the language file's lines, the text of an entry beyond the caption
// table (with its German default), and the two-line messages about a file. The main form,
// the game folder and the command line share one.
#pragma once

#include "file/errors.hpp"
#include "file/language_entries.hpp"
#include "file/platform.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class Texts {
public:
    // The language file's entries, a line each, its comments cut off; lines after the
    // caption table's and the texts' entries are never read. A file that cannot be read
    // leaves the lines as they were and raises the file's message.
    void Read(Platform& platform, const std::string& path);
    const std::vector<std::string>& Lines() const noexcept { return lines_; }

    // A text the program adds beyond the caption table (entries 61 and up): the language
    // file's entry, or the German default when the file has none (or leaves it empty), so an
    // older language file still works. "\r" in the entry stands for a line break.
    std::string LanguageText(const LanguageEntry& entry) const;

    // A failure's message with a second line that names the file (a full path) and, where
    // the program knows it, what to do about the problem. detail fills the remedy's %2 where
    // the caller knows it (the last line of a file that ends early).
    std::string FileMessage(std::string_view message, FileProblem problem, const std::string& path,
                            std::string_view detail = {}) const;

private:
    std::vector<std::string> lines_;
};

} // namespace korvane
