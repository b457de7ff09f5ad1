// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "check.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

#include "data.h"
#include "geometry.h"
#include "likeness.h"
#include "names.h"
#include "text.h"

namespace tangram::catalogue {

namespace {

// Depth-first over the sets of Tans already down. Stamping is additive, so the
// board depends only on which Tans are down, and a set that led nowhere once
// leads nowhere again.
bool Search(Board& b, const Layout& s, int down, std::array<bool, 128>& dead,
            std::array<int, 7>& order, int depth) {
    if (down == 127) {
        return true;
    }
    if (dead[down]) {
        return false;
    }
    for (int t = 1; t <= 7; ++t) {
        const int bit = 1 << (t - 1);
        if ((down & bit) != 0 || !b.PieceFitsFree(t, s[t - 1].col, s[t - 1].row, s[t - 1].orient)) {
            continue;
        }
        b.Piece[t] = s[t - 1];
        b.StampPiece(t);
        order[depth] = t;
        if (Search(b, s, down | bit, dead, order, depth + 1)) {
            return true;
        }
        b.UnstampPiece(t);
    }
    dead[down] = true;
    return false;
}

// True when Tan `second` may be dropped onto a board holding only `first`.
bool FitsAfter(const Layout& s, int first, int second) {
    auto b = std::make_unique<Board>();
    b->Piece[first] = s[first - 1];
    b->StampPiece(first);
    const PieceState& p = s[second - 1];
    return b->PieceFitsFree(second, p.col, p.row, p.orient);
}

std::string Prefix(const Puzzle& p, int number) {
    if (p.english.empty()) {
        return Str("puzzle ", number, ": ");
    }
    return Str("puzzle ", number, " \"", p.english, "\": ");
}

std::string Parts(const std::vector<std::vector<int>>& groups) {
    std::string out;
    for (const auto& g : groups) {
        out += out.empty() ? "Tans" : " | Tans";
        for (int t : g) {
            out += Str(" ", t);
        }
    }
    return out;
}

// Orientations out of range or Tans reaching off the board: such a layout
// has no rasters to test further.
std::vector<std::string> PlacementProblems(const Layout& s) {
    std::vector<std::string> out;
    for (int t = 1; t <= 7; ++t) {
        if (s[t - 1].orient > 31) {
            out.push_back(Str("Tan ", t, " has orientation ", int{s[t - 1].orient},
                              "; orientations are 0..31"));
        }
    }
    if (!out.empty()) {
        return out;
    }
    auto board = std::make_unique<Board>();
    for (int t = 1; t <= 7; ++t) {
        const PieceState& p = s[t - 1];
        if (!board->PieceFitsBoard(t, p.col, p.row, p.orient)) {
            out.push_back(Str("Tan ", t, " at column ", int{p.col}, ", row ", int{p.row},
                              " reaches off the board"));
        }
    }
    return out;
}

// Overlapping Tans and figures that fall apart.
std::vector<std::string> ShapeProblems(const Layout& s) {
    std::vector<std::string> out;
    if (!FindDropOrder(s)) {
        bool named = false;
        for (int i = 1; i <= 7; ++i) {
            for (int j = i + 1; j <= 7; ++j) {
                if (!FitsAfter(s, i, j) && !FitsAfter(s, j, i)) {
                    out.push_back(Str("Tans ", i, " and ", j, " overlap"));
                    named = true;
                }
            }
        }
        if (!named) {
            out.push_back("no order of dropping the seven Tans has every drop accepted");
        }
    }
    auto groups = JoinedGroups(Placements(s));
    if (groups.size() > 1) {
        out.push_back(Str("the figure falls apart into ", groups.size(), " parts (", Parts(groups),
                          "); Tans must meet along an edge, not only at a corner"));
    }
    return out;
}

std::string CentringProblem(const Board& b) {
    auto box = CoveredBox(b.TargetRaster);
    if (!box) {
        return "the figure covers no cell";
    }
    const int offCol = box->minCol + box->maxCol - BoardCols + 1;  // twice the offset
    const int offRow = box->minRow + box->maxRow - BoardRows + 1;
    if (std::abs(offCol) > 4 || std::abs(offRow) > 4 || box->maxCol > BoardCols - 2 ||
        box->maxRow > BoardRows - 2) {
        return Str("the covered cells (columns ", box->minCol, "..", box->maxCol, ", rows ",
                   box->minRow, "..", box->maxRow,
                   ") are not centred on column 60, row 40 to within two cells, with a free "
                   "cell at the right and bottom edge");
    }
    return {};
}

// Each of `compared` (puzzle indices) that looks like an earlier one turned
// or mirrored is reported once, against the first such puzzle.
std::vector<Diagnostic> TurnedRepeats(const Catalogue& c, const std::vector<int>& compared) {
    std::vector<Layout> layouts;
    for (int k : compared) {
        layouts.push_back(c.puzzles[static_cast<size_t>(k)].solution);
    }
    std::vector<Diagnostic> out;
    int reported = -1;
    for (const AlikePair& pair : AlikePairs(layouts, RepeatOverlap)) {
        const int first = compared[static_cast<size_t>(pair.first)];
        const int second = compared[static_cast<size_t>(pair.second)];
        if (second == reported) {
            continue;
        }
        reported = second;
        const Puzzle& p = c.puzzles[static_cast<size_t>(second)];
        const Puzzle& earlier = c.puzzles[static_cast<size_t>(first)];
        const std::string name = earlier.english.empty() ? "" : Str(" \"", earlier.english, "\"");
        const std::string where = earlier.where.line > 0
                                      ? Str(earlier.where.file, ":", earlier.where.line)
                                      : earlier.where.file;
        char share[16];
        std::snprintf(share, sizeof share, "%.1f %%", 100 * pair.likeness.overlap);
        out.push_back({p.where, Prefix(p, second + 1) +
                                    Str("looks like puzzle ", first + 1, name, " (", where, ") ",
                                        PoseText(pair.likeness), ": they share ", share,
                                        " of their area; redraw one of them")});
    }
    return out;
}

std::vector<Diagnostic> ShippedCounts(const Catalogue& c) {
    std::vector<Diagnostic> out;
    const Origin file{c.puzzles.empty() ? std::string() : c.puzzles[0].where.file, 0};
    if (c.puzzles.size() < MaxPuzzles) {
        out.push_back({file, Str("the catalogue holds ", c.puzzles.size(),
                                 " puzzles; the game's catalogue holds ", MaxPuzzles)});
    }
    std::array<int, CategoryCount + 1> count{};
    std::array<const Puzzle*, CategoryCount + 1> first{};
    for (const Puzzle& p : c.puzzles) {
        if (p.category >= 1 && p.category <= CategoryCount) {
            ++count[p.category];
            first[p.category] = first[p.category] != nullptr ? first[p.category] : &p;
        }
    }
    for (int n = 1; n <= CategoryCount; ++n) {
        if (count[n] < ShippedPerCategoryLeast || count[n] > ShippedPerCategoryMost) {
            out.push_back({first[n] != nullptr ? first[n]->where : file,
                           Str("category ", n, " (", CategoryNames[n].english, ") holds ", count[n],
                               " puzzles; the game's catalogue holds ", ShippedPerCategoryLeast,
                               "..", ShippedPerCategoryMost, " in each category")});
        }
    }
    return out;
}

}  // namespace

std::optional<std::array<int, 7>> FindDropOrder(const Layout& solution) {
    auto b = std::make_unique<Board>();
    std::array<bool, 128> dead{};
    std::array<int, 7> order{};
    if (Search(*b, solution, 0, dead, order, 0)) {
        return order;
    }
    return std::nullopt;
}

std::string SilhouetteKey(const Layout& solution) {
    auto b = std::make_unique<Board>();
    b->BuildTarget(solution);
    auto box = CoveredBox(b->TargetRaster);
    if (!box) {
        return {};
    }
    std::string key = Str(box->maxCol - box->minCol + 1, "x", box->maxRow - box->minRow + 1, ":");
    for (int c = box->minCol; c <= box->maxCol; ++c) {
        for (int r = box->minRow; r <= box->maxRow; ++r) {
            key += static_cast<char>(b->TargetRaster[CellIndex(c, r)]);
        }
    }
    return key;
}

std::string TargetText(const Layout& solution) {
    auto b = std::make_unique<Board>();
    b->BuildTarget(solution);
    std::string out;
    for (int r = 0; r < BoardRows; ++r) {
        for (int col = 0; col < BoardCols; ++col) {
            out += std::to_string(b->TargetRaster[CellIndex(col, r)]);
            out += col + 1 < BoardCols ? ' ' : '\n';
        }
    }
    return out;
}

std::vector<Diagnostic> CheckPuzzle(const Puzzle& p, int number) {
    std::vector<Diagnostic> out;
    auto problem = [&](const std::string& what) {
        out.push_back({p.where, Prefix(p, number) + what});
    };
    if (p.named && (p.english.empty() || p.german.empty())) {
        problem("the puzzle needs both an English and a German name");
    }
    if (p.english.size() > MaxNameBytes || p.german.size() > MaxNameBytes) {
        problem(Str("a name is longer than the game shows (", MaxNameBytes, " bytes)"));
    }
    if (p.category < 1 || p.category > CategoryCount) {
        problem(Str("category ", int{p.category}, " is not one of 1..8"));
    } else if (!p.categoryDeclared) {
        problem(Str("category ", int{p.category}, " is not declared before the puzzle"));
    }
    const auto placement = PlacementProblems(p.solution);
    for (const std::string& what : placement) {
        problem(what);
    }
    if (!placement.empty()) {
        return out;
    }
    for (const std::string& what : ShapeProblems(p.solution)) {
        problem(what);
    }
    auto b = std::make_unique<Board>();
    b->BuildTarget(p.solution);
    for (int t = 1; t <= 7; ++t) {
        b->Piece[t] = p.solution[t - 1];
        b->StampPiece(t);
    }
    if (!b->CheckSolution()) {
        problem("the stored solution, laid on the board, is not recognised as solved");
    }
    if (std::string centring = CentringProblem(*b); !centring.empty()) {
        problem(centring);
    }
    return out;
}

std::vector<Diagnostic> CheckCatalogue(const Catalogue& c, const CheckOptions& options) {
    std::vector<Diagnostic> out;
    for (size_t n = 0; n < c.categories.size(); ++n) {
        const Category& cat = c.categories[n];
        const bool known = n >= 1 && n <= CategoryCount;
        if (cat.declared && !known) {
            out.push_back({cat.where, Str("category ", n, " is not one of 1..8")});
        } else if (known && c.hasNames && !cat.declared) {
            out.push_back(
                {{c.puzzles.empty() ? std::string() : c.puzzles[0].where.file, 0},
                 Str("category ", n, " (", CategoryNames[n].english, ") is not declared")});
        } else if (cat.declared && cat.named && (cat.english.empty() || cat.german.empty())) {
            out.push_back(
                {cat.where, Str("category ", n, " needs both an English and a German name")});
        }
    }
    std::map<std::string, int> seen;
    // The puzzles that can be drawn and repeat no other shifted are compared
    // turned and mirrored; a shifted repeat is reported as that alone.
    std::vector<int> compared;
    int number = 0;
    for (const Puzzle& p : c.puzzles) {
        ++number;
        for (Diagnostic& d : CheckPuzzle(p, number)) {
            out.push_back(std::move(d));
        }
        if (!PlacementProblems(p.solution).empty()) {
            continue;
        }
        std::string key = SilhouetteKey(p.solution);
        auto [it, fresh] = seen.emplace(key, number);
        if (fresh) {
            compared.push_back(number - 1);
        } else {
            out.push_back({p.where, Prefix(p, number) +
                                        Str("has the same silhouette as puzzle ", it->second)});
        }
    }
    for (Diagnostic& d : TurnedRepeats(c, compared)) {
        out.push_back(std::move(d));
    }
    if (options.shipped) {
        for (Diagnostic& d : ShippedCounts(c)) {
            out.push_back(std::move(d));
        }
    }
    if (c.puzzles.size() > MaxPuzzles) {
        out.push_back({c.puzzles[MaxPuzzles].where, Str("the catalogue holds ", c.puzzles.size(),
                                                        " puzzles; the game reads "
                                                        "only the first ",
                                                        MaxPuzzles)});
    }
    return out;
}

}  // namespace tangram::catalogue
