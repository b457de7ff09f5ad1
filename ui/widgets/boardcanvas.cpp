// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "boardcanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

BoardCanvas::BoardCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void BoardCanvas::setPictureSize(QSize size) {
    if (picture_.size() != size) {
        picture_ = QImage(size, QImage::Format_RGB32);
    }
}

void BoardCanvas::markChanged(const QRect& rect) {
    update(rect.intersected(this->rect()));
}

void BoardCanvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    for (const QRect& r : event->region()) {
        p.drawImage(r, picture_, r);
        paintedPixels_ += qint64(r.width()) * r.height();
    }
}

void BoardCanvas::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position().toPoint());
}

// The second press of a quick pair is still a press on the board.
void BoardCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position().toPoint());
}

void BoardCanvas::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->buttons().testFlag(Qt::LeftButton), event->position().toPoint());
}
