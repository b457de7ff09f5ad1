// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The catalogue as the tools see it: the game's records plus what the text
// forms add (names, categories, where each puzzle came from), so that every
// message can point at the line a designer has to fix.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "raster.h"

namespace tangram::catalogue {

inline constexpr int CategoryCount = 8;

// A place in an input file; line 0 when the file has no lines (mexa.dat).
// (The constructors keep GCC's optimiser from warning that a member of a
// braced temporary may be used uninitialised.)
struct Origin {
    Origin() = default;
    Origin(std::string f, int l) : file(std::move(f)), line(l) {}
    std::string file;
    int line = 0;
};

// One message about an input: "file:line: message".
struct Diagnostic {
    Diagnostic() = default;
    Diagnostic(Origin w, std::string m) : where(std::move(w)), message(std::move(m)) {}
    Origin where;
    std::string message;
};
std::string Format(const Diagnostic& d);

struct Category {
    bool declared = false;
    bool named = false;  // false for categories taken from a compiled file
    std::string english;
    std::string german;
    Origin where;
};

struct Puzzle {
    uint8_t category = 0;  // byte 0 of the record
    std::string english;
    std::string german;
    bool named = true;  // false when read from a compiled file, which has no names
    // The category had been declared when the puzzle was read.
    bool categoryDeclared = true;
    Layout solution{};
    Origin where;
};

struct Catalogue {
    std::array<Category, 256> categories{};  // by category byte
    std::vector<Puzzle> puzzles;
    // Read from a text form, which must name every category 1..8.
    bool hasNames = false;
};

// What reading a file gives: a catalogue, or the reasons why not. When
// `errors` is not empty the catalogue must not be used.
struct ReadResult {
    Catalogue catalogue;
    std::vector<Diagnostic> errors;
    bool ok() const { return errors.empty(); }
};

// The game's own category names, also used for figures from design files.
struct CategoryName {
    const char* english;
    const char* german;
};
extern const std::array<CategoryName, CategoryCount + 1> CategoryNames;  // 1..8

// Reads a design (*.fig), a source (*.txt) or a compiled catalogue (*.dat),
// chosen by the file name's extension.
ReadResult ReadFile(const std::string& path);
// Reads several files as one catalogue, in the given order.
ReadResult ReadFiles(const std::vector<std::string>& paths);
// Appends `part` to `whole`; a category named differently in two files is an
// error.
void Append(ReadResult& whole, ReadResult&& part);

// Compiled form: 22-byte records, byte 0 the category, then the seven triples.
inline constexpr int RecordSize = 22;
std::vector<uint8_t> ToRecords(const Catalogue& c);
// The names file the game reads beside mexa.dat: each puzzle's names keyed by
// its 21 solution bytes, and the category names.
std::string ToNames(const Catalogue& c);
// Every whole record becomes a puzzle; a trailing part record is an error,
// because a tool should not hide a damaged file the way the game may.
ReadResult FromRecords(const std::vector<uint8_t>& bytes, const std::string& file);

}  // namespace tangram::catalogue
