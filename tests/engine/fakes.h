// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Stand-ins for the screen and the clock: the view records every call in order,
// the clock advances by a fixed step at every pause.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "boardview.h"
#include "clock.h"
#include "data.h"

namespace tangram::testing {

inline const char* ColourName(Colour c) {
    switch (c) {
        case Colour::Black:
            return "black";
        case Colour::Grey:
            return "grey";
        case Colour::Silver:
            return "silver";
        case Colour::Green:
            return "green";
        case Colour::Yellow:
            return "yellow";
    }
    return "?";
}

class RecordingView : public BoardView {
public:
    std::vector<std::string> calls;

    void DrawPieceFilled(int tan, Colour fill, Colour pen) override {
        calls.push_back("fill " + std::to_string(tan) + " " + ColourName(fill) + " " +
                        ColourName(pen));
    }
    void DrawPieceOutline(int tan, Colour pen, bool xorMode) override {
        calls.push_back("outline " + std::to_string(tan) + " " + ColourName(pen) +
                        (xorMode ? " xor" : " copy"));
    }
    void DrawPieces(Colour fill, Colour pen) override {
        calls.push_back(std::string("pieces ") + ColourName(fill) + " " + ColourName(pen));
    }
    void PlayEffect(int effect) override { calls.push_back("effect " + std::to_string(effect)); }
    void SetBoardCursor(BoardCursor cursor) override {
        calls.push_back("cursor " + std::to_string(static_cast<int>(cursor)));
    }
    void ShowSolved() override { calls.push_back("solved"); }
    void FlushBoard() override {
        calls.push_back("flush");
        if (onFlush) {
            onFlush();
        }
    }
    // Looks at the board at the moment a picture is brought to the screen.
    std::function<void()> onFlush;

    // Only the sounds, in order.
    std::vector<int> Effects() const {
        std::vector<int> out;
        for (const auto& c : calls) {
            if (c.rfind("effect ", 0) == 0) {
                out.push_back(std::stoi(c.substr(7)));
            }
        }
        return out;
    }
    std::vector<std::string> Take() {
        auto out = std::move(calls);
        calls.clear();
        return out;
    }
};

class FakeClock : public TickClock {
public:
    explicit FakeClock(uint32_t start = 0, uint32_t stepMs = 1) : now(start), step(stepMs) {}
    uint32_t Ticks() override {
        ++readings;
        return now;
    }
    void Pause() override {
        now += step;
        ++pauses;
    }
    uint32_t now;
    uint32_t step;
    int readings = 0;
    int pauses = 0;
};

// The classic square, Tans 1..7, one of the catalogue's figures.
inline constexpr Layout ClassicSquare{
    {{60, 45, 10}, {72, 33, 6}, {69, 49, 0}, {60, 31, 2}, {51, 40, 14}, {67, 40, 2}, {56, 50, 22}}};

// One 22-byte catalogue record.
inline std::vector<uint8_t> Record(const Layout& layout, uint8_t category = 0) {
    std::vector<uint8_t> out{category};
    for (const PieceState& p : layout) {
        out.insert(out.end(), {p.col, p.row, p.orient});
    }
    return out;
}

// A game with the given puzzles, at puzzle 1.
inline GameData GameWith(const std::vector<Layout>& puzzles) {
    std::vector<uint8_t> bytes;
    for (const Layout& l : puzzles) {
        auto r = Record(l);
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    GameData game;
    ParseCatalogue(bytes, game);
    return game;
}

// A fresh folder, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tangram-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        const std::string path = File(name);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }

private:
    std::string path_;
};

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace tangram::testing
