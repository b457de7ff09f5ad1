// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Reading and writing the catalogue's three forms: designs, source and
// records, and placing designs on the board.
#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <sstream>

#include "catalogue/catalogue.h"
#include "catalogue/check.h"
#include "catalogue/design.h"
#include "catalogue/geometry.h"
#include "catalogue/source.h"
#include "data.h"
#include "fixtures.h"
#include "names.h"

using namespace tangram;
using namespace tangram::catalogue;

namespace {

using tangram::test::Data;
using tangram::test::Rectangle;
using tangram::test::Square;

const char* const SquareFigure =
    "figure 1 \"Square\" \"Quadrat\"\n"
    "  tan 1 rot 5 vertex 1 at 2 2\n"
    "  tan 2 rot 3 vertex 1 at 3 1\n"
    "  tan 3 rot 0 vertex 1 at 4 4\n"
    "  tan 4 rot 1 vertex 1 at 2 2\n"
    "  tan 5 rot 7 vertex 1 at 2 2\n"
    "  tan 6 rot 1 vertex 0 at 3 1\n"
    "  tan 7 rot 3 mirror vertex 0 at 0 4\n"
    "end\n";

struct ErrorCase {
    const char* text;
    int line;
    const char* message;
};

void ExpectFirstError(const ReadResult& r, const ErrorCase& c) {
    ASSERT_FALSE(r.ok()) << c.text;
    EXPECT_EQ(r.errors[0].where.line, c.line) << c.text;
    EXPECT_NE(r.errors[0].message.find(c.message), std::string::npos)
        << c.text << "\ngave: " << r.errors[0].message;
}

TEST(TrueToCells, SevenPerUnitTenPerSquareRootOfTwo) {
    EXPECT_EQ(TrueToCells("3"), 21);
    EXPECT_EQ(TrueToCells("-2"), -14);
    EXPECT_EQ(TrueToCells("2s"), 20);
    EXPECT_EQ(TrueToCells("s"), 10);
    EXPECT_EQ(TrueToCells("-1s"), -10);
    EXPECT_EQ(TrueToCells("-1+2s"), 13);
    EXPECT_EQ(TrueToCells("4-1s"), 18);
    EXPECT_EQ(TrueToCells("0+1s"), 10);
    for (const char* bad : {"", "s2", "3x", "2+3", "1.5", "+", "2+s+1", "2s+1", "--1"}) {
        EXPECT_FALSE(TrueToCells(bad).has_value()) << bad;
    }
}

TEST(ParseDesign, PlacesTheSquareWhereTheGameExpectsIt) {
    ReadResult r = ParseDesign(SquareFigure, "square.fig");
    ASSERT_TRUE(r.ok()) << Format(r.errors[0]);
    ASSERT_EQ(r.catalogue.puzzles.size(), 1u);
    const Puzzle& p = r.catalogue.puzzles[0];
    EXPECT_EQ(p.solution, Square);
    EXPECT_EQ(p.english, "Square");
    EXPECT_EQ(p.german, "Quadrat");
    EXPECT_EQ(p.where.line, 1);
    EXPECT_EQ(r.catalogue.categories[4].german, "Vögel und Fische");
}

TEST(ParseDesign, CentresWhereverTheFigureIsDrawn) {
    // The same square drawn 3 + 2s to the right and 5 up.
    std::string moved = SquareFigure;
    for (auto [from, to] : {std::pair{"at 2 2", "at 5+2s -3"},
                            {"at 3 1", "at 6+2s -4"},
                            {"at 4 4", "at 7+2s -1"},
                            {"at 0 4", "at 3+2s -1"}}) {
        for (size_t at = moved.find(from); at != std::string::npos; at = moved.find(from)) {
            moved.replace(at, std::string(from).size(), to);
        }
    }
    ReadResult r = ParseDesign(moved, "moved.fig");
    ASSERT_TRUE(r.ok()) << Format(r.errors[0]);
    EXPECT_EQ(r.catalogue.puzzles[0].solution, Square);

    // The rectangle's box is 40 by 20 cells: columns 40..79 and rows 30..49,
    // half a cell left of and above the middle cell.
    ReadResult dev = ReadFile(Data + "/dev.fig");
    ASSERT_TRUE(dev.ok());
    EXPECT_EQ(dev.catalogue.puzzles[1].solution, Rectangle);
    auto b = std::make_unique<Board>();
    b->BuildTarget(Rectangle);
    auto box = CoveredBox(b->TargetRaster);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->minCol, 40);
    EXPECT_EQ(box->maxCol, 79);
    EXPECT_EQ(box->minRow, 30);
    EXPECT_EQ(box->maxRow, 49);
}

