// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// tangram-catalogue: the designers' and the build's tool for the puzzle
// catalogue. It converts designs to the catalogue source, proves that every
// puzzle can be played, draws contact sheets and compiles mexa.dat.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/check.h"
#include "catalogue/difficulty.h"
#include "catalogue/likeness.h"
#include "catalogue/source.h"
#include "catalogue/text.h"
#include "data.h"
#include "tangdata.h"

#ifdef TANGRAM_CATALOGUE_RENDER
#include <QGuiApplication>

#include "catalogue/render.h"
#endif

using namespace tangram;
using namespace tangram::catalogue;

namespace {

constexpr int ExitProblems = 1;
constexpr int ExitUsage = 2;

const char* const Usage =
    "usage: tangram-catalogue COMMAND ...\n"
    "  place FILE.fig...          print the figures as catalogue source (mexa.txt),\n"
    "                             centred on the board, each category easy to hard\n"
    "  check FILE... [--shipped]  prove every puzzle playable and unlike every other,\n"
    "                             turned or mirrored; one line per problem (--shipped:\n"
    "                             also 330 puzzles, 38..46 in each category)\n"
    "  rank FILE...               print each puzzle's difficulty (0 easy .. 100 hard)\n"
    "                             and what it is made of\n"
    "  similar FILE... [--top N]  print the N most alike pairs of figures (default 20)\n"
    "  render FILE... -o SHEET.png [--first N] [--last M] [--category C] [--scale K]\n"
    "         [--seams]           draw a contact sheet with each figure's number and\n"
    "                             names (K pixels per cell, default 2; --category draws\n"
    "                             one category's page; --seams draws grey lines\n"
    "                             between the Tans)\n"
    "  build FILE... -o mexa.dat [--names mexa.names]\n"
    "                             compile to the game's 22-byte records, and write\n"
    "                             the names the game shows beside them\n"
    "  dump FILE                  print a catalogue as source (a .dat has no names)\n"
    "  show FILE N                print puzzle N's target raster, one row per line\n"
    "  vertices TAN ORIENTATION   print the outline's vertex offsets in cells\n"
    "A FILE is a design (.fig), a source (.txt) or a compiled catalogue (.dat);\n"
    "several files form one catalogue in the given order. Figures from designs\n"
    "are numbered as in the catalogue made of them: by category, easy to hard.\n";

int UsageError(const std::string& why) {
    if (!why.empty()) {
        std::cerr << "tangram-catalogue: " << why << "\n";
    }
    std::cerr << Usage;
    return ExitUsage;
}

struct Arguments {
    std::vector<std::string> files;
    std::map<std::string, std::string> options;  // "-o", "--first", ...; "--seams" -> ""
    std::string error;
};

// Options that take a value, and flags, per command.
Arguments Split(int argc, char** argv, const std::vector<std::string>& valued,
                const std::vector<std::string>& flags) {
    Arguments a;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        auto is = [&](const std::vector<std::string>& list) {
            return std::find(list.begin(), list.end(), arg) != list.end();
        };
        if (is(valued)) {
            if (i + 1 >= argc) {
                a.error = arg + " needs a value";
                return a;
            }
            a.options[arg] = argv[++i];
        } else if (is(flags)) {
            a.options[arg] = "";
        } else if (arg.size() > 1 && arg[0] == '-') {
            a.error = "unknown option " + arg;
            return a;
        } else {
            a.files.push_back(arg);
        }
    }
    return a;
}

// Reads the files as one catalogue. Figures from designs are numbered as the
// catalogue made of them numbers them: by category, each easy to hard.
ReadResult ReadNumbered(const std::vector<std::string>& files) {
    ReadResult r = ReadFiles(files);
    const bool designs = std::all_of(files.begin(), files.end(), [](const std::string& f) {
        return f.size() > 4 && f.compare(f.size() - 4, 4, ".fig") == 0;
    });
    if (designs) {
        OrderEasyToHard(r.catalogue);
    }
    return r;
}

// Reads the files as one catalogue; on errors prints them and gives none.
std::unique_ptr<Catalogue> Read(const std::vector<std::string>& files) {
    ReadResult r = ReadNumbered(files);
    if (!r.ok()) {
        for (const Diagnostic& d : r.errors) {
            std::cerr << Format(d) << "\n";
        }
        return nullptr;
    }
    return std::make_unique<Catalogue>(std::move(r.catalogue));
}

int Place(const Arguments& a) {
    if (a.files.empty()) {
        return UsageError("place needs at least one design file");
    }
    auto c = Read(a.files);
    if (!c) {
        return ExitProblems;
    }
    WriteOptions options;
    options.header =
        "The puzzles of Quarv Tangram, made from catalogue/designs/*.fig by\n"
        "catalogue/regenerate.sh: edit the designs, not this file.";
    options.origins = true;
    std::cout << WriteSource(*c, options);
    return 0;
}

