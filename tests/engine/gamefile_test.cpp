// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "gamefile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "fakes.h"

namespace tangram {
namespace {

using testing::ReadBytes;
using testing::TempDir;

GameData Game(int puzzles) {
    GameData game;
    game.PuzzleCount = puzzles;
    for (int k = 1; k <= MaxPuzzles; ++k) {
        game.PuzzleStatus[k] = static_cast<uint8_t>(k % 5 == 0 ? 8 : 0);
    }
    return game;
}

std::vector<uint8_t> Bytes(size_t count, uint8_t first = 1) {
    std::vector<uint8_t> out(count);
    for (size_t i = 0; i < count; ++i) {
        out[i] = static_cast<uint8_t>(first + i);
    }
    return out;
}

// Everything in the folder except `keep`: temporary files must not linger.
std::vector<std::string> OtherFiles(const std::string& folder, const std::string& keep) {
    std::vector<std::string> out;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename() != keep) {
            out.push_back(entry.path().filename().string());
        }
    }
    return out;
}

// Runs `save` in a child process (as an unprivileged user when the tests run as
// root, so that permissions count) and returns its result.
GameFileResult SaveInChild(const std::function<void()>& limit, const GameData& game,
                           const std::string& path) {
    pid_t pid = ::fork();
    if (pid == 0) {
        limit();
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(100);
        }
        ::_exit(static_cast<int>(SaveGame(game, path)));
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 100);
    return static_cast<GameFileResult>(WEXITSTATUS(status));
}

TEST(LoadGame, TakesOneByteForEachPuzzleInTheCatalogue) {
    TempDir dir;
    for (size_t size : {size_t{0}, size_t{10}, size_t{330}, size_t{400}}) {
        GameData game = Game(330);
        ASSERT_EQ(LoadGame(game, dir.Write("g.mxg", Bytes(size))), GameFileResult::Ok) << size;
        for (int k = 1; k <= 330; ++k) {
            const uint8_t expected = static_cast<size_t>(k) <= size ? static_cast<uint8_t>(k) : 0;
            ASSERT_EQ(game.PuzzleStatus[k], expected) << size << " " << k;
        }
    }
    // A smaller catalogue reads fewer bytes and leaves the rest alone.
    GameData small = Game(8);
    ASSERT_EQ(LoadGame(small, dir.Write("g.mxg", Bytes(20, 100))), GameFileResult::Ok);
    EXPECT_EQ(small.PuzzleStatus[8], 107);
    EXPECT_EQ(small.PuzzleStatus[9], 0);
    EXPECT_EQ(small.PuzzleStatus[10], 8);
}

TEST(LoadGame, FailureLeavesTheProgressUntouched) {
    TempDir dir;
    const GameData before = Game(330);
    GameData game = before;
    EXPECT_EQ(LoadGame(game, dir.File("missing.mxg")), GameFileResult::CannotOpen);
    EXPECT_EQ(LoadGame(game, dir.Path()), GameFileResult::CannotOpen);
    ASSERT_EQ(::mkfifo(dir.File("pipe.mxg").c_str(), 0600), 0);
    EXPECT_EQ(LoadGame(game, dir.File("pipe.mxg")), GameFileResult::CannotOpen);
    EXPECT_EQ(game.PuzzleStatus, before.PuzzleStatus);
}

TEST(SaveGame, WritesExactlyOneByteForEachPuzzleAndReplacesTheOldFile) {
    TempDir dir;
    const std::string path = dir.Write("spring.mxg", Bytes(400));
    GameData game = Game(330);
    game.PuzzleStatus[1] = 0xF3;
    ASSERT_EQ(SaveGame(game, path), GameFileResult::Ok);
    const auto saved = ReadBytes(path);
    EXPECT_EQ(saved, std::vector<uint8_t>(game.PuzzleStatus.begin() + 1, game.PuzzleStatus.end()));
    EXPECT_TRUE(OtherFiles(dir.Path(), "spring.mxg").empty());

    GameData loaded = Game(330);
    loaded.PuzzleStatus.fill(0x55);
    loaded.PuzzleStatus[0] = game.PuzzleStatus[0];  // no puzzle 0
    ASSERT_EQ(LoadGame(loaded, path), GameFileResult::Ok);
    EXPECT_EQ(loaded.PuzzleStatus, game.PuzzleStatus) << "round trip";

    ASSERT_EQ(SaveGame(Game(12), path), GameFileResult::Ok);
    EXPECT_EQ(ReadBytes(path).size(), 12u);
}

