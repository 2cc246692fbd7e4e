#include "core/desktop_integration.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

#include "util/text.h"

namespace vornexa {
namespace {

constexpr std::string_view kExecReserved = " \t\n\"'\\><~|&;$*?#()`";
constexpr std::string_view kEscapedInQuotes = "\"`$\\";
constexpr std::string_view kNotInExtension = "*?[]/\\";

std::string ToLowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

struct Replacement {
    char from;
    std::string_view to;
};

// Each character named in the table becomes its replacement; the others stay.
std::string Replaced(std::string_view text, std::initializer_list<Replacement> table) {
    std::string out;
    for (const char c : text) {
        const auto* hit = std::find_if(table.begin(), table.end(),
                                       [c](const Replacement& r) { return r.from == c; });
        if (hit != table.end()) {
            out += hit->to;
        } else {
            out += c;
        }
    }
    return out;
}

std::string EscapeXml(std::string_view text) {
    return Replaced(text, {{'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}});
}

std::string DoublePercents(std::string_view text) {
    return Replaced(text, {{'%', "%%"}});
}

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::string WithoutTrailingSeparators(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

}  // namespace

std::optional<std::string> ExtensionRefusal(std::string_view extension) {
    if (extension.empty()) {
        return std::string(
            "No default extension for data files is set, so no file association can be made. "
            "Set one in the Settings first.");
    }
    const bool matchesOthers = std::any_of(extension.begin(), extension.end(), [](char c) {
        return static_cast<unsigned char>(c) <= ' ' || c == '\x7F' ||
               kNotInExtension.find(c) != std::string_view::npos;
    });
    if (matchesOthers) {
        return "No file association can be made for the extension " + std::string(extension) +
               ": it holds a wildcard, a blank or a folder separator.";
    }
    return std::nullopt;
}

std::string AssociationQuestion(std::string_view extension) {
    return "This operation may break an existing association of file extension " +
           std::string(extension) + " with other programs on this computer. Proceed?";
}

std::string AssociationDoneMessage(std::string_view extension, std::string_view openCommand) {
    return "The file association for " + std::string(extension) + " has been made to " +
           std::string(openCommand);
}

std::string AssociationLogLine(std::string_view programFolder, std::string_view programName,
                               std::string_view extension) {
    return std::string(programFolder) + " " + std::string(programName) + " " +
           std::string(extension);
}

std::string QuoteExecArgument(std::string_view argument) {
    const std::string plain = DoublePercents(argument);
    if (!argument.empty() && argument.find_first_of(kExecReserved) == std::string_view::npos) {
        return plain;
    }
    std::string quoted = "\"";
    for (const char c : plain) {
        if (kEscapedInQuotes.find(c) != std::string_view::npos) {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

std::string ExecCommand(std::string_view programPath) {
    return QuoteExecArgument(programPath) + " %f";
}

std::string EscapeEntryValue(std::string_view value) {
    return Replaced(value, {{'\\', "\\\\"}, {'\n', "\\n"}, {'\t', "\\t"}, {'\r', "\\r"}});
}

std::string MimePackageXml(std::string_view extension) {
    std::vector<std::string> patterns;
    for (const std::string& form :
         {std::string(extension), ToUpperAscii(extension), ToLowerAscii(extension)}) {
        if (std::find(patterns.begin(), patterns.end(), form) == patterns.end()) {
            patterns.push_back(form);
        }
    }
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"" +
        std::string(kProjectMimeType) +
        "\">\n"
        "    <comment>Vornexa project</comment>\n"
        "    <sub-class-of type=\"text/plain\"/>\n";
    for (const std::string& pattern : patterns) {
        xml += "    <glob pattern=\"*." + EscapeXml(pattern) + "\"/>\n";
    }
    return xml +
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string DesktopEntryText(std::string_view execCommand) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Vornexa\n"
           "Comment=Ground-control design for underground coal mines\n"
           "Exec=" +
           EscapeEntryValue(execCommand) +
           "\n"
           "Icon=vornexa\n"
           "Terminal=false\n"
           "MimeType=" +
           std::string(kProjectMimeType) +
           ";\n"
           "Categories=Science;Engineering;\n";
}

std::optional<std::string> DataHome(const char* xdgDataHome, const char* home) {
    // A relative XDG_DATA_HOME is invalid and must be ignored.
    if (IsAbsolute(xdgDataHome)) {
        return WithoutTrailingSeparators(xdgDataHome);
    }
    if (IsAbsolute(home)) {
        const std::string base = WithoutTrailingSeparators(home);
        return (base == "/" ? "" : base) + "/.local/share";
    }
    return std::nullopt;
}

AssociationFiles AssociationPaths(std::string_view dataHome) {
    const std::string base(dataHome);
    return {base + "/mime", base + "/mime/packages/vornexa-mime.xml",
            base + "/applications/" + std::string(kDesktopEntryName)};
}

std::vector<ProgramCall> AssociationCommands(const AssociationFiles& files) {
    return {
        {"update-mime-database", {files.mimeFolder}},
        {"xdg-mime", {"default", std::string(kDesktopEntryName), std::string(kProjectMimeType)}}};
}

}  // namespace vornexa
