// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "names.h"

#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "data.h"
#include "fileio.h"

namespace tangram {

static_assert(std::tuple_size_v<decltype(CatalogueNames::puzzles)> == MaxPuzzles + 1);

namespace {

using Key = std::array<uint8_t, 21>;

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> out;
    for (;;) {
        const size_t tab = line.find('\t');
        out.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) {
            return out;
        }
        line.remove_prefix(tab + 1);
    }
}

// Well-formed UTF-8 without control characters, not empty and not too long:
// a name that can be shown as it is.
bool IsName(std::string_view s) {
    if (s.empty() || s.size() > MaxNameBytes) {
        return false;
    }
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            if (c < 0x20 || c == 0x7F) {
                return false;
            }
            ++i;
            continue;
        }
        size_t extra = 0;
        uint32_t code = 0;
        uint32_t least = 0;  // below this the form is overlong
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            code = c & 0x1Fu;
            least = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            code = c & 0x0Fu;
            least = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            code = c & 0x07u;
            least = 0x10000;
        } else {
            return false;
        }
        if (s.size() - i <= extra) {
            return false;
        }
        for (size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3Fu);
        }
        // Surrogates, code points beyond Unicode and the C1 controls.
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) || code < 0xA0) {
            return false;
        }
        i += 1 + extra;
    }
    return true;
}

std::optional<uint8_t> Category(std::string_view s) {
    if (s.empty() || s.size() > 3) {
        return std::nullopt;
    }
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > 255) {
        return std::nullopt;
    }
    return static_cast<uint8_t>(n);
}

std::optional<Key> Bytes(std::string_view hex) {
    if (hex.size() != 2 * std::tuple_size_v<Key>) {
        return std::nullopt;
    }
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        if (c >= 'A' && c <= 'F') {
            return c - 'A' + 10;
        }
        return -1;
    };
    Key key{};
    for (size_t i = 0; i < key.size(); ++i) {
        const int high = digit(hex[2 * i]);
        const int low = digit(hex[2 * i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        key[i] = static_cast<uint8_t>(16 * high + low);
    }
    return key;
}

Key KeyOf(const Layout& layout) {
    Key key{};
    for (size_t t = 0; t < layout.size(); ++t) {
        key[3 * t] = layout[t].col;
        key[3 * t + 1] = layout[t].row;
        key[3 * t + 2] = layout[t].orient;
    }
    return key;
}

const PuzzleName* NameOf(const GameData& game, int puzzle) {
    if (!IsPuzzle(game, puzzle)) {
        return nullptr;
    }
    const PuzzleName& n = game.Names.puzzles[static_cast<size_t>(puzzle)];
    return n.known ? &n : nullptr;
}

}  // namespace

CatalogueNames ParseNames(std::span<const uint8_t> bytes, const GameData& game) {
    CatalogueNames names;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const std::string header = "quarv-tangram-names " + std::to_string(NamesFileVersion) + "\n";
    if (bytes.size() > MaxNamesFileBytes || text.substr(0, header.size()) != header) {
        return names;
    }
    std::map<Key, PuzzleName> figures;
    size_t start = header.size();
    // Only lines ended by a newline count: a cut-off last line may have lost
    // part of a name.
    for (size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1) {
        const std::vector<std::string_view> f = Fields(text.substr(start, end - start));
        if (f[0] == "category" && f.size() == 4) {
            const auto n = Category(f[1]);
            if (n && IsName(f[2]) && IsName(f[3])) {
                names.categoryEnglish[*n] = f[2];
                names.categoryGerman[*n] = f[3];
            }
        } else if (f[0] == "figure" && f.size() == 5) {
            const auto key = Bytes(f[1]);
            const auto n = Category(f[2]);
            if (key && n && IsName(f[3]) && IsName(f[4])) {
                figures.emplace(*key, PuzzleName{true, *n, std::string(f[3]), std::string(f[4])});
            }
        }
    }
    for (int p = 1; p <= PuzzleTotal(game); ++p) {
        auto it = figures.find(KeyOf(game.PuzzleTable[static_cast<size_t>(p)]));
        if (it != figures.end()) {
            names.puzzles[static_cast<size_t>(p)] = it->second;
        }
    }
    return names;
}

void LoadNames(GameData& game) {
    // One byte more than allowed tells a file that is too large.
    std::vector<uint8_t> bytes(MaxNamesFileBytes + 1);
    const std::optional<size_t> got = ReadFilePrefix(game.ProgramDir + "mexa.names", bytes);
    game.Names =
        got ? ParseNames(std::span<const uint8_t>(bytes).first(*got), game) : CatalogueNames{};
}

std::string NumberAndName(const GameData& game, int puzzle) {
    std::string out = std::to_string(puzzle);
    if (const PuzzleName* n = NameOf(game, puzzle)) {
        out += ": " + (game.Tongue == 1 ? n->german : n->english);
    }
    return out;
}

std::string NumberNameAndCategory(const GameData& game, int puzzle) {
    std::string out = NumberAndName(game, puzzle);
    if (const PuzzleName* n = NameOf(game, puzzle)) {
        const std::string& category = game.Tongue == 1 ? game.Names.categoryGerman[n->category]
                                                       : game.Names.categoryEnglish[n->category];
        if (!category.empty()) {
            out += " (" + category + ")";
        }
    }
    return out;
}

}  // namespace tangram
