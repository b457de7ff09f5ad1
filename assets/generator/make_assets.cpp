// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Draws the game's bitmaps: the background tile, the two drag cursors and the
// 48 x 48 window icon (rendered from icon.svg). The results are committed; run
// this again only to change them:
//   g++ -std=c++20 -fPIC make_assets.cpp $(pkg-config --cflags --libs Qt6Gui Qt6Svg) -o make_assets
//   QT_QPA_PLATFORM=offscreen ./make_assets <assets folder>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QtMath>
#include <array>
#include <cstdint>

namespace {

// A small deterministic generator, so the tile comes out the same every time.
uint32_t NextRandom(uint32_t& seed) {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
}

// Warm paper with soft fibres. Everything wraps at the tile's edges, so the
// tiles join without seams.
QImage PaperTile() {
    constexpr int size = 100;
    std::array<double, size * size> shade{};
    uint32_t seed = 20261207;
    // Coarse value noise on a 10 x 10 lattice, interpolated smoothly.
    std::array<double, 100> lattice{};
    for (double& v : lattice) {
        v = (NextRandom(seed) % 1000) / 1000.0;
    }
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int gx = x / 10, gy = y / 10;
            const double fx = smooth((x % 10) / 10.0), fy = smooth((y % 10) / 10.0);
            auto at = [&](int i, int j) { return lattice[(j % 10) * 10 + (i % 10)]; };
            const double top = at(gx, gy) * (1 - fx) + at(gx + 1, gy) * fx;
            const double bottom = at(gx, gy + 1) * (1 - fx) + at(gx + 1, gy + 1) * fx;
            shade[y * size + x] = (top * (1 - fy) + bottom * fy - 0.5) * 10;
        }
    }
    // Fibres: short faint strokes in random directions.
    for (int f = 0; f < 160; ++f) {
        double x = NextRandom(seed) % size, y = NextRandom(seed) % size;
        const double angle = (NextRandom(seed) % 628) / 100.0;
        const int length = 3 + NextRandom(seed) % 8;
        const double depth = ((NextRandom(seed) % 2) ? 1.0 : -1.0) * (2 + NextRandom(seed) % 4);
        for (int s = 0; s < length; ++s) {
            const int px = (int(x) % size + size) % size, py = (int(y) % size + size) % size;
            shade[py * size + px] += depth;
            x += std::cos(angle);
            y += std::sin(angle);
        }
    }
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double grain = int(NextRandom(seed) % 5) - 2;
            const double d = shade[y * size + x] + grain;
            image.setPixel(x, y,
                           qRgb(qBound(0, int(228 + d), 255), qBound(0, int(216 + d), 255),
                                qBound(0, int(190 + d), 255)));
        }
    }
    return image;
}

// Both cursors: black shapes with a white rim, so they show on the silver
// board and on black Tans alike. The hot spot (15, 15) is the centre of the mark.
QImage CursorImage(const QPainterPath& path) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    // The mark itself: a small square over the hot spot.
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(13.5, 13.5, 4, 4));
    return image;
}

const QPointF Centre(15.5, 15.5);

QPainterPath ArrowHead(QPointF tip, double angle) {
    const double spread = qDegreesToRadians(28.0), len = 6.5;
    QPainterPath head;
    head.moveTo(tip + QPointF(std::cos(angle + M_PI - spread), std::sin(angle + M_PI - spread)) * len);
    head.lineTo(tip);
    head.lineTo(tip + QPointF(std::cos(angle + M_PI + spread), std::sin(angle + M_PI + spread)) * len);
    return head;
}

// Four arrows from the mark out to the corners.
QImage MoveCursor() {
    QPainterPath path;
    for (int k = 0; k < 4; ++k) {
        const double angle = qDegreesToRadians(45.0 + 90.0 * k);
        const QPointF dir(std::cos(angle), std::sin(angle));
        path.moveTo(Centre + dir * 5.0);
        path.lineTo(Centre + dir * 15.0);
        path.addPath(ArrowHead(Centre + dir * 15.0, angle));
    }
    return CursorImage(path);
}

// Two curved arrows chasing each other round a ring about the mark.
QImage TurnCursor() {
    QPainterPath path;
    const double radius = 10.0;
    const QRectF ring(Centre.x() - radius, Centre.y() - radius, 2 * radius, 2 * radius);
    for (int k = 0; k < 2; ++k) {
        const double start = 200.0 + 180.0 * k;  // degrees, counter-clockwise in Qt
        const double sweep = -140.0;              // the arrows run clockwise on screen
        path.arcMoveTo(ring, start);
        path.arcTo(ring, start, sweep);
        const double end = qDegreesToRadians(start + sweep);
        const QPointF tip(Centre.x() + radius * std::cos(end), Centre.y() - radius * std::sin(end));
        // The tangent of a clockwise arc on screen at `end`.
        const double heading = std::atan2(std::cos(end), std::sin(end));
        path.addPath(ArrowHead(tip, heading));
    }
    return CursorImage(path);
}

QImage Icon48(const QString& svg) {
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter p(&image);
    renderer.render(&p);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    bool ok = PaperTile().save(dir + "/back.png");
    ok = MoveCursor().save(dir + "/cursors/move.png") && ok;
    ok = TurnCursor().save(dir + "/cursors/turn.png") && ok;
    ok = Icon48(dir + "/icon.svg").save(dir + "/icon48.png") && ok;
    return ok ? 0 : 1;
}