TEST(ParseDesign, ReportsErrorsWithTheirLines) {
    const ErrorCase cases[] = {
        {"figure 1 \"A\" \"B\"\n  tan 3 rot 0 mirror vertex 1 at 0 0\nend\n", 2,
         "'mirror' is only for the rhomboid (Tan 7), not Tan 3"},
        {"figure 1 \"A\" \"B\"\n\n  tan 1 rot 8 vertex 1 at 0 0\n", 3, "rot must be 0..7"},
        {"figure 1 \"A\" \"B\"\n  tan 6 rot 0 vertex 4 at 0 0\n", 2, "Tan 6 has vertices 0..3"},
        {"figure 1 \"A\" \"B\"\n  tan 1 rot 0 vertex 1 at 0 1.5\n", 2, "bad coordinate '1.5'"},
        {"figure 1 \"A\" \"B\"\n  tan 1 rot 0 vertex 1 at 0 0\n  tan 1 rot 0 vertex 1 at 0 0\n", 3,
         "Tan 1 is given twice (first at line 2)"},
        {"# c\nfigure 1 \"A\" \"B\"\nend\n", 2, "the figure has no line for Tan 1"},
        {"figure 0 \"A\" \"B\"\nend\n", 1, "category must be 1..8"},
        {"figure 1 \"A\"\nend\n", 1, "expected: figure CATEGORY \"English\" \"German\""},
        {"figure 1 \"A\" \"B\"\n  tan 1 rot 0 vertex 1 0 0\nend\n", 2,
         "expected: tan T rot R [mirror] vertex V at X Y"},
        {"\n\ntan 1 rot 0 vertex 1 at 0 0\n", 3, "'tan' outside a figure"},
        {"figure 1 \"A\n", 1, "closing double quote"},
        {"squiggle\n", 1, "expected 'figure', 'tan' or 'end'"},
    };
    for (const ErrorCase& c : cases) {
        ExpectFirstError(ParseDesign(c.text, "t.fig"), c);
    }
    // Every error of a file is reported, not only the first.
    ReadResult bad = ReadFile(Data + "/bad.fig");
    std::vector<int> lines;
    for (const Diagnostic& d : bad.errors) {
        lines.push_back(d.where.line);
    }
    EXPECT_EQ(lines, (std::vector<int>{4, 5, 7, 8, 9, 2, 11, 12, 12}));
    EXPECT_EQ(Format(bad.errors[0]).rfind(Data + "/bad.fig:4: rot must be", 0), 0u);
}

TEST(ParseDesign, RefusesAFigureTooLargeForTheBoard) {
    std::string tall = SquareFigure;
    tall.replace(tall.find("at 4 4"), 6, "at 4 14");
    ReadResult r = ParseDesign(tall, "tall.fig");
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.errors[0].where.line, 1);
    EXPECT_NE(r.errors[0].message.find("cells high; at most 80 fit"), std::string::npos)
        << r.errors[0].message;
}

