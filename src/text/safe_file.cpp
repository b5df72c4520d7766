#include "text/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>

#include "text/error.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;

// Temporaries are named after their target: ".<name>" + kTemporaryMark + six
// random characters, so that the ones a killed save leaves can be recognised.
constexpr std::string_view kTemporaryMark = ".brivonce-";
constexpr int kTemporaryRandomLength = 6;
constexpr int kMostLinksFollowed = 40;

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced (some file
// systems refuse) does not make the write fail.
void SyncFolder(const fs::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

fs::path FolderOf(const fs::path& file) {
    return file.parent_path().empty() ? fs::path(".") : file.parent_path();
}

// The file a chain of symbolic links ends at (the path itself when it is no
// link, existing or not), so that a save replaces the file the user's link
// points to instead of the link. nullopt for a loop.
std::optional<fs::path> FollowLinks(fs::path file) {
    for (int followed = 0; followed < kMostLinksFollowed; ++followed) {
        std::error_code ec;
        fs::file_status status = fs::symlink_status(file, ec);
        if (!fs::is_symlink(status)) {
            return file;
        }
        fs::path target = fs::read_symlink(file, ec);
        if (ec) {
            return std::nullopt;
        }
        file = target.is_absolute() ? target : FolderOf(file) / target;
    }
    return std::nullopt;
}

// Keeps the target's permission bits, so a file the user protected stays so.
mode_t ModeFor(const fs::path& target) {
    struct stat info {};
    return ::stat(target.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644;
}

bool WriteTemporary(const fs::path& target, std::string_view bytes, std::string& tempName) {
    std::string pattern = (FolderOf(target) / ("." + target.filename().string() +
                                               std::string(kTemporaryMark) + "XXXXXX"))
                              .string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        return false;
    }
    tempName = pattern;
    bool ok = ::fchmod(fd, ModeFor(target)) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    return ok;
}

// Only a regular file is ours to replace: a device, a named pipe, a socket or
// a folder in its place is left alone (renaming over /dev/full would turn the
// device into a plain file). `file` is no link: FollowLinks resolved those.
bool MissingOrRegular(const fs::path& file) {
    std::error_code ec;
    fs::file_status status = fs::symlink_status(file, ec);
    fs::file_type type = status.type();
    return type == fs::file_type::not_found || type == fs::file_type::regular;
}

// Reads an open regular file of `size` bytes to its end.
bool ReadAll(int fd, off_t size, std::string& bytes) {
    bytes.resize(static_cast<size_t>(size));
    size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            bytes.resize(bytes.size() + 4096);  // the file may have grown since
        }
        ssize_t count = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return false;
        }
        if (count == 0) {
            bytes.resize(done);
            return true;
        }
        done += static_cast<size_t>(count);
    }
}

}  // namespace

void ReplaceFile(const fs::path& target, std::string_view bytes, std::string_view failurePattern) {
    std::optional<fs::path> file = FollowLinks(target);
    std::string tempName;
    bool ok = file && MissingOrRegular(*file) && WriteTemporary(*file, bytes, tempName) &&
              ::rename(tempName.c_str(), file->c_str()) == 0;
    if (!ok) {
        if (!tempName.empty()) {
            ::unlink(tempName.c_str());
        }
        throw Error(FormatMessage(failurePattern, target.string()));
    }
    SyncFolder(FolderOf(*file));
}

std::optional<std::string> ReadWholeFile(const fs::path& file, std::string_view failurePattern,
                                         std::size_t maxBytes) {
    // Non-blocking, so that a named pipe in the file's place cannot hang the
    // program; it is refused below like every other file that is not regular.
    int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        throw Error(FormatMessage(failurePattern, file.string()));
    }
    struct stat info {};
    std::string bytes;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
              static_cast<std::size_t>(info.st_size) <= maxBytes &&
              ReadAll(fd, info.st_size, bytes) && bytes.size() <= maxBytes;
    ::close(fd);
    if (!ok) {
        throw Error(FormatMessage(failurePattern, file.string()));
    }
    return bytes;
}

bool IsLeftoverTemporary(std::string_view name) {
    std::size_t mark = name.rfind(kTemporaryMark);
    if (name.empty() || name[0] != '.' || mark == std::string_view::npos || mark < 2 ||
        name.size() != mark + kTemporaryMark.size() + kTemporaryRandomLength) {
        return false;
    }
    for (char c : name.substr(mark + kTemporaryMark.size())) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

void RemoveLeftoverTemporaries(const fs::path& folder) {
    std::error_code ec;
    for (fs::directory_iterator entry(folder, ec), end; !ec && entry != end; entry.increment(ec)) {
        std::error_code ignored;
        if (IsLeftoverTemporary(entry->path().filename().string()) &&
            entry->is_regular_file(ignored)) {
            fs::remove(entry->path(), ignored);
        }
    }
}

}  // namespace brivonce
