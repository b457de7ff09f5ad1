// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "render.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <vector>

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

struct Fonts {
    QFont name;    // the number and the English name
    QFont german;  // the German name under it
    int lineHeight;
};

void DrawTile(QPainter& painter, const Puzzle& p, int number, QRect tile, const Fonts& fonts,
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
    // The number and the English name, the German name under them; a sheet of
    // all categories also tells each puzzle's category.
    QString first = QStringLiteral("%1  %2").arg(number).arg(QString::fromStdString(p.english));
    if (options.category == 0) {
        first += QStringLiteral("  (%1)").arg(int{p.category});
    }
    QRect line(tile.left(), tile.bottom() + 2, tile.width(), fonts.lineHeight);
    painter.setPen(Qt::black);
    painter.setFont(fonts.name);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(fonts.name).elidedText(first, Qt::ElideRight, line.width()));
    line.translate(0, fonts.lineHeight);
    painter.setPen(SeamGrey.darker(150));
    painter.setFont(fonts.german);
    painter.drawText(
        line, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(fonts.german)
            .elidedText(QString::fromStdString(p.german), Qt::ElideRight, line.width()));
}

}  // namespace

QImage RenderSheet(const Catalogue& c, const SheetOptions& options) {
    const int total = static_cast<int>(c.puzzles.size());
    std::vector<int> numbers;
    for (int n = std::max(1, options.first); n <= std::min(total, options.last); ++n) {
        if (options.category == 0 || c.puzzles[n - 1].category == options.category) {
            numbers.push_back(n);
        }
    }
    if (numbers.empty()) {
        return {};
    }
    const int count = static_cast<int>(numbers.size());
    Fonts fonts;
    fonts.name.setPixelSize(std::clamp(5 * options.scale + 3, 11, 18));
    fonts.name.setBold(true);
    fonts.german.setPixelSize(std::clamp(5 * options.scale + 2, 10, 17));
    fonts.lineHeight = QFontMetrics(fonts.name).height() + 1;
    const int labelHeight = 2 * fonts.lineHeight + 4;
    QFont headingFont;
    headingFont.setPixelSize(2 * fonts.name.pixelSize());
    headingFont.setBold(true);
    const int headingHeight = options.category == 0 ? 0 : QFontMetrics(headingFont).height() + Gap;

    const QSize tile(BoardCols * options.scale, BoardRows * options.scale);
    const int columns = std::clamp(options.maxWidth / (tile.width() + Gap), 1, count);
    const int rows = (count + columns - 1) / columns;
    QImage sheet(Gap + columns * (tile.width() + Gap),
                 Gap + headingHeight + rows * (tile.height() + labelHeight + Gap),
                 QImage::Format_RGB32);
    if (sheet.isNull()) {
        return sheet;
    }
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    if (options.category != 0) {
        const Category& cat = c.categories[static_cast<size_t>(options.category)];
        QString heading =
            QStringLiteral("%1  %2").arg(options.category).arg(QString::fromStdString(cat.english));
        if (!cat.german.empty()) {
            heading += QStringLiteral(" / %1").arg(QString::fromStdString(cat.german));
        }
        heading += QStringLiteral(":  puzzles %1..%2, %3 figures")
                       .arg(numbers.front())
                       .arg(numbers.back())
                       .arg(count);
        painter.setFont(headingFont);
        painter.drawText(QRect(Gap, Gap, sheet.width() - 2 * Gap, headingHeight - Gap),
                         Qt::AlignLeft | Qt::AlignVCenter, heading);
    }
    for (int i = 0; i < count; ++i) {
        const QPoint at(Gap + (i % columns) * (tile.width() + Gap),
                        Gap + headingHeight + (i / columns) * (tile.height() + labelHeight + Gap));
        DrawTile(painter, c.puzzles[numbers[i] - 1], numbers[i], QRect(at, tile), fonts, options);
    }
    return sheet;
}

}  // namespace tangram::catalogue