TEST(SaveGame, FailureReportsAndKeepsThePreviousFile) {
    TempDir dir;
    ::chmod(dir.Path().c_str(), 0755);
    const std::vector<uint8_t> previous = Bytes(330, 7);
    const GameData game = Game(330);

    EXPECT_EQ(SaveGame(game, dir.File("no/such/folder.mxg")), GameFileResult::CannotCreate);
    EXPECT_EQ(SaveGame(game, dir.Path()), GameFileResult::CannotCreate);

    // A folder the player may not write to, with a game file the player may
    // not write either.
    std::filesystem::create_directory(dir.File("locked"));
    const std::string locked = dir.Write("locked/old.mxg", previous);
    ::chmod(dir.File("locked").c_str(), 0555);
    EXPECT_EQ(SaveInChild([] {}, game, locked), GameFileResult::CannotCreate);
    EXPECT_EQ(ReadBytes(locked), previous);
    EXPECT_EQ(SaveInChild([] {}, game, dir.File("locked/new.mxg")), GameFileResult::CannotCreate);

    // A full disk, played by a file-size limit: the write fails half way.
    std::filesystem::create_directory(dir.File("open"));
    ::chmod(dir.File("open").c_str(), 0777);
    const std::string full = dir.Write("open/full.mxg", previous);
    ::chmod(full.c_str(), 0666);
    auto limitSize = [] {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    };
    EXPECT_EQ(SaveInChild(limitSize, game, full), GameFileResult::WriteFailed);
    EXPECT_EQ(ReadBytes(full), previous);

    // A write-protected game in a folder open to all.
    const std::string protectedGame = dir.Write("open/protected.mxg", previous);
    ::chmod(protectedGame.c_str(), 0444);
    EXPECT_EQ(SaveInChild([] {}, game, protectedGame), GameFileResult::CannotCreate);
    EXPECT_EQ(ReadBytes(protectedGame), previous);
    // No temporary file is left behind.
    const std::filesystem::directory_iterator files(dir.File("open"));
    EXPECT_EQ(std::distance(begin(files), end(files)), 2);
}

TEST(SaveGame, AWritableGameInAFolderThatIsNotIsWrittenInPlace) {
    TempDir dir;
    ::chmod(dir.Path().c_str(), 0755);
    std::filesystem::create_directory(dir.File("shared"));
    const std::string path = dir.Write("shared/spring.mxg", Bytes(330, 7));
    ::chmod(path.c_str(), 0666);
    ::chmod(dir.File("shared").c_str(), 0555);
    GameData game = Game(330);
    game.PuzzleStatus[3] = 0xF3;
    ASSERT_EQ(SaveInChild([] {}, game, path), GameFileResult::Ok);
    EXPECT_EQ(ReadBytes(path),
              std::vector<uint8_t>(game.PuzzleStatus.begin() + 1, game.PuzzleStatus.end()));
    // A smaller catalogue leaves no old bytes at the end.
    ASSERT_EQ(SaveInChild([] {}, Game(12), path), GameFileResult::Ok);
    EXPECT_EQ(ReadBytes(path).size(), 12u);
    EXPECT_TRUE(OtherFiles(dir.File("shared"), "spring.mxg").empty());
}

// A process id that no process has: a child's, once it has ended.
pid_t EndedProcess() {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(0);
    }
    ::waitpid(pid, nullptr, 0);
    return pid;
}

TEST(SaveGame, TemporariesOfEndedRunsAreRemovedAtTheNextSave) {
    TempDir dir;
    const std::string path = dir.Write("spring.mxg", Bytes(330));
    const std::string dead = std::to_string(EndedProcess());
    const std::string own = std::to_string(::getpid());
    const std::string running = std::to_string(::getppid());
    const std::vector<std::string> stale{".spring.mxg." + dead + ".0.tmp",
                                         ".spring.mxg." + own + ".17.tmp"};
    const std::vector<std::string> kept{".spring.mxg." + running + ".0.tmp",  // may be in use
                                        ".autumn.mxg." + dead + ".0.tmp",     // another game's
                                        ".spring.mxg." + dead + ".tmp", ".spring.mxg.x.0.tmp",
                                        "spring.mxg." + dead + ".0.tmp"};
    for (const auto& name : stale) {
        dir.Write(name, Bytes(100));
    }
    for (const auto& name : kept) {
        dir.Write(name, Bytes(100));
    }
    ASSERT_EQ(SaveGame(Game(330), path), GameFileResult::Ok);
    for (const auto& name : stale) {
        EXPECT_FALSE(std::filesystem::exists(dir.File(name))) << name;
    }
    for (const auto& name : kept) {
        EXPECT_TRUE(std::filesystem::exists(dir.File(name))) << name;
    }
}

TEST(SaveGame, KillsDuringSavesNeverCutTheGameShort) {
    TempDir dir;
    const GameData game = Game(330);
    const std::string path = dir.Write("spring.mxg", Bytes(330));
    const std::vector<uint8_t> saved(game.PuzzleStatus.begin() + 1, game.PuzzleStatus.end());
    for (int kill = 0; kill < 40; ++kill) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);  // never kill(-1)
        if (pid == 0) {
            for (;;) {
                SaveGame(game, path);
            }
        }
        ::usleep(static_cast<useconds_t>(200 + 150 * (kill % 13)));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        const auto bytes = ReadBytes(path);
        ASSERT_TRUE(bytes == saved || bytes == Bytes(330)) << "after kill " << kill;
    }
    // Whatever a kill left behind, the next save clears it away.
    ASSERT_EQ(SaveGame(game, path), GameFileResult::Ok);
    EXPECT_TRUE(OtherFiles(dir.Path(), "spring.mxg").empty());
}

}  // namespace
}  // namespace tangram
