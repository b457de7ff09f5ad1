// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "render.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "geometry.h"

namespace tangram::catalogue {

namespace {

constexpr int Gap = 8;
const QColor Silver(0xC0, 0xC0, 0xC0);
const QColor SeamGrey(0x7F, 0x7F, 0x7F);

QPolygon TanPolygon(int tan, const PieceState& s, int scale, QPoint origin) {
    QPolygon polygon;
    for (const Point& p : Outline(tan, {s.col, s.row, s.orient})) {
        polygon << origin + QPoint(p.x * scale, p.y * scale);
    }
    return polygon;
}

void DrawTile(QPainter& painter, const Puzzle& p, int number, QRect tile, int labelHeight,
              const SheetOptions& options) {
    painter.fillRect(tile, Silver);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int t = 1; t <= 7; ++t) {
        painter.drawPolygon(TanPolygon(t, p.solution[t - 1], options.scale, tile.topLeft()));
    }
    if (options.seams) {
        painter.setPen(QPen(SeamGrey, 0));
        painter.setBrush(Qt::NoBrush);
        for (int t = 1; t <= 7; ++t) {
            painter.drawPolygon(TanPolygon(t, p.solution[t - 1], options.scale, tile.topLeft()));
        }
    }
    const QString label = QStringLiteral("%1   cat. %2   %3")
                              .arg(number)
                              .arg(int{p.category})
                              .arg(QString::fromStdString(p.english));
    const QRect text(tile.left(), tile.bottom() + 1, tile.width(), labelHeight);
    painter.setPen(Qt::black);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(label, Qt::ElideRight, text.width()));
}

}  // namespace

QImage RenderSheet(const Catalogue& c, const SheetOptions& options) {
    const int total = static_cast<int>(c.puzzles.size());
    const int first = std::max(1, options.first);
    const int last = std::min(total, options.last);
    if (first > last) {
        return {};
    }
    const int count = last - first + 1;
    QFont font;
    font.setPixelSize(std::clamp(5 * options.scale + 2, 10, 16));
    const int labelHeight = QFontMetrics(font).height() + 4;
    const QSize tile(BoardCols * options.scale, BoardRows * options.scale);
    const int columns = std::clamp(options.maxWidth / (tile.width() + Gap), 1, count);
    const int rows = (count + columns - 1) / columns;
    QImage sheet(Gap + columns * (tile.width() + Gap),
                 Gap + rows * (tile.height() + labelHeight + Gap), QImage::Format_RGB32);
    if (sheet.isNull()) {
        return sheet;
    }
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setFont(font);
    for (int i = 0; i < count; ++i) {
        const QPoint at(Gap + (i % columns) * (tile.width() + Gap),
                        Gap + (i / columns) * (tile.height() + labelHeight + Gap));
        DrawTile(painter, c.puzzles[first - 1 + i], first + i, QRect(at, tile), labelHeight,
                 options);
    }
    return sheet;
}

}  // namespace tangram::catalogue
