#include "core/errors.hpp"

#include <utility>

namespace korvane {

ListIndexError::ListIndexError(long long index)
    : Error("List index out of bounds (" + std::to_string(index) + ")"), index_(index) {}

InsertLineError::InsertLineError() : Error("Unable to insert a line") {}

ConvertError::ConvertError(const std::string& text)
    : Error("'" + text + "' is not a valid integer value") {}

std::string CaughtText() {
    try {
        throw;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

IoError::IoError(int code) : Error(IoErrorText(code)), code_(code) {}

IoError::IoError(int code, const std::string& text) : Error(text), code_(code) {}

FileChangingError::FileChangingError()
    : Error("The file kept changing while it was read: another program is writing it") {}

ReplacementKeptError::ReplacementKeptError(int code, std::string keptPath)
    : IoError(code, "The file could not be replaced and the original could not be put back; "
                    "the new content is kept in " +
                        keptPath),
      keptPath_(std::move(keptPath)) {}

std::string IoErrorText(int code) {
    switch (code) {
    case 2:
        return "File not found";
    case 3:
        return "Invalid filename";
    case 4:
        return "Too many open files";
    case 5:
        return "File access denied";
    case 100:
        return "Read beyond end of file";
    case 101:
        return "Disk full";
    case 106:
        return "Invalid numeric input";
    default:
        return "I/O error " + std::to_string(code);
    }
}

} // namespace korvane
