#include "settings/ini_file.h"

#include <limits>
#include <utility>

#include "text/cp1252.h"
#include "text/error.h"
#include "text/lines.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

constexpr size_t kMaxValueLength = 2047;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Lower case of a Windows-1252 byte: ASCII, the Latin-1 letters (not the
// multiplication sign) and the four upper-case letters of 0x80..0x9F.
unsigned char FoldCase(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    if (c == 0x8A || c == 0x8C || c == 0x8E) {  // Š Œ Ž
        return static_cast<unsigned char>(c + 0x10);
    }
    return c == 0x9F ? 0xFF : c;  // Ÿ
}

std::string FoldedName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        c = static_cast<char>(FoldCase(static_cast<unsigned char>(c)));
    }
    return folded;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(static_cast<unsigned char>(a[i])) !=
            FoldCase(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

struct ParsedLine {
    enum class Kind { kOther, kSection, kKey };
    Kind kind = Kind::kOther;
    std::string_view name;   // section or key name, without blanks
    std::string_view value;  // keys only, without blanks
};

ParsedLine Parse(std::string_view line) {
    std::string_view text = Trim(line);
    if (!text.empty() && text.front() == '[') {
        size_t close = text.find(']');
        return {ParsedLine::Kind::kSection,
                Trim(text.substr(1, close == text.npos ? close : close - 1)),
                {}};
    }
    size_t equals = text.find('=');
    if (equals == text.npos) {
        return {};
    }
    return {ParsedLine::Kind::kKey, Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

// A name or value as the file holds it, on one line.
std::string ToFileText(std::string_view text) {
    std::string bytes = Utf8ToCp1252(text);
    for (char& c : bytes) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return bytes;
}

std::optional<int32_t> ParseHexadecimal(std::string_view digits) {
    uint64_t value = 0;
    for (char c : digits) {
        int digit = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : -1;
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<uint64_t>(digit);
        if (value > std::numeric_limits<uint32_t>::max()) {
            return std::nullopt;
        }
    }
    // The 32 bits as they stand: system colours are written this way.
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > kLimit) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

std::optional<int32_t> ParseInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return ParseHexadecimal(text.substr(2));
    }
    return ParseDecimal(text);
}

std::filesystem::path Absolute(std::filesystem::path file) {
    std::error_code ignored;
    std::filesystem::path absolute = std::filesystem::absolute(file, ignored);
    return absolute.empty() ? file : absolute;
}

}  // namespace

void IniSection::WriteString(std::string_view key, std::string_view value) {
    m_keys.emplace_back(key, value);
}

void IniSection::WriteInteger(std::string_view key, int32_t value) {
    WriteString(key, std::to_string(value));
}

void IniSection::WriteBool(std::string_view key, bool value) {
    WriteString(key, value ? "1" : "0");
}

IniFile::IniFile(std::filesystem::path file) : m_path(Absolute(std::move(file))) {
    if (auto bytes = ReadWholeFile(m_path, kCannotOpen)) {
        // A file saved by an editor as UTF-8 may start with a byte-order mark,
        // which would hide its first section.
        constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
        if (bytes->starts_with(kByteOrderMark)) {
            bytes->erase(0, kByteOrderMark.size());
        }
        m_lines = SplitLines(*bytes);
    }
}

const IniFile::Index& IniFile::Lookup() const {
    if (m_index) {
        return *m_index;
    }
    Index& index = m_index.emplace();
    std::vector<size_t>* keys = nullptr;  // of the section being read
    for (size_t i = 0; i < m_lines.size(); ++i) {
        ParsedLine line = Parse(m_lines[i]);
        if (line.kind == ParsedLine::Kind::kSection) {
            std::string name = FoldedName(line.name);
            index.firstSectionLine.try_emplace(name, i);
            keys = &index.keyLines[name];
        } else if (keys != nullptr && line.kind == ParsedLine::Kind::kKey) {
            keys->push_back(i);
        }
    }
    return index;
}

std::optional<size_t> IniFile::FindKeyLine(std::string_view fileSection,
                                           std::string_view fileKey) const {
    const auto& keyLines = Lookup().keyLines;
    auto section = keyLines.find(FoldedName(fileSection));
    if (section != keyLines.end()) {
        for (size_t i : section->second) {
            if (SameName(Parse(m_lines[i]).name, fileKey)) {
                return i;
            }
        }
    }
    return std::nullopt;
}

