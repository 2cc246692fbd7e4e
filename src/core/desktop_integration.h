#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Registering the project files with a freedesktop desktop: a shared-mime-info
// package for the extension and a desktop entry that opens them with this program.
namespace vornexa {

inline constexpr std::string_view kProjectMimeType = "application/x-vornexa-project";
inline constexpr std::string_view kDesktopEntryName = "vornexa.desktop";

// Why the extension cannot be associated, or nothing when it can: an empty one, or
// one holding a wildcard, a blank or a separator, would claim other people's files.
std::optional<std::string> ExtensionRefusal(std::string_view extension);
std::string AssociationQuestion(std::string_view extension);
std::string AssociationDoneMessage(std::string_view extension, std::string_view openCommand);
// What the history log keeps of an association: folder, program and extension.
std::string AssociationLogLine(std::string_view programFolder, std::string_view programName,
                               std::string_view extension);

// One argument of an Exec key, quoted when it holds a reserved character, with
// "%" doubled so it is never taken for a field code.
std::string QuoteExecArgument(std::string_view argument);
// The program followed by the field code of a single file.
std::string ExecCommand(std::string_view programPath);
// A value of a desktop entry, its backslashes and control characters escaped.
std::string EscapeEntryValue(std::string_view value);

// The package declares the extension in its own case, upper and lower case.
std::string MimePackageXml(std::string_view extension);
// The entry's Exec line holds `execCommand`, escaped as an entry value.
std::string DesktopEntryText(std::string_view execCommand);

// $XDG_DATA_HOME when it is absolute, else $HOME/.local/share; nullopt when
// neither gives an absolute folder. Ends without a separator.
std::optional<std::string> DataHome(const char* xdgDataHome, const char* home);

struct AssociationFiles {
    std::string mimeFolder;
    std::string mimePackage;
    std::string desktopEntry;
};
AssociationFiles AssociationPaths(std::string_view dataHome);

struct ProgramCall {
    std::string program;
    std::vector<std::string> arguments;
};
// Rebuilds the user's mime database, then makes the entry the type's default.
std::vector<ProgramCall> AssociationCommands(const AssociationFiles& files);

}  // namespace vornexa
