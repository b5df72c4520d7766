#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace brivonce {

// The keys of one section in the order they are to be written, values as
// IniFile's writes would store them; see IniFile::ReplaceSections.
class IniSection {
public:
    explicit IniSection(std::string name) : m_name(std::move(name)) {}

    void WriteString(std::string_view key, std::string_view value);
    void WriteInteger(std::string_view key, int32_t value);
    void WriteBool(std::string_view key, bool value);

    const std::string& name() const { return m_name; }
    const std::vector<std::pair<std::string, std::string>>& keys() const { return m_keys; }

private:
    std::string m_name;
    std::vector<std::pair<std::string, std::string>> m_keys;
};

// An INI file with the Windows profile-string semantics the settings rely on.
//
// The file is read once, when the object is built; reads and writes work on
// that copy and `Save` writes the whole file back at once, so a failed save
// leaves the previous file whole. Names and values are UTF-8 here and
// Windows-1252 in the file.
//
// Reading rules:
// - "[name]" (blanks around the line and the name ignored) starts a section;
//   a "[" line without "]" names the section with the rest of its line.
// - "key=value" belongs to the section above it; the key and the value are
//   read without the blanks (spaces, tabs) around them. Lines before the first
//   section and lines without "=" are never read, but they are kept.
// - Section and key names match without regard to letter case, for ASCII and
//   for the accented letters of Windows-1252 ("É" matches "é").
// - A section that appears more than once is read as one: the first matching
//   key in file order wins, and a write replaces that one.
// - A value reads as its first 2047 characters.
//
// Writing rules: an existing key has its value replaced in place (the key
// keeps its spelling from the file); a missing key is added after the last
// non-blank line of the first section with that name; a missing section is
// added at the end of the file. Every other line is kept byte for byte, though
// every line ends with CR LF once saved.
class IniFile {
public:
    // Reads the file now; a missing file is an empty one. A file that exists
    // but cannot be read raises Error "Impossible d'ouvrir le fichier <path>":
    // saving over it blindly would lose the user's settings.
    explicit IniFile(std::filesystem::path file);

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal with an optional sign, or hexadecimal after "0x"/"0X" (taken as
    // 32 unsigned bits, so "0x80000018" is negative). Empty, malformed or out
    // of range values give the default.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
    // Read as an integer: true when not 0.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Line breaks inside names and values are written as spaces, so that one
    // write never becomes two lines. Blanks at the ends of a value are written
    // but not read back.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Writes each key of `keys` into its section, as WriteString does.
    void Write(const IniSection& keys);
    // Removes every section of that name: its line and every line up to the
    // next section.
    void EraseSection(std::string_view section);
    // Removes the key from every section of that name; a section left without
    // any key goes with it.
    void EraseKey(std::string_view section, std::string_view key);
    // What EraseSection followed by the writes of each section's keys would
    // leave (the sections at the end of the file, in the given order), in one
    // pass over the file however many sections there are.
    void ReplaceSections(const std::vector<IniSection>& sections);
    bool SectionExists(std::string_view section) const;

    // Writes the whole file through ReplaceFile; failure raises Error
    // "Impossible d'écrire dans <full path>" and leaves the old file as it was.
    void Save() const;

    const std::filesystem::path& path() const { return m_path; }

private:
    // Where the sections and their keys are, so that reading many keys of a
    // large file (hundreds of post-it sections) costs one pass, not one per
    // key. Built at the first lookup after a change that moved lines.
    struct Index {
        // By section name with its letter case folded.
        std::unordered_map<std::string, size_t> firstSectionLine;
        std::unordered_map<std::string, std::vector<size_t>> keyLines;  // in file order
    };

    const Index& Lookup() const;
    std::optional<size_t> FindKeyLine(std::string_view fileSection, std::string_view fileKey) const;
    std::optional<size_t> FindSectionLine(std::string_view fileSection) const;
    // Removes every section whose folded name is in `foldedNames`.
    void EraseSections(const std::unordered_set<std::string>& foldedNames);

    std::filesystem::path m_path;
    std::vector<std::string> m_lines;  // Windows-1252, without line breaks
    mutable std::optional<Index> m_index;
};

}  // namespace brivonce
