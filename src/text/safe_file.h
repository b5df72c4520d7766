#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace brivonce {

// The one way the program writes a data file: the bytes go to a temporary file
// in the target's folder, which is flushed to disk and renamed over the target.
// A crash or a full disk leaves the old file or the new one, never a mix. A
// target that is a symbolic link stays one: the file it leads to is replaced,
// in that file's folder. An existing target that is no regular file (a
// folder, a device, a named pipe, a socket) is refused. On failure raises
// Error with `failurePattern`, its "%s" replaced by the target's path.
void ReplaceFile(const std::filesystem::path& target, std::string_view bytes,
                 std::string_view failurePattern);

// Data files are small; anything larger is no file of ours.
inline constexpr std::size_t kMostDataFileBytes = 64 * 1024 * 1024;

// The whole content of a regular file, or nullopt when it does not exist.
// Raises Error with `failurePattern` when it exists but cannot be read, is no
// regular file (a folder, a pipe, a device), is larger than `maxBytes`, or is
// a symbolic link loop.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file,
                                         std::string_view failurePattern,
                                         std::size_t maxBytes = kMostDataFileBytes);

// A temporary that a save killed before its rename left behind.
bool IsLeftoverTemporary(std::string_view fileName);
// Removes those in `folder` (at start-up, when no save can be running).
// Failures are ignored: a temporary left there harms nothing.
void RemoveLeftoverTemporaries(const std::filesystem::path& folder);

}  // namespace brivonce