int Rank(const Arguments& a) {
    if (a.files.empty()) {
        return UsageError("rank needs at least one file");
    }
    auto c = Read(a.files);
    if (!c) {
        return ExitProblems;
    }
    int number = 0;
    for (const Puzzle& p : c->puzzles) {
        ++number;
        const Difficulty d = Measure(p.solution);
        std::printf("%3d  %5.1f   hidden %5.1f %%  solid %5.1f %%  shown %d   %d %s\n", number,
                    d.score, 100 * d.hidden, 100 * d.solidity, d.shown, int{p.category},
                    p.english.c_str());
    }
    return 0;
}

int Similar(const Arguments& a) {
    if (a.files.empty()) {
        return UsageError("similar needs at least one file");
    }
    int top = 20;
    if (auto it = a.options.find("--top"); it != a.options.end()) {
        auto v = ParseInt(it->second, 1, 100000);
        if (!v) {
            return UsageError("--top takes a number 1..100000");
        }
        top = *v;
    }
    auto c = Read(a.files);
    if (!c) {
        return ExitProblems;
    }
    std::vector<Layout> layouts;
    for (const Puzzle& p : c->puzzles) {
        layouts.push_back(p.solution);
    }
    std::vector<AlikePair> pairs = AlikePairs(layouts, 0.75);
    std::stable_sort(pairs.begin(), pairs.end(), [](const AlikePair& x, const AlikePair& y) {
        return x.likeness.overlap > y.likeness.overlap;
    });
    if (pairs.size() > static_cast<size_t>(top)) {
        pairs.resize(static_cast<size_t>(top));
    }
    for (const AlikePair& pair : pairs) {
        const Puzzle& first = c->puzzles[static_cast<size_t>(pair.first)];
        const Puzzle& second = c->puzzles[static_cast<size_t>(pair.second)];
        std::printf("%5.1f %%  %3d \"%s\" = %3d \"%s\" %s\n", 100 * pair.likeness.overlap,
                    pair.second + 1, second.english.c_str(), pair.first + 1, first.english.c_str(),
                    PoseText(pair.likeness).c_str());
    }
    return 0;
}

int Check(const Arguments& a) {
    if (a.files.empty()) {
        return UsageError("check needs at least one file");
    }
    ReadResult r = ReadNumbered(a.files);
    std::vector<Diagnostic> problems = r.errors;
    if (r.ok()) {
        problems = CheckCatalogue(r.catalogue, {a.options.count("--shipped") > 0});
    }
    for (const Diagnostic& d : problems) {
        std::cout << Format(d) << "\n";
    }
    const size_t count = r.catalogue.puzzles.size();
    if (!r.ok()) {
        std::cout << "check: the files could not be read: " << problems.size() << " error"
                  << (problems.size() == 1 ? "" : "s") << "\n";
    } else {
        std::cout << "check: " << count << " puzzle" << (count == 1 ? "" : "s") << ", ";
        if (problems.empty()) {
            std::cout << "no problems\n";
        } else {
            std::cout << problems.size() << " problem" << (problems.size() == 1 ? "" : "s") << "\n";
        }
    }
    return problems.empty() ? 0 : ExitProblems;
}

// Writes beside the target and renames, so a failed build never leaves half a
// catalogue where the game looks for it.
bool WriteWhole(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::remove(temp.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::remove(temp.c_str());
    }
    return !ec;
}

int Build(const Arguments& a) {
    auto out = a.options.find("-o");
    if (a.files.empty() || out == a.options.end()) {
        return UsageError("build needs a source file and -o OUTPUT");
    }
    auto c = Read(a.files);
    if (!c) {
        return ExitProblems;
    }
    if (!WriteWhole(out->second, ToRecords(*c))) {
        std::cerr << out->second << ": cannot write the file\n";
        return ExitProblems;
    }
    if (auto names = a.options.find("--names"); names != a.options.end()) {
        if (!c->hasNames) {
            std::cerr << "build: a compiled catalogue has no names to write\n";
            return ExitProblems;
        }
        const std::string text = ToNames(*c);
        if (!WriteWhole(names->second, std::vector<uint8_t>(text.begin(), text.end()))) {
            std::cerr << names->second << ": cannot write the file\n";
            return ExitProblems;
        }
    }
    return 0;
}

int Dump(const Arguments& a) {
    if (a.files.size() != 1) {
        return UsageError("dump needs one file");
    }
    auto c = Read(a.files);
    if (!c) {
        return ExitProblems;
    }
    std::cout << WriteSource(*c);
    return 0;
}

