// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "text.h"

#include <charconv>

namespace tangram::catalogue {

TokenizeResult Tokenize(std::string_view text) {
    TokenizeResult out;
    int line = 1;
    size_t i = 0;
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (i < text.size()) {
        char c = text[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (isBlank(c)) {
            ++i;
        } else if (c == '#') {
            while (i < text.size() && text[i] != '\n') {
                ++i;
            }
        } else if (c == '"') {
            size_t end = i + 1;
            while (end < text.size() && text[end] != '"' && text[end] != '\n') {
                ++end;
            }
            if (end >= text.size() || text[end] != '"') {
                out.errorLine = line;
                out.error = "name without its closing double quote";
                return out;
            }
            out.tokens.push_back({std::string(text.substr(i + 1, end - i - 1)), true, line});
            i = end + 1;
        } else {
            size_t end = i;
            while (end < text.size() && !isBlank(text[end]) && text[end] != '\n' &&
                   text[end] != '#' && text[end] != '"') {
                ++end;
            }
            out.tokens.push_back({std::string(text.substr(i, end - i)), false, line});
            i = end;
        }
    }
    return out;
}

std::optional<int> ParseInt(const std::string& s, int low, int high) {
    const char* first = s.data();
    const char* last = s.data() + s.size();
    if (first != last && *first == '+') {
        ++first;
    }
    int value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || first == last || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

}  // namespace tangram::catalogue
