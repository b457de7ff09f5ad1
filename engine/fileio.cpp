// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "fileio.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <string_view>

namespace tangram {

namespace {

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    const uint8_t* data = bytes.data();
    size_t size = bytes.size();
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// The file that a write really replaces: the target of a symbolic link, so that
// a linked file stays linked.
std::string ResolveTarget(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        auto target = std::filesystem::canonical(path, ec);
        if (!ec) {
            return target.string();
        }
    }
    return path;
}

struct Place {
    std::string dir;   // with its trailing '/', or empty for the working folder
    std::string name;  // the file's own name
    const char* DirOrDot() const { return dir.empty() ? "." : dir.c_str(); }
};

Place SplitPath(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {std::string(), path};
    }
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// Temporaries are named ".NAME.PID.N.tmp" beside the file NAME they replace.
std::string TemporaryName(const Place& place) {
    static std::atomic<unsigned> counter{0};
    return "." + place.name + "." + std::to_string(::getpid()) + "." +
           std::to_string(counter.fetch_add(1)) + ".tmp";
}

// The process id in a temporary's name made for `name`, or nothing when the
// name is not of that form.
std::optional<pid_t> TemporaryOwner(std::string_view entry, const std::string& name) {
    const std::string prefix = "." + name + ".";
    constexpr std::string_view suffix = ".tmp";
    if (entry.size() < prefix.size() + suffix.size() || !entry.starts_with(prefix) ||
        !entry.ends_with(suffix)) {
        return std::nullopt;
    }
    entry = entry.substr(prefix.size(), entry.size() - prefix.size() - suffix.size());  // PID.N
    const auto number = [](std::string_view s) {
        return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    const auto dot = entry.find('.');
    if (dot == std::string_view::npos || !number(entry.substr(0, dot)) ||
        !number(entry.substr(dot + 1))) {
        return std::nullopt;
    }
    pid_t pid = 0;
    if (std::from_chars(entry.data(), entry.data() + dot, pid).ec != std::errc()) {
        return std::nullopt;  // beyond any process id
    }
    return pid;
}

// Temporaries of this file that a save cut short by the program's death left
// behind. One of a copy of the game that is still running may be in use and
// stays; this process saves one file at a time, so its own are all stale.
void RemoveStaleTemporaries(const Place& place) {
    DIR* dir = ::opendir(place.DirOrDot());
    if (dir == nullptr) {
        return;
    }
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::optional<pid_t> owner = TemporaryOwner(entry->d_name, place.name);
        if (!owner || *owner <= 0) {
            continue;
        }
        const bool running = *owner != ::getpid() && (::kill(*owner, 0) == 0 || errno == EPERM);
        struct stat info {};
        if (!running && ::fstatat(dirFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode)) {
            ::unlinkat(dirFd, entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

// A file without a name in the target's folder: should the program die before
// it is linked in, it vanishes with it. -1 where the file system has no such
// files or the folder is not writable.
int OpenUnnamed(const Place& place) {
    return ::open(place.DirOrDot(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

// Gives the unnamed file a fresh temporary name, the step before it replaces
// the target. Fails where /proc is not mounted.
bool LinkUnnamed(int fd, const Place& place, std::string& tempPath) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = place.dir + TemporaryName(place);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, tempPath.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return true;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    tempPath.clear();
    return false;
}

// A named file beside the target, created exclusively so that two saves never
// share one. Returns its descriptor, or -1.
int CreateNamed(const Place& place, std::string& tempPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = place.dir + TemporaryName(place);
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            if (fd < 0) {
                tempPath.clear();
            }
            return fd;
        }
    }
    tempPath.clear();
    return -1;
}

// Fills a fresh temporary; a replaced file keeps its permissions.
bool Fill(int fd, std::span<const uint8_t> bytes, const struct stat* existing) {
    if (existing != nullptr) {
        ::fchmod(fd, existing->st_mode & 07777);
    }
    return WriteAll(fd, bytes) && ::fsync(fd) == 0;
}

// The last resort where no file can be made beside the target: its own bytes
// are overwritten. A file this small is written by one call.
WriteResult WriteInPlace(const std::string& target, std::span<const uint8_t> bytes) {
    int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        return WriteResult::CannotCreate;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && WriteAll(fd, bytes) &&
              ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0) {
        ok = false;
    }
    return ok ? WriteResult::Ok : WriteResult::WriteFailed;
}

// Makes the rename itself durable; a failure here loses nothing already saved.
void SyncFolder(const Place& place) {
    int fd = ::open(place.DirOrDot(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::optional<size_t> ReadFilePrefix(const std::string& path, std::span<uint8_t> into) {
    // Non-blocking, so that a named pipe cannot hold the game; it is refused
    // below like every other special file.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    size_t got = 0;
    while (ok && got < into.size()) {
        ssize_t n = ::read(fd, into.data() + got, into.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ok = false;
        } else if (n == 0) {
            break;
        } else {
            got += static_cast<size_t>(n);
        }
    }
    ::close(fd);
    if (!ok) {
        return std::nullopt;
    }
    return got;
}

WriteResult ReplaceFile(const std::string& path, std::span<const uint8_t> bytes) {
    const std::string target = ResolveTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        return WriteResult::CannotCreate;  // a folder or a device is no data file
    }
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        return WriteResult::CannotCreate;  // a write-protected file stays as it is
    }
    const Place place = SplitPath(target);
    RemoveStaleTemporaries(place);
    const struct stat* keepMode = exists ? &existing : nullptr;

    // Only a complete file replaces the old one; until then the old one stays.
    std::string tempPath;
    if (int fd = OpenUnnamed(place); fd >= 0) {
        bool ok = Fill(fd, bytes, keepMode);
        const bool linked = ok && LinkUnnamed(fd, place, tempPath);
        ok = ::close(fd) == 0 && ok;
        if (!ok) {
            if (linked) {
                ::unlink(tempPath.c_str());
            }
            return WriteResult::WriteFailed;
        }
    }
    if (tempPath.empty()) {
        // No unnamed files here, or no way to link one in: a named temporary.
        int fd = CreateNamed(place, tempPath);
        if (fd < 0) {
            return exists ? WriteInPlace(target, bytes) : WriteResult::CannotCreate;
        }
        bool ok = Fill(fd, bytes, keepMode);
        ok = ::close(fd) == 0 && ok;
        if (!ok) {
            ::unlink(tempPath.c_str());
            return WriteResult::WriteFailed;
        }
    }
    if (::rename(tempPath.c_str(), target.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return WriteResult::WriteFailed;
    }
    SyncFolder(place);
    return WriteResult::Ok;
}

}  // namespace tangram
