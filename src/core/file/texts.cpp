#include "file/texts.hpp"

#include "file/text.hpp"
#include "file/text_lines.hpp"

#include <optional>

namespace korvane {

namespace {

// A line of the language file: everything from the first '#' on is a comment.
std::string EntryOfLine(std::string_view line) {
    const std::size_t hash = line.find('#');
    if (hash != std::string_view::npos) {
        line = line.substr(0, hash);
    }
    return std::string(Trim(line));
}

} // namespace

void Texts::Read(Platform& platform, const std::string& path) {
    std::string bytes;
    try {
        bytes = platform.ReadFile(path);
    } catch (const IoError& e) {
        throw Error(FileMessage(e.what(), e.problem(),
                                e.path().empty() ? platform.FullPath(path) : e.path()));
    }
    LineReader reader(bytes);
    std::vector<std::string> lines;
    for (std::optional<std::string_view> line;
         lines.size() < kLanguageFileLines && (line = reader.Next());) {
        lines.push_back(EntryOfLine(*line));
    }
    lines_ = std::move(lines);
}

std::string Texts::LanguageText(const LanguageEntry& entry) const {
    if (entry.index >= lines_.size() || lines_[entry.index].empty()) {
        return std::string(entry.germanDefault);
    }
    // A line of the file cannot hold a line break: the two characters \r stand for one.
    std::string text;
    const std::string& line = lines_[entry.index];
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == 'r') {
            text += '\r';
            ++i;
        } else {
            text += line[i];
        }
    }
    return text;
}

std::string Texts::FileMessage(std::string_view message, FileProblem problem,
                               const std::string& path, std::string_view detail) const {
    const LanguageEntry* remedy = RemedyOf(problem);
    if (!remedy) {
        return ErrorBoxText(message) + "\r" + path;
    }
    std::string filled(detail);
    switch (problem) {
    case FileProblem::NoFolder:
        filled = path.substr(0, path.find_last_of('\\'));
        break;
    case FileProblem::RegistryValue:
        filled = "HKEY_LOCAL_MACHINE\\" + std::string(kInstallDirKey);
        break;
    default:
        break;
    }
    return ErrorBoxText(message) + "\r" + FillIn(LanguageText(*remedy), path, filled);
}

} // namespace korvane
