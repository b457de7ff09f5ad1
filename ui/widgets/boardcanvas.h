// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The board's picture: an image that the game draws into directly, and a
// widget that shows it. Drawing marks only the touched rectangle for the
// screen, so dragging a Tan never repaints the whole board.
#pragma once

#include <QImage>
#include <QWidget>

class BoardCanvas : public QWidget {
    Q_OBJECT
public:
    explicit BoardCanvas(QWidget* parent = nullptr);

    // A fresh picture of the given size; its contents are undefined until drawn.
    // It has the screen's real pixels, so at a scale factor above 1 it holds
    // more of them than its size in Qt's pixels, in which it is drawn.
    void setPictureSize(QSize size);
    QImage& picture() { return picture_; }
    const QImage& picture() const { return picture_; }
    // Shows the changed part of the picture at the next paint.
    void markChanged(const QRect& rect);
    // The area painted on the screen so far, in pixels.
    qint64 paintedPixels() const { return paintedPixels_; }

signals:
    // A press of any button, a double click counting as a press.
    void pressed(Qt::MouseButton button, QPoint pos);
    // Every movement over the board, and beyond it while a button is held.
    void moved(bool leftButtonDown, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    qint64 paintedPixels_ = 0;
};
