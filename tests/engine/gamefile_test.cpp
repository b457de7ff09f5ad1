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
std::vector<std::string> OtherFiles(const TempDir& dir, const std::string& keep) {
    std::vector<std::string> out;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
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
    EXPECT_TRUE(OtherFiles(dir, "spring.mxg").empty());

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

    // A folder the player may not write to.
    std::filesystem::create_directory(dir.File("locked"));
    const std::string locked = dir.Write("locked/old.mxg", previous);
    ::chmod(dir.File("locked").c_str(), 0555);
    EXPECT_EQ(SaveInChild([] {}, game, locked), GameFileResult::CannotCreate);
    EXPECT_EQ(ReadBytes(locked), previous);

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

}  // namespace
}  // namespace tangram
