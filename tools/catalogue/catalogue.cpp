// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "catalogue.h"

#include <fstream>
#include <iterator>

#include "design.h"
#include "names.h"
#include "source.h"
#include "text.h"

namespace tangram::catalogue {

const std::array<CategoryName, CategoryCount + 1> CategoryNames{{
    {"", ""},
    {"Shapes", "Formen"},
    {"People", "Menschen"},
    {"Animals", "Tiere"},
    {"Birds and fish", "Vögel und Fische"},
    {"Boats and vehicles", "Boote und Fahrzeuge"},
    {"Buildings and things", "Häuser und Dinge"},
    {"Letters", "Buchstaben"},
    {"Digits and signs", "Ziffern und Zeichen"},
}};

std::string Format(const Diagnostic& d) {
    if (d.where.line > 0) {
        return Str(d.where.file, ":", d.where.line, ": ", d.message);
    }
    return Str(d.where.file, ": ", d.message);
}

namespace {

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

ReadResult ReadFile(const std::string& path) {
    ReadResult r;
    const bool dat = EndsWith(path, ".dat");
    const bool fig = EndsWith(path, ".fig");
    if (!dat && !fig && !EndsWith(path, ".txt")) {
        r.errors.push_back(
            {{path, 0}, "unknown kind of file: expected a design (.fig), source (.txt) or .dat"});
        return r;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        r.errors.push_back({{path, 0}, "cannot open the file"});
        return r;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (dat) {
        return FromRecords(std::vector<uint8_t>(bytes.begin(), bytes.end()), path);
    }
    return fig ? ParseDesign(bytes, path) : ParseSource(bytes, path);
}

void Append(ReadResult& whole, ReadResult&& part) {
    for (Diagnostic& d : part.errors) {
        whole.errors.push_back(std::move(d));
    }
    for (size_t n = 0; n < part.catalogue.categories.size(); ++n) {
        Category& mine = whole.catalogue.categories[n];
        Category& theirs = part.catalogue.categories[n];
        if (!theirs.declared) {
            continue;
        }
        if (!mine.declared || (!mine.named && theirs.named)) {
            mine = std::move(theirs);
        } else if (theirs.named &&
                   (mine.english != theirs.english || mine.german != theirs.german)) {
            whole.errors.push_back(
                {theirs.where, Str("category ", n, " is named \"", theirs.english, "\" \"",
                                   theirs.german, "\" here but \"", mine.english, "\" \"",
                                   mine.german, "\" at ", mine.where.file, ":", mine.where.line)});
        }
    }
    whole.catalogue.hasNames = whole.catalogue.hasNames || part.catalogue.hasNames;
    for (Puzzle& p : part.catalogue.puzzles) {
        whole.catalogue.puzzles.push_back(std::move(p));
    }
}

ReadResult ReadFiles(const std::vector<std::string>& paths) {
    ReadResult all;
    for (const std::string& path : paths) {
        Append(all, ReadFile(path));
    }
    return all;
}

std::vector<uint8_t> ToRecords(const Catalogue& c) {
    std::vector<uint8_t> out;
    for (const Puzzle& p : c.puzzles) {
        out.push_back(p.category);
        for (const PieceState& s : p.solution) {
            out.push_back(s.col);
            out.push_back(s.row);
            out.push_back(s.orient);
        }
    }
    return out;
}

std::string ToNames(const Catalogue& c) {
    // A tab or a line break would end the field or the line early.
    auto field = [](std::string s) {
        for (char& ch : s) {
            if (static_cast<unsigned char>(ch) < 0x20) {
                ch = ' ';
            }
        }
        return "\t" + s;
    };
    std::string out = Str("quarv-tangram-names ", NamesFileVersion, "\n");
    for (size_t n = 0; n < c.categories.size(); ++n) {
        const Category& cat = c.categories[n];
        if (cat.declared && cat.named) {
            out += Str("category\t", n) + field(cat.english) + field(cat.german) + "\n";
        }
    }
    for (const Puzzle& p : c.puzzles) {
        if (!p.named) {
            continue;
        }
        out += "figure\t";
        for (const PieceState& s : p.solution) {
            for (uint8_t b : {s.col, s.row, s.orient}) {
                out += "0123456789abcdef"[b >> 4];
                out += "0123456789abcdef"[b & 15];
            }
        }
        out += Str("\t", int{p.category}) + field(p.english) + field(p.german) + "\n";
    }
    return out;
}

ReadResult FromRecords(const std::vector<uint8_t>& bytes, const std::string& file) {
    ReadResult r;
    const size_t whole = bytes.size() / RecordSize;
    for (size_t k = 0; k < whole; ++k) {
        const uint8_t* rec = bytes.data() + k * RecordSize;
        Puzzle p;
        p.category = rec[0];
        p.named = false;
        p.where = {file, 0};
        for (int t = 0; t < 7; ++t) {
            p.solution[t] = {rec[1 + 3 * t], rec[2 + 3 * t], rec[3 + 3 * t]};
        }
        Category& c = r.catalogue.categories[p.category];
        if (!c.declared) {
            c.declared = true;
            c.named = false;
            c.where = {file, 0};
        }
        r.catalogue.puzzles.push_back(std::move(p));
    }
    if (bytes.size() % RecordSize != 0) {
        r.errors.push_back({{file, 0},
                            Str("the file ends with ", bytes.size() % RecordSize,
                                " bytes that are not a whole record of ", RecordSize)});
    }
    return r;
}

}  // namespace tangram::catalogue
