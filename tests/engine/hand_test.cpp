// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "hand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>

#include "fakes.h"

namespace tangram {
namespace {

using testing::ClassicSquare;
using Calls = std::vector<std::string>;
using Effects = std::vector<int>;

constexpr long double Pi = std::numbers::pi_v<long double>;
constexpr int Cell = 5;

TEST(VectorAngle, CountsCounterClockwiseFromTheRight) {
    struct Case {
        long double dy, dx, angle;
    };
    for (auto c : {Case{0, 0, Pi / 2}, Case{0, 5, 0}, Case{-5, 0, Pi / 2}, Case{5, 0, 3 * Pi / 2},
                   Case{0, -5, Pi}, Case{5, 5, 7 * Pi / 4}, Case{-5, -5, 3 * Pi / 4},
                   Case{-5, 5, Pi / 4}, Case{5, -5, 5 * Pi / 4}}) {
        EXPECT_NEAR(static_cast<double>(VectorAngle(c.dy, c.dx)), static_cast<double>(c.angle),
                    1e-15)
            << c.dy << " " << c.dx;
    }
    // Just below the rightward direction stays below 2*pi.
    EXPECT_LT(VectorAngle(1, 1e9L), 2 * Pi);
    EXPECT_FALSE(std::signbit(VectorAngle(0, 5)));
}

TEST(WaitMs, WaitsTheFullTimeWhateverTheCounterReads) {
    struct Case {
        uint32_t start, step, ms;
        int pauses;
    };
    for (auto c : {Case{0, 1, 0, 1}, Case{0, 1, 100, 101}, Case{0xFFFFFF9Cu, 1, 1000, 1001},
                   Case{0x7FFFFFCEu, 1, 100, 101}, Case{0xF0000000u, 1u << 28, 0x80000005u, 9}}) {
        testing::FakeClock clock(c.start, c.step);
        WaitMs(c.ms, clock);
        EXPECT_EQ(clock.pauses, c.pauses) << c.start << " " << c.ms;
    }
}

TEST(PiecePolygon, ScalesTheOutlineToPixels) {
    std::array<Pixel, 4> out{};
    ASSERT_EQ(PiecePolygon(6, {60, 40, 36}, Cell, Cell, out), 4);
    const std::array<Pixel, 4> square{{{275, 175}, {275, 225}, {325, 225}, {325, 175}}};
    for (size_t v = 0; v < 4; ++v) {
        EXPECT_EQ(out[v].x, square[v].x);
        EXPECT_EQ(out[v].y, square[v].y);
    }
    ASSERT_EQ(PiecePolygon(3, {10, 20, 0}, 2, 3, out), 3);
    EXPECT_EQ(out[0].x, 2);  // vertex (-9, 5)
    EXPECT_EQ(out[0].y, 75);
    EXPECT_EQ(PiecePolygon(0, {}, 1, 1, out), 0);
}

// A board set up with the classic square, the Tans at the start layout and a
// cell size of 5 pixels.
class HandTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetUpPuzzle(game, board);
        hand.CellWidth = hand.CellHeight = Cell;
    }
    void Place(int tan, PieceState state) {
        board.UnstampPiece(tan);
        board.Piece[tan] = state;
        board.StampPiece(tan);
    }
    Pixel Ref(int tan) const { return {board.Piece[tan].col * Cell, board.Piece[tan].row * Cell}; }
    void Press(Pixel p, MouseButton button = MouseButton::Left) {
        hand.boxMouseDown(button, p.x, p.y);
    }
    void Hold(int tan) {
        Press(Ref(tan));
        ASSERT_EQ(board.SelectedPiece, tan);
        ASSERT_EQ(hand.GripMode, 1);
        view.calls.clear();
    }
    // A point of the Tan in its turn grip.
    Pixel TurnPoint(int tan) const {
        std::array<Pixel, 4> poly{};
        PiecePolygon(tan, board.Piece[tan], Cell, Cell, poly);
        for (int y = poly[0].y - 150; y < poly[0].y + 150; ++y) {
            for (int x = poly[0].x - 150; x < poly[0].x + 150; ++x) {
                if (hand.HitTestPiece(x, y, tan) == 2) {
                    return {x, y};
                }
            }
        }
        ADD_FAILURE() << "no turn grip on Tan " << tan;
        return {};
    }
    // The nearest point of the Tan's turn grip straight along (dx, dy) from its
    // reference point.
    Pixel TurnPointOnRay(int tan, int dx, int dy) const {
        const Pixel ref = Ref(tan);
        for (int d = 1; d < 150; ++d) {
            const Pixel p{ref.x + d * dx, ref.y + d * dy};
            if (hand.HitTestPiece(p.x, p.y, tan) == 2) {
                return p;
            }
        }
        ADD_FAILURE() << "no turn grip along " << dx << "," << dy << " on Tan " << tan;
        return ref;
    }
    // Turns the held Tan by pressing in its turn grip and dragging the mouse
    // round its reference point to the angle that gives `orient`.
    void TurnHeldTo(int orient) {
        const int tan = board.SelectedPiece;
        Press(TurnPoint(tan));
        ASSERT_EQ(hand.GripMode, 2);
        const int step = ((hand.TurnRef - orient) % 16 + 16) % 16;
        const long double angle = step * Pi / 8;
        const Pixel ref = Ref(tan);
        hand.boxMouseMove(true, ref.x + static_cast<int>(std::lround(100 * std::cos(angle))),
                          ref.y - static_cast<int>(std::lround(100 * std::sin(angle))));
        ASSERT_EQ(board.Piece[tan].orient, orient);
    }
    // Lays every Tan at its place in the classic square through the mouse alone.
    void SolveByHand() {
        for (int tan = 1; tan <= 7; ++tan) {
            const PieceState goal = ClassicSquare[tan - 1];
            Hold(tan);
            hand.boxMouseMove(true, goal.col * Cell, goal.row * Cell);
            if (goal.orient / 16 != board.Piece[tan].orient / 16) {
                Press({0, 0}, MouseButton::Right);
            }
            if (goal.orient != board.Piece[tan].orient) {
                TurnHeldTo(goal.orient);
            }
            ASSERT_EQ(board.Piece[tan], goal);
            Press(Empty);
            ASSERT_EQ(board.SelectedPiece, 0) << "drop of Tan " << tan << " refused";
        }
    }

