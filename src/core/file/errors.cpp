#include "file/errors.hpp"

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

IoError::IoError(int code, std::string path, std::optional<FileProblem> problem)
    : Error(IoErrorText(code)), code_(code), path_(std::move(path)),
      problem_(problem.value_or(ProblemOfResult(code))) {}

IoError::IoError(int code, OwnText text)
    : Error(text.text), code_(code), problem_(FileProblem::Unknown) {}

FileChangingError::FileChangingError()
    : Error("The file kept changing while it was read: another program is writing it") {}

ReplacementKeptError::ReplacementKeptError(int code, std::string keptPath)
    : IoError(code, OwnText{"The file could not be replaced and the original could not be put "
                            "back; the new content is kept in " +
                            keptPath}),
      keptPath_(std::move(keptPath)) {}

FileProblem ProblemOfResult(int code) noexcept {
    switch (code) {
    case 2:
        return FileProblem::Missing;
    case 3:
        return FileProblem::NoFolder;
    case 5:
        return FileProblem::Denied;
    case 32:
    case 33:
        return FileProblem::InUse;
    default:
        return FileProblem::Unknown;
    }
}

const LanguageEntry* RemedyOf(FileProblem problem) noexcept {
    // One row per problem the program knows a remedy for.
    static constexpr struct {
        FileProblem problem;
        const LanguageEntry* remedy;
    } kRemedies[] = {
        {FileProblem::Missing, &entries::kFileMissing},
        {FileProblem::NoFolder, &entries::kFolderMissing},
        {FileProblem::ReadOnly, &entries::kFileReadOnly},
        {FileProblem::Folder, &entries::kFolderInTheWay},
        {FileProblem::InUse, &entries::kFileInUse},
        {FileProblem::Denied, &entries::kAccessDenied},
        {FileProblem::RegistryValue, &entries::kRegistryValueUnreadable},
        {FileProblem::EndsEarly, &entries::kFileEndsEarly},
        {FileProblem::Empty, &entries::kFileEmpty},
        {FileProblem::NoOptions, &entries::kNoOptionsHeld},
    };
    for (const auto& row : kRemedies) {
        if (row.problem == problem) {
            return row.remedy;
        }
    }
    return nullptr;
}

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
