// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "design.h"

#include <array>
#include <cctype>

#include "geometry.h"
#include "tangdata.h"
#include "text.h"

namespace tangram::catalogue {

std::optional<int> TrueToCells(const std::string& text) {
    size_t i = 0;
    // An optionally signed whole number; the digits may be left out before 's'.
    auto term = [&](bool signRequired, int& value, bool& digits) {
        int sign = 1;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            sign = text[i] == '-' ? -1 : 1;
            ++i;
        } else if (signRequired) {
            return false;
        }
        value = 0;
        digits = false;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            value = value * 10 + (text[i] - '0');
            digits = true;
            if (value > 1000) {
                return false;
            }
            ++i;
        }
        value = digits ? sign * value : sign;
        return true;
    };
    int a = 0;
    bool digits = false;
    if (!term(false, a, digits)) {
        return std::nullopt;
    }
    if (i < text.size() && text[i] == 's') {
        return i + 1 == text.size() ? std::optional<int>(10 * a) : std::nullopt;
    }
    if (!digits) {
        return std::nullopt;
    }
    if (i == text.size()) {
        return 7 * a;
    }
    int b = 0;
    if (!term(true, b, digits) || i + 1 != text.size() || text[i] != 's') {
        return std::nullopt;
    }
    return 7 * a + 10 * b;
}

namespace {

struct TanLine {
    int line = 0;  // 0 while the Tan is missing
    Placement at;  // before centring
};

struct Figure {
    int line = 0;
    int category = 0;
    std::string english;
    std::string german;
    std::array<TanLine, 8> tans{};  // 1..7
    bool broken = false;            // a line of it had an error
};

class DesignParser {
public:
    // Designs name no categories: every figure uses the game's eight.
    explicit DesignParser(const std::string& file) : file_(file) {
        for (int n = 1; n <= CategoryCount; ++n) {
            result_.catalogue.categories[n] = {
                true, true, CategoryNames[n].english, CategoryNames[n].german, {file_, 0}};
        }
        result_.catalogue.hasNames = true;
    }

    ReadResult Run(const std::vector<Token>& tokens) {
        size_t i = 0;
        while (i < tokens.size()) {
            size_t end = i;
            while (end < tokens.size() && tokens[end].line == tokens[i].line) {
                ++end;
            }
            Line(std::vector<Token>(tokens.begin() + static_cast<long>(i),
                                    tokens.begin() + static_cast<long>(end)));
            i = end;
        }
        if (figure_) {
            Error(figure_->line, "figure without 'end'");
        }
        return std::move(result_);
    }

private:
    void Error(int line, std::string message) {
        result_.errors.push_back({{file_, line}, std::move(message)});
        if (figure_) {
            figure_->broken = true;
        }
    }

    void Line(const std::vector<Token>& t) {
        const int line = t[0].line;
        const std::string& word = t[0].quoted ? std::string() : t[0].text;
        if (word == "figure") {
            if (figure_) {
                Error(figure_->line, "figure without 'end' before the next figure");
                figure_.reset();
            }
            StartFigure(t);
        } else if (word == "tan") {
            if (!figure_) {
                Error(line, "'tan' outside a figure");
            } else {
                ReadTan(t);
            }
        } else if (word == "end") {
            if (!figure_) {
                Error(line, "'end' without a figure");
            } else {
                if (t.size() > 1) {
                    Error(line, "unexpected text after 'end'");
                }
                EndFigure();
            }
        } else {
            Error(line, Str("expected 'figure', 'tan' or 'end', found '", t[0].text, "'"));
        }
    }

    void StartFigure(const std::vector<Token>& t) {
        figure_ = Figure{};
        figure_->line = t[0].line;
        if (t.size() != 4 || t[1].quoted || !t[2].quoted || !t[3].quoted) {
            Error(t[0].line, "expected: figure CATEGORY \"English\" \"German\"");
            return;
        }
        auto category = ParseInt(t[1].text, 1, CategoryCount);
        if (!category) {
            Error(t[0].line, Str("category must be 1..8, found '", t[1].text, "'"));
            return;
        }
        figure_->category = *category;
        figure_->english = t[2].text;
        figure_->german = t[3].text;
    }

