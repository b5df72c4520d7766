#include "text/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "text/error.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;

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
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Keeps the target's permission bits, so a file the user protected stays so.
mode_t ModeFor(const fs::path& target) {
    struct stat info {};
    return ::stat(target.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644;
}

bool WriteTemporary(const fs::path& target, std::string_view bytes, std::string& tempName) {
    fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        return false;
    }
    tempName = pattern;
    bool ok = ::fchmod(fd, ModeFor(target)) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    return ok;
}

}  // namespace

void ReplaceFile(const fs::path& target, std::string_view bytes, std::string_view failurePattern) {
    std::string tempName;
    std::error_code ec;  // a name the system refuses (too long...) must not throw
    bool ok = !fs::is_directory(target, ec) && WriteTemporary(target, bytes, tempName) &&
              ::rename(tempName.c_str(), target.c_str()) == 0;
    if (!ok) {
        if (!tempName.empty()) {
            ::unlink(tempName.c_str());
        }
        throw Error(FormatMessage(failurePattern, target.string()));
    }
    SyncFolder(target.parent_path().empty() ? fs::path(".") : target.parent_path());
}

std::optional<std::string> ReadWholeFile(const fs::path& file, std::string_view failurePattern) {
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in || fs::is_directory(file, ec)) {
        throw Error(FormatMessage(failurePattern, file.string()));
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        throw Error(FormatMessage(failurePattern, file.string()));
    }
    return bytes;
}

}  // namespace brivonce
