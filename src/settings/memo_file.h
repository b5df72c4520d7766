#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace brivonce {

inline constexpr std::string_view kMemoFileName = "brivonce.txt";

// The text of an edit area (the memo, a post-it) as its file holds it:
// Windows-1252, character for character, with CR LF line breaks and nothing
// added after the last line.
//
// Reading gives UTF-8 in which every line break is CR LF (a lone CR or LF in
// the file becomes CR LF); a missing file is an empty text; a file that cannot
// be read raises Error "Impossible d'ouvrir le fichier <path>".
std::string ReadEditText(const std::filesystem::path& file);
// Any line break of `text` (CR LF, lone CR, lone LF) is written as CR LF.
// Failure raises Error "Impossible de créer le fichier <path>" and leaves the
// old file whole.
void WriteEditText(const std::filesystem::path& file, std::string_view text);

// The memo, data folder + "brivonce.txt".
std::string LoadMemoText(const std::filesystem::path& dataFolder);
void SaveMemoText(const std::filesystem::path& dataFolder, std::string_view text);

}  // namespace brivonce
