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
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (picture_.size() != pixels || picture_.devicePixelRatio() != ratio) {
        picture_ = QImage(pixels, QImage::Format_RGB32);
        picture_.setDevicePixelRatio(ratio);
    }
}

void BoardCanvas::markChanged(const QRect& rect) {
    update(rect.intersected(this->rect()));
}

void BoardCanvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const qreal ratio = picture_.devicePixelRatio();
    for (const QRect& r : event->region()) {
        p.drawImage(QRectF(r), picture_,
                    QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
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
