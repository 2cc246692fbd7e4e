#pragma once

#include <string>
#include <string_view>

namespace vornexa {

class Messenger;

inline constexpr char kSeparator = '/';

// Program, data and temporary folders, each ending with the separator.
struct Folders {
    std::string program;
    std::string data;
    std::string temp;
};

// Appends the separator when missing.
std::string WithSeparator(std::string_view folder);

// Data folder = documents (or desktop) + "MyQELTA/", temporary folder = that +
// "Temp/"; each falls back to the program folder. With create false nothing is
// made and a folder that does not exist yet falls back too.
Folders ResolveUserFolders(const std::string& documents, const std::string& desktop,
                           const std::string& program, bool create);

// Where the help and the reference documents are: "../share/vornexa/" beside
// the program folder when the program is installed, else the program folder
// itself (the build tree). Ends in the separator.
std::string DocumentFolder(const std::string& programFolder);

// True for an existing regular file; the wildcards "*" and "?" match like a
// directory listing.
bool FileExists(const std::string& path);
// True for an existing folder or file; "Invalid path: " unless quiet.
bool ValidPath(Messenger& messenger, const std::string& path, bool quiet);
// The text after the last separator; with stripExtension, cut before the first "."
// at position 2 or later. A path ending in the separator gives "" after a message.
std::string FileNamePart(Messenger& messenger, std::string_view path, bool stripExtension);
// Copies a text file; the copy always ends with a line end.
bool CopyTextFile(Messenger& messenger, const std::string& source, const std::string& destination);

// The whole content of a file; throws AppError on failure.
std::string ReadFileBytes(const std::string& path);
// What a save does with a symbolic link at the path: write the file it points
// to (the link survives), or put a regular file in the link's place.
enum class LinkPolicy { WriteThrough, Replace };

// Writes a temporary file beside `path`, flushes it and renames it over `path`,
// so a failure leaves the old file intact. In a folder that takes no new files a
// writable existing file is overwritten in place instead. Throws AppError on failure.
void AtomicWriteFile(const std::string& path, std::string_view bytes,
                     LinkPolicy links = LinkPolicy::WriteThrough);

}  // namespace vornexa
