// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The catalogue source, mexa.txt: category declarations and puzzles written as
// their seven (column, row, orientation) triples.
#pragma once

#include <string>
#include <string_view>

#include "catalogue.h"

namespace tangram::catalogue {

ReadResult ParseSource(std::string_view text, const std::string& file);

struct WriteOptions {
    std::string header;    // comment lines put first, without the '#'
    bool origins = false;  // a comment naming the design file and line of each puzzle
};
// Declares every declared category in ascending order, then lists the puzzles;
// ParseSource reads the result back unchanged.
std::string WriteSource(const Catalogue& c, const WriteOptions& options = {});

}  // namespace tangram::catalogue
