// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The main window's board: where it goes in the window, the frames round it,
// the Tans drawn into its picture, and the mouse handed on to the Hand.
#include <QFrame>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "Main.h"
#include "YesNo.h"
#include "effects.h"
#include "pattern.h"
#include "widgets/boardcanvas.h"
#include "widgets/ticker.h"

using tangram::BoardCols;
using tangram::BoardRows;
using tangram::Colour;

namespace {

QColor ToQColor(Colour colour) {
    const auto v = static_cast<uint32_t>(colour);  // 0x00BBGGRR
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

// A rectangle outline one pixel wide whose corners are given the way the board
// frames are measured: (x1, y1) inside, (x2, y2) just outside.
void FrameRect(QPainter& p, int x1, int y1, int x2, int y2) {
    p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

// Visits the pixels of a closed outline one pixel wide, as the held Tan's
// outline is drawn. Each edge stops short of its end pixel, so every corner is
// visited once and a second XOR drawing takes the outline off exactly. Drawn
// by hand because Qt's raster engine hands a line of 96 rows or more to its
// thread pool, which made a drag step of a large triangle cost several times
// the rest of it.
template <typename Visit>
void ForEachOutlinePixel(const QPolygon& closed, Visit&& visit) {
    for (qsizetype i = 0; i + 1 < closed.size(); ++i) {
        int x = closed[i].x(), y = closed[i].y();
        const int x1 = closed[i + 1].x(), y1 = closed[i + 1].y();
        const int dx = std::abs(x1 - x), dy = -std::abs(y1 - y);
        const int sx = x < x1 ? 1 : -1, sy = y < y1 ? 1 : -1;
        int err = dx + dy;
        while (x != x1 || y != y1) {
            visit(x, y);
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
            }
        }
    }
}

// Visits the picture's own pixels of a closed outline one board pixel wide,
// each once. At a scale factor above 1 the line runs between the vertices in
// the finer pixels and is as wide as one board pixel, so edges are finer but
// the outline covers what it covers at the scale of 1.
template <typename Visit>
void ForEachPicturePixel(const QPolygon& closed, qreal ratio, Visit&& visit) {
    if (ratio == 1.0) {
        ForEachOutlinePixel(closed, visit);
        return;
    }
    const int width = std::max(1, int(std::lround(ratio)));
    QPolygon scaled;
    for (const QPoint& p : closed) {
        scaled << QPoint(int(std::lround(p.x() * ratio)), int(std::lround(p.y() * ratio)));
    }
    const QRect bounds = scaled.boundingRect().adjusted(0, 0, width, width);
    QImage seen(bounds.size(), QImage::Format_Grayscale8);
    seen.fill(0);
    ForEachOutlinePixel(scaled, [&](int x, int y) {
        for (int dy = 0; dy < width; ++dy) {
            uchar* row = seen.scanLine(y + dy - bounds.top());
            for (int dx = 0; dx < width; ++dx) {
                uchar& mark = row[x + dx - bounds.left()];
                if (mark == 0) {
                    mark = 1;
                    visit(x + dx, y + dy);
                }
            }
        }
    });
}

// Flips the pixels of a closed outline with `colour`.
void XorOutline(QImage& image, const QPolygon& closed, QRgb colour) {
    const QRgb bits = colour & 0xFFFFFF;
    const QRect inside = image.rect();
    ForEachPicturePixel(closed, image.devicePixelRatio(), [&](int x, int y) {
        if (inside.contains(x, y)) {
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] ^= bits;
        }
    });
}

}  // namespace

BoardPlacement PlaceBoard(QSize client) {
    const int boardHeight = client.height() - TMainForm::ToolPanelHeight - TMainForm::ScrollHeight;
    // Room for one more cell on each side of the raster.
    const int cell =
        std::max(0, std::min(client.width() / (BoardCols + 2), boardHeight / (BoardRows + 2)));
    BoardPlacement placement;
    placement.cell = cell;
    placement.box = QRect((client.width() - BoardCols * cell) / 2,
                          TMainForm::ToolPanelHeight + (boardHeight - BoardRows * cell) / 2,
                          BoardCols * cell + 1, BoardRows * cell + 1);
    return placement;
}

void TMainForm::resizeEvent(QResizeEvent*) {
    FormResize();
}

void TMainForm::FormResize() {
    const BoardPlacement placement = PlaceBoard(size());
    hand_.CellWidth = placement.cell;
    hand_.CellHeight = placement.cell;
    ToolPanel->setGeometry(0, 0, width(), ToolPanelHeight);
    qvkScroll_->setGeometry(0, height() - ScrollHeight, width(), ScrollHeight);
    box_->setGeometry(placement.box);
    box_->setPictureSize(placement.box.size());
    RepaintAll();
}

void TMainForm::paintEvent(QPaintEvent*) {
    FormPaint();
}

