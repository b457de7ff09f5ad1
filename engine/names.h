// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The figures' names, from the names file beside the catalogue. A name is
// tied to a figure by the figure's 21 solution bytes, not by its number, so a
// catalogue made or edited since the names were written never shows a name
// written for another figure: a record whose bytes the file does not hold
// simply has no name.
//
// The file is UTF-8 text, one entry a line, fields separated by tabs:
//
//   quarv-tangram-names 1
//   category<TAB>3<TAB>Animals<TAB>Tiere
//   figure<TAB>42 hex digits of bytes 1..21<TAB>3<TAB>Cat<TAB>Katze
//
// Lines of another kind are skipped, so are lines that are not whole; a file
// that does not start with the first line, or is too large, gives no names.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace tangram {

struct GameData;

inline constexpr int NamesFileVersion = 1;
// Far more than 330 figures need; a larger file is not ours.
inline constexpr size_t MaxNamesFileBytes = 256 * 1024;
// Bytes of UTF-8 in one name.
inline constexpr size_t MaxNameBytes = 80;

struct PuzzleName {
    bool known = false;
    uint8_t category = 0;
    std::string english;
    std::string german;
};

struct CatalogueNames {
    std::array<PuzzleName, 331> puzzles{};  // by puzzle number 1..330
    std::array<std::string, 256> categoryEnglish{};
    std::array<std::string, 256> categoryGerman{};
};

// Gives each puzzle of `game`'s catalogue its names from the file's bytes, or
// none. The catalogue must be read first.
CatalogueNames ParseNames(std::span<const uint8_t> bytes, const GameData& game);

// Reads ProgramDir + "mexa.names" into game.Names; a missing, unreadable or
// damaged file leaves every puzzle without a name.
void LoadNames(GameData& game);

// "17: Cat" in the player's language (German for language code 1, English
// otherwise), or "17" for a puzzle without a name.
std::string NumberAndName(const GameData& game, int puzzle);
// "17: Cat (Animals)", or without the category when the file names none.
std::string NumberNameAndCategory(const GameData& game, int puzzle);

}  // namespace tangram