TEST(ParseSource, ReportsErrorsWithTheirLines) {
    const ErrorCase cases[] = {
        {"category 1 \"A\" \"B\"\ncategory 1 \"A\" \"B\"\n", 2, "category 1 is declared again"},
        {"puzzle 1 \"A\" \"B\"\n 1 2 3\n 4 5 6\npuzzle 1 \"A\" \"B\"\n", 1,
         "the puzzle has 6 of its 21 numbers"},
        {"puzzle 1 \"A\" \"B\"\n1 2 3\n1 2 256\n", 3,
         "an orientation must be a whole number 0..255"},
        {"puzzle 1 \"A\" \"B\"\n1 2 3\n-1 2 3\n", 3, "a column must be a whole number 0..255"},
        {"puzzle 1 A \"B\"\n", 1, "expected the English name in double quotes"},
        {"# comment\npuzzle 1 \"A\"\n 1 2 3\n", 3, "expected the German name"},
        {"\n\ntriangle 1\n", 3, "expected 'category' or 'puzzle', found 'triangle'"},
    };
    for (const ErrorCase& c : cases) {
        ExpectFirstError(ParseSource(c.text, "t.txt"), c);
    }
}

TEST(Source, WriteAndParseAgainGiveTheSameCatalogue) {
    ReadResult dev = ReadFile(Data + "/dev.fig");
    ASSERT_TRUE(dev.ok());
    WriteOptions options;
    options.header = "two\nlines";
    options.origins = true;
    const std::string text = WriteSource(dev.catalogue, options);
    EXPECT_EQ(text.rfind("# two\n# lines\n\ncategory 1 \"Shapes\" \"Formen\"\n", 0), 0u);
    EXPECT_NE(text.find("# 2: dev.fig:16\npuzzle 1 \"Rectangle\" \"Rechteck\"\n  77 37 0\n"),
              std::string::npos);

    ReadResult again = ParseSource(text, "again.txt");
    ASSERT_TRUE(again.ok()) << Format(again.errors[0]);
    ASSERT_EQ(again.catalogue.puzzles.size(), dev.catalogue.puzzles.size());
    for (size_t i = 0; i < again.catalogue.puzzles.size(); ++i) {
        EXPECT_EQ(again.catalogue.puzzles[i].solution, dev.catalogue.puzzles[i].solution);
        EXPECT_EQ(again.catalogue.puzzles[i].german, dev.catalogue.puzzles[i].german);
    }
    EXPECT_EQ(WriteSource(again.catalogue), WriteSource(dev.catalogue));
}

TEST(Records, BuildAndDumpRoundTrip) {
    ReadResult dev = ReadFile(Data + "/dev.fig");
    ASSERT_TRUE(dev.ok());
    const std::vector<uint8_t> bytes = ToRecords(dev.catalogue);
    ASSERT_EQ(bytes.size(), 4u * RecordSize);
    const std::vector<uint8_t> first(bytes.begin(), bytes.begin() + RecordSize);
    EXPECT_EQ(first, (std::vector<uint8_t>{1,  60, 45, 10, 72, 33, 6,  69, 49, 0,  60,
                                           31, 2,  51, 40, 14, 67, 40, 2,  56, 50, 22}));

    ReadResult read = FromRecords(bytes, "mexa.dat");
    ASSERT_TRUE(read.ok());
    const std::string dumped = WriteSource(read.catalogue);
    EXPECT_EQ(dumped.rfind("category 1 \"\" \"\"\n\npuzzle 1 \"\" \"\"\n  60 45 10\n", 0), 0u);
    ReadResult source = ParseSource(dumped, "dumped.txt");
    ASSERT_TRUE(source.ok());
    EXPECT_EQ(ToRecords(source.catalogue), bytes);

    // Byte 0 is kept whatever it holds, so a dump rebuilds any file exactly.
    std::vector<uint8_t> odd = bytes;
    odd[RecordSize] = 200;
    ReadResult oddRead = FromRecords(odd, "odd.dat");
    ASSERT_TRUE(oddRead.ok());
    EXPECT_EQ(ToRecords(ParseSource(WriteSource(oddRead.catalogue), "o.txt").catalogue), odd);

    odd.resize(odd.size() + 10);
    ReadResult cut = FromRecords(odd, "cut.dat");
    ASSERT_FALSE(cut.ok());
    EXPECT_EQ(Format(cut.errors[0]),
              "cut.dat: the file ends with 10 bytes that are not a whole record of 22");
}