    static constexpr Pixel Empty{2, 2};  // on no Tan of the start layout or the square
    GameData game = testing::GameWith({ClassicSquare});
    Board board;
    testing::RecordingView view;
    testing::FakeClock clock;
    Hand hand{board, game, view, clock};
};

TEST_F(HandTest, HitTestFollowsTheOutlineAndTheGripRadius) {
    Place(6, {60, 40, 0});  // the square, pixels 275..325 both ways
    EXPECT_EQ(hand.HitTestPiece(300, 200, 6), 1);
    EXPECT_EQ(hand.HitTestPiece(324, 200, 6), 1);
    EXPECT_EQ(hand.HitTestPiece(325, 200, 6), 2);
    EXPECT_EQ(hand.HitTestPiece(324, 224, 6), 2);
    EXPECT_EQ(hand.HitTestPiece(326, 200, 6), 0);
    EXPECT_EQ(hand.HitTestPiece(275, 175, 6), 0);
    EXPECT_EQ(hand.HitTestPiece(300, 226, 6), 0);
    // Every edge counts as inside: each of the four lies on one ray of a wedge.
    for (Pixel onEdge : {Pixel{275, 200}, Pixel{300, 175}, Pixel{325, 190}, Pixel{300, 225},
                         Pixel{310, 175}, Pixel{290, 225}}) {
        EXPECT_EQ(hand.HitTestPiece(onEdge.x, onEdge.y, 6), 2) << onEdge.x << "," << onEdge.y;
    }
    EXPECT_EQ(hand.HitTestPiece(300, 174, 6), 0);
    EXPECT_EQ(hand.HitTestPiece(274, 200, 6), 0);
}