void TMainForm::FormPaint() {
    QPainter p(this);
    for (int x = 0; x <= width() + 100; x += 100) {
        for (int y = 0; y <= height() + 100; y += 100) {
            p.drawImage(x, y, back_);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    const QRect b = box_->geometry();
    const int right = b.left() + b.width(), bottom = b.top() + b.height();
    // A heavy frame three pixels wide at distance 4, thin ones at 7 and at 1.
    for (int d : {3, 4, 5, 7, 1}) {
        FrameRect(p, b.left() - d, b.top() - d, right + d, bottom + d);
    }
    FrameRect(p, 0, ToolPanelHeight, width(), height());
}

QPolygon TMainForm::PiecePixels(int tan) const {
    std::array<tangram::Pixel, 4> pixels{};
    const int n =
        tangram::PiecePolygon(tan, board_.Piece[tan], hand_.CellWidth, hand_.CellHeight, pixels);
    QPolygon polygon;
    for (int k = 0; k < n; ++k) {
        polygon << QPoint(pixels[k].x, pixels[k].y);
    }
    return polygon;
}

QRect TMainForm::FillPiece(QPainter& painter, int tan, Colour fill, Colour pen) const {
    const QPolygon polygon = PiecePixels(tan);
    painter.setPen(QPen(ToQColor(pen), 1));
    painter.setBrush(ToQColor(fill));
    painter.drawPolygon(polygon);
    // Qt leaves out a corner pixel or so of the outline that the held Tan
    // showed; the edge is drawn over it, so a put-down leaves none of it behind.
    const qreal ratio = box_->picture().devicePixelRatio();
    if (ratio == 1.0) {
        QPolygon edge;
        ForEachOutlinePixel(QPolygon(polygon) << polygon.value(0),
                            [&edge](int x, int y) { edge << QPoint(x, y); });
        painter.drawPoints(edge);
    } else {
        // Straight into the picture's own pixels: the painter draws at once,
        // so its polygon is there already.
        QImage& picture = box_->picture();
        const QRgb colour = ToQColor(pen).rgb();
        const QRect inside = picture.rect();
        ForEachPicturePixel(QPolygon(polygon) << polygon.value(0), ratio, [&](int x, int y) {
            if (inside.contains(x, y)) {
                reinterpret_cast<QRgb*>(picture.scanLine(y))[x] = colour;
            }
        });
    }
    return polygon.boundingRect().adjusted(-1, -1, 1, 1);
}

void TMainForm::DrawPieceFilled(int tan, Colour fill, Colour pen) {
    if (box_->picture().isNull()) {
        return;
    }
    QPainter painter(&box_->picture());
    box_->markChanged(FillPiece(painter, tan, fill, pen));
}

void TMainForm::DrawPieceOutline(int tan, Colour pen, bool xorMode) {
    QPolygon polygon = PiecePixels(tan);
    if (polygon.isEmpty() || box_->picture().isNull()) {
        return;
    }
    polygon << polygon.first();
    if (xorMode) {
        XorOutline(box_->picture(), polygon, ToQColor(pen).rgb());
    } else {
        QPainter painter(&box_->picture());
        painter.setPen(QPen(ToQColor(pen), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(polygon);
    }
    box_->markChanged(polygon.boundingRect().adjusted(-1, -1, 1, 1));
}

void TMainForm::DrawPieces(Colour fill, Colour pen) {
    if (box_->picture().isNull()) {
        return;
    }
    QPainter painter(&box_->picture());
    QRect changed;
    for (int tan = 1; tan <= tangram::TanCount; ++tan) {
        if (tan != board_.SelectedPiece) {
            changed |= FillPiece(painter, tan, fill, pen);
        }
    }
    box_->markChanged(changed);
}

void TMainForm::boxPaint() {
    ++renderCount_;
    QImage& picture = box_->picture();
    if (picture.isNull()) {
        return;
    }
    {
        QPainter painter(&picture);
        painter.fillRect(picture.rect(), ToQColor(Colour::Silver));
    }
    if (hand_.CellWidth > 0) {
        DrawPieces(board_.BoardState == 1 ? Colour::Green : Colour::Black, Colour::Grey);
        if (board_.SelectedPiece != 0) {
            DrawPieceOutline(board_.SelectedPiece, Colour::Yellow, true);
        }
    }
    box_->update();
}

void TMainForm::RepaintAll() {
    boxPaint();
    update();
    if (pattern_ != nullptr) {
        pattern_->Refresh();
    }
}

void TMainForm::FlushBoard() {
    box_->repaint();
}

void TMainForm::PlayEffect(int effect) {
    if (waves_ != nullptr) {
        sound::PlayEffect(*waves_, SoundOn(), effect);
    }
}

void TMainForm::SetBoardCursor(tangram::BoardCursor cursor) {
    cursorShape_ = cursor;
    switch (cursor) {
        case tangram::BoardCursor::Turn:
            box_->setCursor(turnCursor_);
            break;
        case tangram::BoardCursor::Move:
            box_->setCursor(moveCursor_);
            break;
        case tangram::BoardCursor::Hand:
            box_->setCursor(Qt::PointingHandCursor);
            break;
    }
}

void TMainForm::ShowSolved() {
    ShowPage(TYesNoDlg::Won);
    if (pattern_ != nullptr) {
        pattern_->Refresh();
    }
}

void TMainForm::boxMouseDown(Qt::MouseButton button, QPoint pos) {
    if (hand_.CellWidth <= 0) {
        return;
    }
    switch (button) {
        case Qt::LeftButton:
            hand_.boxMouseDown(tangram::MouseButton::Left, pos.x(), pos.y());
            break;
        case Qt::RightButton:
            hand_.boxMouseDown(tangram::MouseButton::Right, pos.x(), pos.y());
            break;
        case Qt::MiddleButton:
            hand_.boxMouseDown(tangram::MouseButton::Middle, pos.x(), pos.y());
            break;
        default:
            break;
    }
}

void TMainForm::boxMouseMove(bool leftButtonDown, QPoint pos) {
    if (hand_.CellWidth > 0) {
        hand_.boxMouseMove(leftButtonDown, pos.x(), pos.y());
    }
}
