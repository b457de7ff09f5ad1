// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Splitting the text forms into tokens: words, numbers and double-quoted
// names, with '#' starting a comment outside quotes.
#pragma once

#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tangram::catalogue {

struct Token {
    std::string text;  // without the quotes for a name
    bool quoted = false;
    int line = 0;
};

struct TokenizeResult {
    std::vector<Token> tokens;
    int errorLine = 0;  // 0 when the text was fine
    std::string error;
};

TokenizeResult Tokenize(std::string_view text);

// Joins the arguments as text; pass bytes as int, not as uint8_t.
template <typename... Args>
std::string Str(const Args&... args) {
    std::ostringstream out;
    (out << ... << args);
    return out.str();
}

// A whole decimal number, optionally signed, within [low, high].
std::optional<int> ParseInt(const std::string& s, int low, int high);

}  // namespace tangram::catalogue