std::optional<size_t> IniFile::FindSectionLine(std::string_view fileSection) const {
    const auto& sectionLines = Lookup().firstSectionLine;
    auto found = sectionLines.find(FoldedName(fileSection));
    return found != sectionLines.end() ? std::optional(found->second) : std::nullopt;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    auto index = FindKeyLine(ToFileText(section), ToFileText(key));
    if (!index) {
        return std::string(defaultValue);
    }
    return Cp1252ToUtf8(Parse(m_lines[*index]).value.substr(0, kMaxValueLength));
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                             int32_t defaultValue) const {
    // ASCII digits read the same in both encodings.
    return ParseInteger(ReadString(section, key, "")).value_or(defaultValue);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string fileSection = ToFileText(section);
    std::string fileKey = ToFileText(key);
    std::string fileValue = ToFileText(value);
    if (auto index = FindKeyLine(fileSection, fileKey)) {
        std::string& line = m_lines[*index];
        line = std::string(Parse(line).name) + "=" + fileValue;
        return;
    }
    auto sectionLine = FindSectionLine(fileSection);
    m_index.reset();  // lines are added below
    if (!sectionLine) {
        m_lines.push_back("[" + fileSection + "]");
        m_lines.push_back(fileKey + "=" + fileValue);
        return;
    }
    // After the section's last non-blank line, so that a blank line left
    // between sections stays between them.
    size_t insertAt = *sectionLine + 1;
    for (size_t i = insertAt; i < m_lines.size(); ++i) {
        if (Parse(m_lines[i]).kind == ParsedLine::Kind::kSection) {
            break;
        }
        if (!Trim(m_lines[i]).empty()) {
            insertAt = i + 1;
        }
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                   fileKey + "=" + fileValue);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::Write(const IniSection& keys) {
    for (const auto& [key, value] : keys.keys()) {
        WriteString(keys.name(), key, value);
    }
}

void IniFile::EraseSection(std::string_view section) {
    EraseSections({FoldedName(ToFileText(section))});
}

void IniFile::EraseSections(const std::unordered_set<std::string>& foldedNames) {
    std::vector<std::string> kept;
    kept.reserve(m_lines.size());
    bool erasing = false;
    for (auto& line : m_lines) {
        ParsedLine parsed = Parse(line);
        if (parsed.kind == ParsedLine::Kind::kSection) {
            erasing = foldedNames.contains(FoldedName(parsed.name));
        }
        if (!erasing) {
            kept.push_back(std::move(line));
        }
    }
    m_lines = std::move(kept);
    m_index.reset();
}

void IniFile::ReplaceSections(const std::vector<IniSection>& sections) {
    std::unordered_set<std::string> names;
    for (const IniSection& section : sections) {
        names.insert(FoldedName(ToFileText(section.name())));
    }
    EraseSections(names);
    for (const IniSection& section : sections) {
        m_lines.push_back("[" + ToFileText(section.name()) + "]");
        for (const auto& [key, value] : section.keys()) {
            m_lines.push_back(ToFileText(key) + "=" + ToFileText(value));
        }
    }
}

void IniFile::EraseKey(std::string_view section, std::string_view key) {
    std::string fileSection = ToFileText(section);
    std::string fileKey = ToFileText(key);
    while (auto index = FindKeyLine(fileSection, fileKey)) {
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(*index));
        m_index.reset();
    }
    bool inSection = false;
    for (const std::string& line : m_lines) {
        ParsedLine parsed = Parse(line);
        if (parsed.kind == ParsedLine::Kind::kSection) {
            inSection = SameName(parsed.name, fileSection);
        } else if (inSection && parsed.kind == ParsedLine::Kind::kKey) {
            return;  // the section still holds something
        }
    }
    EraseSection(section);
}

bool IniFile::SectionExists(std::string_view section) const {
    return FindSectionLine(ToFileText(section)).has_value();
}

void IniFile::Save() const {
    ReplaceFile(m_path, JoinLinesCrLf(m_lines), kCannotWrite);
}

}  // namespace brivonce
