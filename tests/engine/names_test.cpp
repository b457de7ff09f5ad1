// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The names file: a figure gets the name written for its own solution bytes
// or none, whatever its number, and a damaged file never shows a wrong name.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "data.h"
#include "names.h"

using namespace tangram;

namespace {

constexpr Layout Square{
    {{60, 45, 10}, {72, 33, 6}, {69, 49, 0}, {60, 31, 2}, {51, 40, 14}, {67, 40, 2}, {56, 50, 22}}};
constexpr Layout Rectangle{
    {{77, 37, 0}, {63, 47, 4}, {70, 33, 2}, {46, 36, 8}, {54, 44, 0}, {75, 45, 0}, {65, 40, 4}}};

std::string Hex(const Layout& l) {
    std::string out;
    char two[3];
    for (const PieceState& s : l) {
        for (uint8_t b : {s.col, s.row, s.orient}) {
            std::snprintf(two, sizeof two, "%02x", b);
            out += two;
        }
    }
    return out;
}

const std::string Header = "quarv-tangram-names 1\n";
const std::string Categories = "category\t1\tShapes\tFormen\ncategory\t3\tAnimals\tTiere\n";

// Three puzzles: the rectangle, the square, and the square with one byte
// changed, as a catalogue edited after its names were written.
std::unique_ptr<GameData> Game() {
    auto game = std::make_unique<GameData>();
    game->PuzzleCount = 3;
    game->PuzzleTable[1] = Rectangle;
    game->PuzzleTable[2] = Square;
    game->PuzzleTable[3] = Square;
    game->PuzzleTable[3][6].col = 57;
    return game;
}

void Parse(GameData& game, const std::string& text) {
    game.Names = ParseNames(
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()), game);
}

TEST(Names, FollowTheSolutionBytesNotThePuzzleNumber) {
    auto game = Game();
    // The names file lists the square first and knows no record 3.
    Parse(*game, Header + Categories + "figure\t" + Hex(Square) + "\t1\tSquare\tQuadrat\n" +
                     "figure\t" + Hex(Rectangle) + "\t3\tLong cat\tLange Katze\n");
    game->Tongue = 0;
    EXPECT_EQ(NumberAndName(*game, 1), "1: Long cat");
    EXPECT_EQ(NumberNameAndCategory(*game, 1), "1: Long cat (Animals)");
    EXPECT_EQ(NumberNameAndCategory(*game, 2), "2: Square (Shapes)");
    EXPECT_EQ(NumberNameAndCategory(*game, 3), "3");  // its bytes changed
    game->Tongue = 1;
    EXPECT_EQ(NumberNameAndCategory(*game, 1), "1: Lange Katze (Tiere)");
    EXPECT_EQ(NumberAndName(*game, 2), "2: Quadrat");
    game->Tongue = 2;  // French has no names of its own
    EXPECT_EQ(NumberAndName(*game, 2), "2: Square");
    // Beyond the catalogue there is nothing to name.
    EXPECT_EQ(NumberAndName(*game, 4), "4");
    EXPECT_EQ(NumberAndName(*game, 0), "0");
}

TEST(Names, ACategoryWithoutANameLeavesOnlyTheFigureName) {
    auto game = Game();
    Parse(*game, Header + "figure\t" + Hex(Square) + "\t5\tSquare\tQuadrat\n");
    game->Tongue = 0;
    EXPECT_EQ(NumberNameAndCategory(*game, 2), "2: Square");
}

TEST(Names, DamagedFilesGiveNoWrongName) {
    const std::string square = "figure\t" + Hex(Square) + "\t1\tSquare\tQuadrat\n";
    auto named = [&](const std::string& text) {
        auto game = Game();
        game->Tongue = 0;
        Parse(*game, text);
        return NumberAndName(*game, 2);
    };
    ASSERT_EQ(named(Header + square), "2: Square");
    EXPECT_EQ(named(""), "2");
    EXPECT_EQ(named(square), "2");                              // no header
    EXPECT_EQ(named("quarv-tangram-names 2\n" + square), "2");  // a later version
    // A cut-off last line may have lost part of its name.
    EXPECT_EQ(named(Header + square.substr(0, square.size() - 3)), "2");
    EXPECT_EQ(named(Header + square.substr(0, square.size() - 1)), "2");
    // Broken lines are skipped; the lines around them still count.
    const std::string rectangle = "figure\t" + Hex(Rectangle) + "\t1\tBar\tBalken\n";
    for (const std::string& bad :
         {"figure\t" + Hex(Square).substr(2) + "\t1\tSquare\tQuadrat\n",        // short key
          "figure\t" + Hex(Square) + "\t1\tSquare\n",                           // a field missing
          "figure\t" + Hex(Square) + "\t0\tSquare\tQuadrat\n",                  // category 0
          "figure\t" + Hex(Square) + "\t1\tSq\x01uare\tQuadrat\n",              // a control byte
          "figure\t" + Hex(Square) + "\t1\tSquare\tQuadr\xC3\n",                // cut UTF-8
          "figure\t" + Hex(Square) + "\t1\t\xC0\xA0\tQuadrat\n",                // overlong form
          "figure\t" + Hex(Square) + "\t1\t\tQuadrat\n",                        // an empty name
          "figure\t" + Hex(Square) + "\t1\t" + std::string(81, 'a') + "\tQ\n",  // too long
          "\xFF\xFE" + square.substr(6),
          "figure\t" + std::string(42, 'g') + "\t1\tSquare\tQuadrat\n"}) {
        auto game = Game();
        game->Tongue = 0;
        Parse(*game, Header + bad + rectangle);
        EXPECT_EQ(NumberAndName(*game, 2), "2") << bad;
        EXPECT_EQ(NumberAndName(*game, 1), "1: Bar") << bad;
    }
    // Umlauts and other well-formed UTF-8 pass.
    auto game = Game();
    game->Tongue = 1;
    Parse(*game, Header + "figure\t" + Hex(Square) + "\t1\tSwan\tSchwan mit Flügeln\n");
    EXPECT_EQ(NumberAndName(*game, 2), "2: Schwan mit Flügeln");
    // A file larger than any catalogue's names is not ours.
    std::string huge = Header + square;
    huge.resize(MaxNamesFileBytes + 1, '\n');
    EXPECT_EQ(named(huge), "2");
}

class LoadNamesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("tangram-names-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        game_ = Game();
        game_->ProgramDir = dir_.string() + "/";
        game_->Tongue = 0;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path names() const { return dir_ / "mexa.names"; }

    std::filesystem::path dir_;
    std::unique_ptr<GameData> game_;
};

TEST_F(LoadNamesTest, ReadsTheFileBesideTheCatalogue) {
    std::ofstream(names()) << Header << "figure\t" << Hex(Square) << "\t1\tSquare\tQuadrat\n";
    LoadNames(*game_);
    EXPECT_EQ(NumberAndName(*game_, 2), "2: Square");
}

TEST_F(LoadNamesTest, NoFileAFolderOrAPipeMeanNoNames) {
    LoadNames(*game_);
    EXPECT_EQ(NumberAndName(*game_, 2), "2");
    std::filesystem::create_directory(names());
    LoadNames(*game_);
    EXPECT_EQ(NumberAndName(*game_, 2), "2");
    std::filesystem::remove(names());
    // A named pipe with no writer must not hold the game at start-up.
    ASSERT_EQ(::mkfifo(names().c_str(), 0600), 0);
    LoadNames(*game_);
    EXPECT_EQ(NumberAndName(*game_, 2), "2");
}

}  // namespace
