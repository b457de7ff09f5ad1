// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tangram {

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

}  // namespace tangram