    // tan T rot R [mirror] vertex V at X Y
    void ReadTan(const std::vector<Token>& t) {
        const int line = t[0].line;
        std::vector<std::string> w;
        for (const Token& token : t) {
            if (token.quoted) {
                Error(line, "unexpected name in double quotes");
                return;
            }
            w.push_back(token.text);
        }
        const bool mirror = w.size() == 10 && w[4] == "mirror";
        if (mirror) {
            w.erase(w.begin() + 4);
        }
        if (w.size() != 9 || w[2] != "rot" || w[4] != "vertex" || w[6] != "at") {
            Error(line, "expected: tan T rot R [mirror] vertex V at X Y");
            return;
        }
        auto tan = ParseInt(w[1], 1, 7);
        if (!tan) {
            Error(line, Str("Tan must be 1..7, found '", w[1], "'"));
            return;
        }
        // From here on the Tan counts as given, so an error in the rest of
        // the line is not reported again as a missing Tan.
        auto& slot = figure_->tans[*tan];
        if (slot.line != 0) {
            Error(line, Str("Tan ", *tan, " is given twice (first at line ", slot.line, ")"));
            return;
        }
        slot.line = line;
        auto rot = ParseInt(w[3], 0, 7);
        if (!rot) {
            Error(line, Str("rot must be 0..7 (steps of 45 degrees), found '", w[3], "'"));
            return;
        }
        if (mirror && *tan != 7) {
            Error(line, Str("'mirror' is only for the rhomboid (Tan 7), not Tan ", *tan));
            return;
        }
        const int shape = PieceShape[*tan];
        auto vertex = ParseInt(w[5], 0, ShapeVertexCount[shape] - 1);
        if (!vertex) {
            Error(line, Str("Tan ", *tan, " has vertices 0..", ShapeVertexCount[shape] - 1,
                            ", found '", w[5], "'"));
            return;
        }
        auto x = TrueToCells(w[7]);
        auto y = TrueToCells(w[8]);
        if (!x || !y) {
            Error(line, Str("bad coordinate '", x ? w[8] : w[7],
                            "': write a, bs, a+bs or a-bs with whole a and b"));
            return;
        }
        const int orient = 2 * *rot + (mirror ? 16 : 0);
        slot.at = {*x - VertexX[shape][*vertex][orient], *y - VertexY[shape][*vertex][orient],
                   orient};
    }

    void EndFigure() {
        Figure f = std::move(*figure_);
        figure_.reset();
        for (int tan = 1; tan <= 7; ++tan) {
            if (f.tans[tan].line == 0) {
                Error(f.line, Str("the figure has no line for Tan ", tan));
                f.broken = true;
            }
        }
        if (!f.broken) {
            Place(f);
        }
    }

    // Moves the figure so that its covered cells are centred on the board.
    void Place(const Figure& f) {
        std::array<Placement, 7> tans;
        for (int t = 0; t < 7; ++t) {
            tans[t] = f.tans[t + 1].at;
        }
        const Box box = StampedBox(tans);
        // A box of odd width is centred on the middle cell; one of even width
        // lies half a cell left of (above) it.
        const int width = box.maxCol - box.minCol + 1;
        const int height = box.maxRow - box.minRow + 1;
        const int dc = CentreCol - width / 2 - box.minCol;
        const int dr = CentreRow - height / 2 - box.minRow;
        if (box.maxCol + dc > BoardCols - 2) {
            Error(f.line, Str("the figure is ", width, " cells wide; at most ", BoardCols - 1,
                              " fit on the board"));
            return;
        }
        if (box.maxRow + dr > BoardRows - 2) {
            Error(f.line, Str("the figure is ", height, " cells high; at most ", BoardRows - 1,
                              " fit on the board"));
            return;
        }
        Puzzle p;
        p.category = static_cast<uint8_t>(f.category);
        p.english = f.english;
        p.german = f.german;
        p.where = {file_, f.line};
        for (int t = 0; t < 7; ++t) {
            // Reference points lie inside their Tan, so they are on the board too.
            p.solution[t] = {static_cast<uint8_t>(tans[t].col + dc),
                             static_cast<uint8_t>(tans[t].row + dr),
                             static_cast<uint8_t>(tans[t].orient)};
        }
        result_.catalogue.puzzles.push_back(std::move(p));
    }

    std::string file_;
    std::optional<Figure> figure_;
    ReadResult result_;
};

}  // namespace

ReadResult ParseDesign(std::string_view text, const std::string& file) {
    TokenizeResult t = Tokenize(text);
    if (!t.error.empty()) {
        ReadResult r;
        r.errors.push_back({{file, t.errorLine}, t.error});
        return r;
    }
    return DesignParser(file).Run(t.tokens);
}

}  // namespace tangram::catalogue