int Show(const Arguments& a) {
    if (a.files.size() != 2) {
        return UsageError("show needs a file and a puzzle number");
    }
    auto c = Read({a.files[0]});
    if (!c) {
        return ExitProblems;
    }
    const int count = static_cast<int>(c->puzzles.size());
    auto n = ParseInt(a.files[1], 1, count);
    if (!n) {
        std::cerr << a.files[0] << ": no puzzle " << a.files[1] << " (it holds 1.." << count
                  << ")\n";
        return ExitProblems;
    }
    std::cout << TargetText(c->puzzles[*n - 1].solution);
    return 0;
}

int Vertices(const Arguments& a) {
    if (a.files.size() != 2) {
        return UsageError("vertices needs a Tan and an orientation");
    }
    auto tan = ParseInt(a.files[0], 1, TanCount);
    auto orient = ParseInt(a.files[1], 0, OrientationCount - 1);
    if (!tan || !orient) {
        return UsageError("the Tan is 1..7, the orientation 0..31");
    }
    const int shape = PieceShape[*tan];
    for (int v = 0; v < ShapeVertexCount[shape]; ++v) {
        std::cout << "vertex " << v << ": " << int{VertexX[shape][v][*orient]} << " "
                  << int{VertexY[shape][v][*orient]} << "\n";
    }
    return 0;
}

int Render(int argc, char** argv, const Arguments& a) {
#ifdef TANGRAM_CATALOGUE_RENDER
    auto out = a.options.find("-o");
    if (a.files.empty() || out == a.options.end()) {
        return UsageError("render needs files and -o SHEET.png");
    }
    SheetOptions options;
    options.seams = a.options.count("--seams") > 0;
    for (auto [name, field, low, high] : {std::tuple{"--first", &options.first, 1, 100000},
                                          std::tuple{"--last", &options.last, 1, 100000},
                                          std::tuple{"--scale", &options.scale, 1, 16},
                                          std::tuple{"--category", &options.category, 1, 255}}) {
        if (auto it = a.options.find(name); it != a.options.end()) {
            auto v = ParseInt(it->second, low, high);
            if (!v) {
                return UsageError(Str(name, " takes a number ", low, "..", high));
            }
            *field = *v;
        }
    }
    // A designer wants to see the figures that are fine while fixing the
    // others: errors are reported, the rest is drawn, and the status says so.
    ReadResult r = ReadNumbered(a.files);
    for (const Diagnostic& d : r.errors) {
        std::cerr << Format(d) << "\n";
    }
    const int count = static_cast<int>(r.catalogue.puzzles.size());
    const bool any = std::any_of(
        r.catalogue.puzzles.begin(), r.catalogue.puzzles.end(),
        [&](const Puzzle& p) { return options.category == 0 || p.category == options.category; });
    if (options.first > std::min(options.last, count) || !any) {
        std::cerr << "render: nothing to draw; the catalogue holds puzzles 1.." << count << "\n";
        return ExitProblems;
    }
    // A contact sheet needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QImage sheet = RenderSheet(r.catalogue, options);
    if (sheet.isNull()) {
        std::cerr << "render: nothing to draw in that range, or the sheet is too large; draw "
                     "fewer puzzles (--first, --last, --category) or use a smaller --scale\n";
        return ExitProblems;
    }
    if (!sheet.save(QString::fromStdString(out->second))) {
        std::cerr << out->second << ": cannot write the image\n";
        return ExitProblems;
    }
    return r.ok() ? 0 : ExitProblems;
#else
    (void)argc;
    (void)argv;
    (void)a;
    std::cerr << "render: this build of tangram-catalogue has no Qt; configure with "
                 "TANGRAM_UI=ON\n";
    return ExitProblems;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return UsageError("");
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h") {
        std::cout << Usage;
        return 0;
    }
    // The options that take a value, and the flags, of each command.
    using Names = std::map<std::string, std::vector<std::string>>;
    const Names valued{
        {"build", {"-o", "--names"}},
        {"render", {"-o", "--first", "--last", "--scale", "--category"}},
        {"similar", {"--top"}},
    };
    const Names flags{{"render", {"--seams"}}, {"check", {"--shipped"}}};
    auto of = [&](const Names& names) {
        auto it = names.find(command);
        return it == names.end() ? std::vector<std::string>{} : it->second;
    };
    Arguments a = Split(argc, argv, of(valued), of(flags));
    if (!a.error.empty()) {
        return UsageError(a.error);
    }
    if (command == "place") {
        return Place(a);
    }
    if (command == "rank") {
        return Rank(a);
    }
    if (command == "similar") {
        return Similar(a);
    }
    if (command == "check") {
        return Check(a);
    }
    if (command == "render") {
        return Render(argc, argv, a);
    }
    if (command == "build") {
        return Build(a);
    }
    if (command == "dump") {
        return Dump(a);
    }
    if (command == "show") {
        return Show(a);
    }
    if (command == "vertices") {
        return Vertices(a);
    }
    return UsageError("unknown command " + command);
}
