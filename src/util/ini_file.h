#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornexa {

// Values are read at most this long, unless a caller asks for them whole.
inline constexpr size_t kMaxIniValueCharacters = 254;
inline constexpr size_t kWholeIniValue = std::string_view::npos;

// An INI text kept line by line, so that writing a key changes only its own line:
// case-insensitive section and key names, in-place replacement, new keys appended
// to their section, new sections appended to the file.
class IniFile {
  public:
    // Lines may end in CR LF, LF or a lone CR.
    static IniFile Parse(std::string_view utf8Text);
    // Reads the file; a missing or unreadable file gives an empty IniFile.
    static IniFile Load(const std::string& path);

    // The value, at most `maxCharacters` characters; nullopt when the key is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key,
                                   size_t maxCharacters = kMaxIniValueCharacters) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The whole text with CR LF line ends.
    std::string Serialize() const;
    // Replaces the file atomically; false when it could not be written.
    bool Save(const std::string& path) const;

  private:
    struct Line {
        std::string text;
        std::string section;  // the section the line belongs to
        std::string key;      // empty for headers, comments and blank lines
        bool header = false;
    };
    std::vector<Line> lines_;
};

}  // namespace vornexa