TEST_F(HandTest, PressPicksTheHighestTanAndMiddleActsAsLeft) {
    // A small triangle whose edge lies on the square's right edge.
    Place(6, {60, 40, 0});
    Place(2, {68, 38, 8});
    ASSERT_GT(hand.HitTestPiece(325, 200, 2), 0);
    ASSERT_GT(hand.HitTestPiece(325, 200, 6), 0);
    const Raster before = board.BoardRaster;
    Press({325, 200}, MouseButton::Middle);
    EXPECT_EQ(board.SelectedPiece, 6);
    EXPECT_EQ(hand.GripMode, 2);
    EXPECT_EQ(view.calls, (Calls{"effect 1", "fill 6 silver silver", "pieces black grey",
                                 "outline 6 yellow xor"}));
    Board lifted = board;
    lifted.StampPiece(6);
    EXPECT_EQ(lifted.BoardRaster, before) << "the held Tan is off the raster";

    view.calls.clear();
    Press(Empty);  // put down: accepted, nothing else picked
    EXPECT_EQ(view.calls, (Calls{"effect 2", "fill 6 black grey"}));
    view.calls.clear();
    Press(Empty);  // nothing held, nothing there
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(HandTest, RightPressFlipsOnlyTheRhomboid) {
    Place(7, {60, 40, 0});
    Press(Empty, MouseButton::Right);  // nothing held
    Hold(6);
    Press(Empty, MouseButton::Right);  // another Tan held
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(board.Piece[6].orient, StartLayout[5].orient);
    Press(Empty);

    Hold(7);
    hand.GrabCol = 3;
    for (auto [from, to] :
         {std::pair{0, 16}, {3, 29}, {8, 16}, {11, 21}, {16, 0}, {20, 12}, {24, 0}, {29, 3}}) {
        board.Piece[7].orient = static_cast<uint8_t>(from);
        view.calls.clear();
        Press({999, 999}, MouseButton::Right);  // anywhere, even off the board
        EXPECT_EQ(board.Piece[7].orient, to) << from;
        EXPECT_EQ(view.calls, (Calls{"outline 7 yellow xor", "outline 7 yellow xor"}));
    }
    EXPECT_EQ(hand.GrabCol, 3);
    EXPECT_EQ(hand.GripMode, 1);

    // Near the border the mirror image would leave the board: nothing happens.
    int col = 0;
    while (!(board.PieceFitsBoard(7, col, 40, 3) && !board.PieceFitsBoard(7, col, 40, 29))) {
        ASSERT_LT(++col, BoardCols);
    }
    board.Piece[7] = {static_cast<uint8_t>(col), 40, 3};
    view.calls.clear();
    Press(Empty, MouseButton::Right);
    EXPECT_EQ(board.Piece[7].orient, 3);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(HandTest, TurningFollowsTheMouseAngleAndKeepsTheMirroredHalf) {
    struct Case {
        int dx, dy, orient;
    };
    // Gripped straight right of the reference point, at angle 0, the grip's
    // reference is the orientation itself; straight above, below and left
    // then give these orientations.
    for (auto [tan, start, col] : {std::tuple{3, 5, 60}, {7, 21, 30}}) {
        Place(tan, {static_cast<uint8_t>(col), 40, static_cast<uint8_t>(start)});
        Hold(tan);
        Press(TurnPointOnRay(tan, 1, 0));
        ASSERT_EQ(hand.GripMode, 2);
        EXPECT_EQ(hand.TurnRef, start);
        const int half = start / 16 * 16;
        const Pixel ref = Ref(tan);
        for (auto c : {Case{0, -50, 1}, Case{0, 50, 9}, Case{-50, 0, 13}, Case{-50, -1, 13}}) {
            view.calls.clear();
            hand.boxMouseMove(true, ref.x + c.dx, ref.y + c.dy);
            EXPECT_EQ(board.Piece[tan].orient, c.orient + half) << start << " " << c.dx;
            const Effects once = c.dy == -1 ? Effects{} : Effects{3};
            EXPECT_EQ(view.Effects(), once) << "one sound for a jump of several steps";
        }
        Press(Empty);
        ASSERT_EQ(board.SelectedPiece, 0);
    }

    // Gripped straight above (four steps round), the Tan turns a quarter
    // clockwise when the mouse goes to the right.
    Place(3, {60, 40, 5});
    Hold(3);
    Press(TurnPointOnRay(3, 0, -1));
    ASSERT_EQ(hand.GripMode, 2);
    EXPECT_EQ(hand.TurnRef, 9);
    hand.boxMouseMove(true, 350, 200);
    EXPECT_EQ(board.Piece[3].orient, 9);
}

TEST_F(HandTest, TurnThatWouldLeaveTheBoardIsRefused) {
    // The large triangle as far right as it fits at orientation 0 (the
    // rhomboid out of its way): some orientations reach further right and
    // would leave the board, others not.
    Place(7, {60, 40, 0});
    int col = BoardCols - 1;
    while (!board.PieceFitsBoard(4, col, 40, 0)) {
        ASSERT_GT(--col, 0);
    }
    int leaves = 0;
    int fits = 0;
    for (int n = 1; n < 16; ++n) {
        (board.PieceFitsBoard(4, col, 40, n) ? fits : leaves) = n;
    }
    ASSERT_NE(leaves, 0);
    ASSERT_NE(fits, 0);
    Place(4, {static_cast<uint8_t>(col), 40, 0});
    Hold(4);
    hand.GripMode = 2;
    hand.TurnRef = 0;  // gripped at angle 0
    // The mouse at the angle that asks for orientation n.
    const auto turnTo = [&](int n) {
        const long double angle = (16 - n) * Pi / 8;
        const Pixel ref = Ref(4);
        hand.boxMouseMove(true, ref.x + static_cast<int>(std::lround(100 * std::cos(angle))),
                          ref.y - static_cast<int>(std::lround(100 * std::sin(angle))));
    };
    turnTo(leaves);
    EXPECT_EQ(board.Piece[4].orient, 0);
    EXPECT_EQ(view.calls, Calls{"cursor 0"}) << "no sound, no outline";
    turnTo(fits);
    EXPECT_EQ(board.Piece[4].orient, fits);
}

TEST_F(HandTest, MoveGripKeepsTheOffsetOfThePress) {
    // Pressed off the reference point, the Tan moves with the mouse and keeps
    // the press's offset from its reference cell in both directions.
    struct Case {
        Pixel press;
        int col, row;  // where the Tan goes when the mouse reaches cell (70, 30)
    };
    for (auto c : {Case{{315, 210}, 67, 28}, Case{{290, 185}, 72, 33}, Case{{312, 188}, 68, 33}}) {
        Place(6, {60, 40, 0});
        Press(c.press);
        ASSERT_EQ(board.SelectedPiece, 6);
        ASSERT_EQ(hand.GripMode, 1);
        hand.boxMouseMove(true, 70 * Cell + 2, 30 * Cell + 2);
        EXPECT_EQ(board.Piece[6],
                  (PieceState{static_cast<uint8_t>(c.col), static_cast<uint8_t>(c.row), 0}))
            << c.press.x << "," << c.press.y;
        Press(Empty);
        ASSERT_EQ(board.SelectedPiece, 0);
    }
}

TEST_F(HandTest, MovingGoesCellByCellAndStopsAtTheBorder) {
    Place(3, {60, 40, 0});
    Hold(3);
    hand.boxMouseMove(false, 0, 0);  // no button: only the cursor
    hand.boxMouseMove(false, 300, 200);
    const Pixel turn = TurnPoint(3);
    hand.boxMouseMove(false, turn.x, turn.y);
    hand.boxMouseMove(true, 302, 203);  // same cell: silent
    EXPECT_EQ(view.calls, (Calls{"cursor 0", "cursor 2", "cursor 1", "cursor 2"}));

    view.calls.clear();
    hand.boxMouseMove(true, 310, 200);
    EXPECT_EQ(view.calls,
              (Calls{"cursor 2", "effect 4", "outline 3 yellow xor", "outline 3 yellow xor"}));
    EXPECT_EQ(board.Piece[3], (PieceState{62, 40, 0}));

    for (int x = 300; x >= -200; x -= Cell) {
        hand.boxMouseMove(true, x, 200);
    }
    const int last = board.Piece[3].col;
    EXPECT_TRUE(board.PieceFitsBoard(3, last, 40, 0));
    EXPECT_FALSE(board.PieceFitsBoard(3, last - 1, 40, 0));
}

TEST_F(HandTest, RefusedPutDownKeepsTheTanWithoutGrip) {
    Place(3, {60, 40, 0});
    Place(6, {20, 40, 0});
    Hold(3);
    hand.boxMouseMove(true, 20 * Cell, 40 * Cell);  // right onto the square
    view.calls.clear();
    Press(Empty);
    EXPECT_EQ(view.calls, (Calls{"effect 6"}));
    EXPECT_EQ(board.SelectedPiece, 3);
    EXPECT_EQ(hand.GripMode, 0);

    view.calls.clear();
    hand.boxMouseMove(true, 300, 300);
    EXPECT_EQ(board.Piece[3], (PieceState{20, 40, 0}));
    EXPECT_EQ(view.Effects(), Effects{});

    // Pressed inside again, it is gripped again and moves.
    Press(Ref(3));
    hand.boxMouseMove(true, 300, 300);
    EXPECT_EQ(board.Piece[3], (PieceState{60, 60, 0}));
}

TEST_F(HandTest, AcceptedPutDownOnAnotherTanPicksThatOneUp) {
    Place(3, {60, 40, 0});
    Hold(3);
    Press(Ref(6));
    EXPECT_EQ(view.Effects(), (Effects{2, 1}));
    EXPECT_EQ(board.SelectedPiece, 6);
    EXPECT_EQ(hand.GripMode, 1);
}

TEST_F(HandTest, PressesOutsideTheGridAndZeroCellsAreIgnored) {
    Hold(6);
    hand.GrabCol = hand.GrabRow = 4;
    Press({121 * Cell, 100});
    Press({100, 81 * Cell});
    EXPECT_EQ(hand.GrabCol, 0);
    EXPECT_EQ(hand.GrabRow, 0);
    EXPECT_EQ(hand.GripMode, 1);
    EXPECT_TRUE(view.calls.empty());

    for (int size : {0, -2}) {
        hand.CellWidth = size;
        Press(Empty);
        Press(Empty, MouseButton::Right);
        hand.boxMouseMove(true, 10, 10);
        hand.CellWidth = Cell;
        hand.CellHeight = size;
        Press(Empty);
        hand.boxMouseMove(true, 10, 10);
        hand.CellHeight = Cell;
    }
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(board.SelectedPiece, 6);
}

TEST_F(HandTest, HintFlashesTheSolutionAndRestoresEverything) {
    for (bool holding : {false, true}) {
        if (holding) {
            Hold(5);
            hand.boxMouseMove(true, 300, 200);
        }
        const Raster raster = board.BoardRaster;
        const auto pieces = board.Piece;
        // What the board holds each time a picture goes to the screen: first
        // every Tan at its solution place (the held one too), then the game as
        // it was.
        std::vector<std::pair<std::array<PieceState, 8>, Raster>> shown;
        view.onFlush = [&] { shown.emplace_back(board.Piece, board.BoardRaster); };
        view.calls.clear();
        clock.pauses = 0;
        hand.TipBtnMouseDown();
        view.onFlush = nullptr;
        ASSERT_EQ(shown.size(), 2u);
        for (int tan = 1; tan <= 7; ++tan) {
            EXPECT_EQ(shown[0].first[tan], ClassicSquare[tan - 1]) << "Tan " << tan;
        }
        // The raster then holds the solution, less the held Tan that was not on
        // it before the flash.
        Board flash;
        flash.BoardRaster = board.TargetRaster;
        if (holding) {
            flash.Piece[5] = pieces[5];
            flash.UnstampPiece(5);
        }
        EXPECT_EQ(shown[0].second, flash.BoardRaster);
        EXPECT_EQ(shown[1].first, pieces);
        EXPECT_EQ(shown[1].second, raster);
        Calls expected{"pieces silver silver", "pieces silver grey", "flush",
                       "pieces silver silver", "pieces black grey",  "flush"};
        if (holding) {
            expected.insert(expected.begin(), "outline 5 yellow xor");
            expected.insert(expected.end() - 1, "outline 5 yellow xor");
        }
        EXPECT_EQ(view.calls, expected);
        EXPECT_EQ(clock.pauses, 101 + 901);
        EXPECT_EQ(board.BoardRaster, raster);
        EXPECT_EQ(board.Piece, pieces);
        EXPECT_EQ(board.SelectedPiece, holding ? 5 : 0);
    }
}

TEST_F(HandTest, SolvingTheSquareByHand) {
    SolveByHand();
    EXPECT_EQ(board.BoardState, 1);
    const Calls tail(view.calls.end() - 5, view.calls.end());
    EXPECT_EQ(tail,
              (Calls{"effect 2", "fill 7 black grey", "pieces green grey", "effect 5", "solved"}));
    EXPECT_EQ(game.PuzzleStatus[1], SolvedBit);
    EXPECT_TRUE(game.ProgressChanged);

    // A solved board ignores every press, but the hint still flashes.
    view.calls.clear();
    Press(Ref(3));
    Press(Ref(3), MouseButton::Middle);
    Press(Ref(7), MouseButton::Right);
    EXPECT_TRUE(view.calls.empty());
    hand.TipBtnMouseDown();
    EXPECT_EQ(view.calls.size(), 6u);
    EXPECT_EQ(board.BoardState, 1);

    // Solved again after a new set-up: sound and message, no new progress.
    game.ProgressChanged = false;
    SetUpPuzzle(game, board);
    EXPECT_EQ(board.Piece[1], StartLayout[0]) << "a solved puzzle starts afresh";
    view.calls.clear();
    SolveByHand();
    EXPECT_EQ(board.BoardState, 1);
    EXPECT_EQ(view.calls.back(), "solved");
    EXPECT_FALSE(game.ProgressChanged);
}

}  // namespace
}  // namespace tangram
