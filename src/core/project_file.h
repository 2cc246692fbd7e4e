#pragma once

#include <string>
#include <string_view>

#include "core/project.h"

namespace vornexa {

struct AppState;

// 52 for the current version tag, 51 for the older one, 0 for anything else.
// The tag is the first line without leading blanks, up to a comma.
int16_t ProjectFormatLevel(std::string_view firstLine);

// The file text of a project (UTF-8, CR LF), always in the current format.
std::string ProjectFileText(const ProjectRecord& project);

struct ProjectReadResult {
    enum class Kind { Ok, UnknownFormat, BadValue, EndedEarly };
    Kind kind = Kind::Ok;
    std::string message;  // for BadValue: which line holds what
};

// Reads a project text into `project`; on anything but Ok the record is untouched.
ProjectReadResult ReadProjectText(std::string_view text, ProjectRecord& project);

// Re-flows the description and writes CurrentFile atomically. Throws AppError
// when the file cannot be written or would not read back (a value that is not
// finite); the previous file is then left intact.
bool FileSave(AppState& state);

// Resets the record and reads CurrentFile. False, after a message, for a file
// that is not a project or holds values the program cannot use; throws AppError
// when the file cannot be read or ends early. On any failure the record and the
// output are as they were before the call (CurrentFile naming the file that failed).
bool FileOpen(AppState& state);

}  // namespace vornexa
