// The failures the program reports: each carries the exact text the user sees in the
// global error box. Only IoError carries a number as well, the runtime's I/O result, which
// the program's logic asks for where a result means something of its own (a file that is
// not there).
#pragma once

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

// The file layer's input/output errors, by the runtime's result number.
class IoError : public Error {
public:
    explicit IoError(int code);
    int code() const noexcept { return code_; }

protected:
    // A failure of its own kind with its own text.
    IoError(int code, const std::string& text);

private:
    int code_;
};

// The file kept changing while it was read: another program is writing it.
class FileChangingError : public Error {
public:
    FileChangingError();
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
