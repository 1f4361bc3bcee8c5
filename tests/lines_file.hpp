// Files for tests, shared by the native and the Windows tests: game files of n lines
// "value\t; line k" with CR LF ends, every value not given "0"; a file's lines, and lines
// joined into a file as the program writes it; the files of the repository's data folder.
#pragma once

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvane::testing {

inline std::string LinesFile(int n, const std::map<int, std::string>& values = {}) {
    std::string s;
    for (int k = 0; k < n; ++k) {
        auto it = values.find(k);
        s += (it == values.end() ? std::string("0") : it->second) + "\t; line " +
             std::to_string(k) + "\r\n";
    }
    return s;
}

// A profile as large as one may be: the game's file followed by extra lines (60,000 unless
// said) "value\t; note k", each padded to 17 bytes, CR LF included, for 1 MiB in all.
inline std::string LargeProfile(std::string game, int extraLines = 60000) {
    for (int k = 0; k < extraLines; ++k) {
        std::string line = std::to_string(k % 7) + "\t; note " + std::to_string(k);
        line.resize(15, ' ');
        game += line + "\r\n";
    }
    return game;
}

// A file's lines: split at LF, every CR dropped; the last line needs no LF.
inline std::vector<std::string> FileLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : bytes) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!bytes.empty() && bytes.back() != '\n') {
        lines.push_back(line);
    }
    return lines;
}

// The lines with CR LF after each.
inline std::string CrLfFile(const std::vector<std::string>& lines) {
    std::string s;
    for (const std::string& line : lines) {
        s += line + "\r\n";
    }
    return s;
}

// A file of the repository's data folder, whole. It throws when the file cannot be read, so
// that no test compares against an empty file by mistake.
inline std::string DataFile(const std::string& relative) {
#ifdef _WIN32
    const std::string path = std::string("Z:") + KORVANE_DATA_DIR + "/" + relative; // wine
#else
    const std::string path = std::string(KORVANE_DATA_DIR) + "/" + relative;
#endif
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace korvane::testing
