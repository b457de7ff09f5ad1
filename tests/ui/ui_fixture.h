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

#include "data.h"
#include "hand.h"
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
