// The failures the program reports: each carries the exact text the user sees in the
// global error box. Only IoError carries a number as well, the runtime's I/O result, which
// the program's logic asks for where a result means something of its own (a file that is
// not there), and what it knows of the file that stood in the way.
#pragma once

#include "file/language_entries.hpp"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace korvane {

// Base of every failure the program itself raises.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "List index out of bounds (%d)": reading an entry a list does not have.
class ListIndexError : public Error {
public:
    explicit ListIndexError(long long index);
    long long index() const noexcept { return index_; }

private:
    long long index_;
};

// "Unable to insert a line": replacing an entry at or beyond the end of a list.
class InsertLineError : public Error {
public:
    InsertLineError();
};

// "'%s' is not a valid integer value".
class ConvertError : public Error {
public:
    explicit ConvertError(const std::string& text);
};

// The file read holds no graphics options at all (a binary file, say): it is not shown, and
// nothing is saved over it.
class NoOptionsError : public Error {
public:
    using Error::Error;
};

// What stood in the way of a file: a message about a failure adds a line that names the
// file and, by this, what to do. The file layer tells the first ones; the program knows the
// others from what it was doing.
enum class FileProblem : std::uint8_t {
    Unknown,       // nothing the program knows a remedy for
    Missing,       // no file of that name
    NoFolder,      // its folder does not exist
    ReadOnly,      // the file is read-only
    Folder,        // a folder has the file's name
    InUse,         // another program holds the file open
    Denied,        // the system refuses access
    Changing,      // another program kept writing it while it was read
    RegistryValue, // the registry's value cannot be read as a folder
    EndsEarly,     // the file ends before a line the program reads or writes
    Empty,         // the file holds no line at all
    NoOptions,     // the file holds no graphics options
};

// The problem an I/O result stands for where the file layer says no more: 2 Missing,
// 3 NoFolder, 5 Denied, 32 and 33 (sharing and lock violations) InUse, others Unknown.
FileProblem ProblemOfResult(int code) noexcept;

// The second line's text for a problem: %1 is the file's full path, %2 its folder, the
// registry key or the last line the file has. Unknown and Changing have none: their line
// names the file alone.
const LanguageEntry* RemedyOf(FileProblem problem) noexcept;

// The file layer's input/output errors, by the runtime's result number.
class IoError : public Error {
public:
    // path: the file that stood in the way (empty: the one the command is about); the
    // problem, unless given, is the result's.
    explicit IoError(int code, std::string path = {},
                     std::optional<FileProblem> problem = std::nullopt);
    int code() const noexcept { return code_; }
    const std::string& path() const noexcept { return path_; }
    FileProblem problem() const noexcept { return problem_; }

protected:
    // A failure of its own kind with its own text.
    struct OwnText {
        std::string text;
    };
    IoError(int code, OwnText text);

private:
    int code_;
    std::string path_;
    FileProblem problem_;
};

// A failure's message with its second line (see Texts::FileMessage), and the problem it
// names, so a caller can tell a folder that is not there from a file that is not.
class FileError : public Error {
public:
    FileError(const std::string& message, FileProblem problem)
        : Error(message), problem_(problem) {}
    FileProblem problem() const noexcept { return problem_; }

private:
    FileProblem problem_;
};

// The file kept changing while it was read: another program is writing it.
class FileChangingError : public Error {
public:
    FileChangingError();
    // The same, said in the language file's words.
    explicit FileChangingError(const std::string& text) : Error(text) {}
};

// A replacement failed after the original had been moved away; the new content is
// kept in a file of its own. code() is the replacement's I/O result.
class ReplacementKeptError : public IoError {
public:
    ReplacementKeptError(int code, std::string keptPath);
    // The file that holds the new content.
    const std::string& keptPath() const noexcept { return keptPath_; }

private:
    std::string keptPath_;
};

// The text shown for an I/O result: "File not found" for 2, "I/O error 87" for others.
std::string IoErrorText(int code);

// The message of the exception being handled: what() for a std::exception, "Unknown error"
// for anything else. Call it only inside a catch block.
std::string CaughtText();

// "Failed to get data for '%s'" and "Invalid data type for '%s'" of the registry lookup.
class RegistryError : public Error {
public:
    using Error::Error;
};

} // namespace korvane
