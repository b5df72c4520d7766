#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace brivonce {

// The one way the program writes a data file: the bytes go to a temporary file
// in the target's folder, which is flushed to disk and renamed over the target.
// A crash or a full disk leaves the old file or the new one, never a mix and
// never a stray temporary. On failure raises Error with `failurePattern`, its
// "%s" replaced by the target's path.
void ReplaceFile(const std::filesystem::path& target, std::string_view bytes,
                 std::string_view failurePattern);

// The whole content of a file, or nullopt when it does not exist. Raises Error
// with `failurePattern` when it exists but cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file,
                                         std::string_view failurePattern);

}  // namespace brivonce