// What the build writes beside mexa.dat, the game reads back as the same names.
TEST(Names, TheGameFindsEveryNameTheBuildWrote) {
    ReadResult dev = ReadFile(Data + "/dev.fig");
    ASSERT_TRUE(dev.ok());
    Catalogue& c = dev.catalogue;
    c.puzzles[1].german = "Recht\teck";  // a tab must not split the entry
    const std::vector<uint8_t> records = ToRecords(c);
    const std::string names = ToNames(c);
    auto game = std::make_unique<GameData>();
    ASSERT_EQ(ParseCatalogue(records, *game), 4);
    game->Names = ParseNames(
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(names.data()), names.size()),
        *game);
    game->Tongue = 0;
    EXPECT_EQ(NumberNameAndCategory(*game, 1), "1: Square (Shapes)");
    EXPECT_EQ(NumberNameAndCategory(*game, 4), "4: Square with a cap (Shapes)");
    game->Tongue = 1;
    EXPECT_EQ(NumberNameAndCategory(*game, 3), "3: Dreieck (Formen)");
    EXPECT_EQ(NumberAndName(*game, 2), "2: Recht eck");
}

TEST(ReadFiles, OneCatalogueFromSeveralFilesInOrder) {
    ReadResult r = ReadFiles({Data + "/dev.fig", Data + "/problems.txt"});
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.catalogue.puzzles.size(), 11u);
    EXPECT_EQ(r.catalogue.puzzles[4].english, "Square");
    EXPECT_EQ(r.catalogue.puzzles[4].where.line, 12);

    ReadResult clash = ReadFile(Data + "/dev.fig");
    Append(clash, ParseSource("category 1 \"Forms\" \"Formen\"\n", "other.txt"));
    ASSERT_FALSE(clash.ok());
    EXPECT_NE(Format(clash.errors[0]).find("other.txt:1: category 1 is named \"Forms\""),
              std::string::npos);

    ReadResult unknown = ReadFile(Data + "/dev.png");
    ASSERT_FALSE(unknown.ok());
    EXPECT_NE(unknown.errors[0].message.find("unknown kind of file"), std::string::npos);
}

TEST(TargetText, OneLinePerRowOfSingleBlankSeparatedCodes) {
    const std::string text = TargetText(Square);
    std::istringstream lines(text);
    std::string line;
    int rows = 0;
    while (std::getline(lines, line)) {
        ASSERT_FALSE(line.empty());
        EXPECT_NE(line.front(), ' ');
        EXPECT_NE(line.back(), ' ');
        EXPECT_EQ(line.find("  "), std::string::npos);
        EXPECT_EQ(std::count(line.begin(), line.end(), ' '), BoardCols - 1);
        ++rows;
    }
    EXPECT_EQ(rows, BoardRows);
    EXPECT_EQ(text.back(), '\n');
    // Row 0 is empty; row 40 runs through the square's middle (columns 46..73).
    std::istringstream all(text);
    std::vector<std::string> row(BoardRows);
    for (auto& r : row) {
        std::getline(all, r);
    }
    EXPECT_EQ(row[0].substr(0, 6), "0 0 0 ");
    std::istringstream middle(row[40]);
    std::vector<int> codes(BoardCols);
    for (int& c : codes) {
        middle >> c;
    }
    EXPECT_EQ(codes[45], 0);
    EXPECT_EQ(codes[46], 64);
    EXPECT_EQ(codes[60], 64);
    EXPECT_EQ(codes[73], 64);
    EXPECT_EQ(codes[74], 0);
}

}  // namespace
