// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "gamefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "fileio.h"

namespace tangram {

namespace {

int StoredPuzzles(const GameData& game) {
    return std::clamp(game.PuzzleCount, 0, MaxPuzzles);
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
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

// The file that a save really replaces: the target of a symbolic link, so that a
// linked game file stays linked.
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

// A fresh file beside `target`, created exclusively so that two saves never
// share one. Returns its descriptor, or -1.
int CreateTemporary(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('/');
    const std::string dir =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = dir + "." + name + "." + std::to_string(::getpid()) + "." +
                   std::to_string(counter.fetch_add(1)) + ".tmp";
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Makes the rename itself durable; a failure here loses nothing already saved.
void SyncFolder(const std::string& target) {
    const auto slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

GameFileResult LoadGame(GameData& game, const std::string& path) {
    // Read aside first: the progress in memory survives a file that fails half way.
    const int puzzles = StoredPuzzles(game);
    std::array<uint8_t, MaxPuzzles + 1> status{};
    if (!ReadFilePrefix(path, std::span(status).subspan(1, static_cast<size_t>(puzzles)))) {
        return GameFileResult::CannotOpen;
    }
    // A short file leaves the remaining puzzles unsolved.
    std::copy(status.begin() + 1, status.begin() + 1 + puzzles, game.PuzzleStatus.begin() + 1);
    return GameFileResult::Ok;
}

GameFileResult SaveGame(const GameData& game, const std::string& path) {
    const std::string target = ResolveTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        return GameFileResult::CannotCreate;  // a folder or a device is no game file
    }
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        return GameFileResult::CannotCreate;  // a write-protected game stays as it is
    }

    std::string tempPath;
    int fd = CreateTemporary(target, tempPath);
    if (fd < 0) {
        return GameFileResult::CannotCreate;
    }
    if (exists) {
        ::fchmod(fd, existing.st_mode & 07777);  // a replaced game keeps its permissions
    }
    const auto* bytes = game.PuzzleStatus.data() + 1;
    bool ok = WriteAll(fd, bytes, static_cast<size_t>(StoredPuzzles(game))) && ::fsync(fd) == 0;
    if (::close(fd) != 0) {
        ok = false;
    }
    // Only a complete file replaces the old one; until then the old game stays.
    if (!ok || ::rename(tempPath.c_str(), target.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return GameFileResult::WriteFailed;
    }
    SyncFolder(target);
    return GameFileResult::Ok;
}

}  // namespace tangram
