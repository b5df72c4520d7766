#include "settings/memo_file.h"

#include "text/cp1252.h"
#include "text/error.h"
#include "text/lines.h"
#include "text/safe_file.h"

namespace brivonce {

std::string ReadEditText(const std::filesystem::path& file) {
    auto bytes = ReadWholeFile(file, kCannotOpen);
    return bytes ? Cp1252ToUtf8(NormalizeLineBreaks(*bytes)) : std::string();
}

void WriteEditText(const std::filesystem::path& file, std::string_view text) {
    ReplaceFile(file, Utf8ToCp1252(NormalizeLineBreaks(text)), kCannotCreate);
}

std::string LoadMemoText(const std::filesystem::path& dataFolder) {
    return ReadEditText(dataFolder / kMemoFileName);
}

void SaveMemoText(const std::filesystem::path& dataFolder, std::string_view text) {
    WriteEditText(dataFolder / kMemoFileName, text);
}

}  // namespace brivonce
