// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Shared by the widget tests: a game of identical puzzles (the classic square)
// and helpers that find pixels of a Tan on the board.
#pragma once

#include <QApplication>
#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <array>
#include <initializer_list>
#include <span>
#include <string>

#include "boardview.h"
#include "data.h"
#include "names.h"
#include "raster.h"

namespace fixture {

// The classic square, Tans 1..7.
inline constexpr tangram::Layout Square{
    {{60, 45, 10}, {72, 33, 6}, {69, 49, 0}, {60, 31, 2}, {51, 40, 14}, {67, 40, 2}, {56, 50, 22}}};

inline void FillGame(tangram::GameData& game, int puzzles) {
    game.PuzzleCount = puzzles;
    for (int k = 1; k <= puzzles; ++k) {
        game.PuzzleTable[k] = Square;
    }
    game.CurrentPuzzle = 1;
}

// Names the figures as a names file would: one line per (layout, category,
// English, German), the categories 1 and 3 named too.
struct Named {
    tangram::Layout layout;
    int category;
    const char* english;
    const char* german;
};
inline void NameFigures(tangram::GameData& game, std::initializer_list<Named> figures) {
    std::string text =
        "quarv-tangram-names 1\ncategory\t1\tShapes\tFormen\ncategory\t3\tAnimals\tTiere\n";
    for (const Named& f : figures) {
        text += "figure\t";
        for (const tangram::PieceState& s : f.layout) {
            text += QStringLiteral("%1%2%3")
                        .arg(s.col, 2, 16, QLatin1Char('0'))
                        .arg(s.row, 2, 16, QLatin1Char('0'))
                        .arg(s.orient, 2, 16, QLatin1Char('0'))
                        .toStdString();
        }
        text += "\t" + std::to_string(f.category) + "\t" + f.english + "\t" + f.german + "\n";
    }
    game.Names = tangram::ParseNames(
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()), game);
}

inline std::array<QPoint, 4> Vertices(tangram::PieceState state, int tan, int cell, int& n) {
    std::array<tangram::Pixel, 4> pixels{};
    n = tangram::PiecePolygon(tan, state, cell, cell, pixels);
    std::array<QPoint, 4> points{};
    for (int k = 0; k < n; ++k) {
        points[k] = QPoint(pixels[k].x, pixels[k].y);
    }
    return points;
}

// The mean of the vertices: inside every Tan, since all are convex.
inline QPoint Centre(tangram::PieceState state, int tan, int cell) {
    int n = 0;
    const auto v = Vertices(state, tan, cell, n);
    QPoint sum;
    for (int k = 0; k < n; ++k) {
        sum += v[k];
    }
    return sum / n;
}

// The middle of the edge from vertex 0 to vertex 1, a pixel on the outline.
inline QPoint EdgeMiddle(tangram::PieceState state, int tan, int cell) {
    int n = 0;
    const auto v = Vertices(state, tan, cell, n);
    return (v[0] + v[1]) / 2;
}

inline QRgb Rgb(const QImage& image, QPoint p) {
    return image.pixel(p) & 0xFFFFFF;
}

// Accepts the next modal message box and remembers its text.
inline void AcceptNextModal(QString* text) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, text] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            *text = modal->property("text").toString();
            modal->close();
            timer->deleteLater();
        }
    });
    timer->start(20);
}

}  // namespace fixture
