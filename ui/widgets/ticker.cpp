// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "ticker.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace {
// 40 steps of one pixel a second: smooth, and slow enough to read.
constexpr int StepMs = 25;
constexpr QRgb Background = 0x000000;
constexpr QRgb TextColour = 0xFFFF80;  // light yellow
}  // namespace

Ticker::Ticker(QWidget* parent) : QWidget(parent) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(13);
    setFont(f);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(StepMs);
    connect(&timer_, &QTimer::timeout, this, &Ticker::step);
}

void Ticker::setText(const QString& text) {
    text_ = text;
    update();
}

void Ticker::start() {
    timer_.start();
}
void Ticker::stop() {
    timer_.stop();
}

void Ticker::step() {
    ++offset_;
    // Keep the counter small; the picture repeats every period anyway.
    const int p = period();
    if (offset_ >= p + width()) {
        offset_ -= p;
    }
    update();
}

QSize Ticker::sizeHint() const {
    return {200, 17};
}

// The text and the blanks that end it form one period of the endless band.
int Ticker::period() const {
    return std::max(1, QFontMetrics(font()).horizontalAdvance(text_));
}

void Ticker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor::fromRgb(Background));
    if (text_.isEmpty()) {
        return;
    }
    p.setPen(QColor::fromRgb(TextColour));
    const int band = period();
    // The band enters at the right edge; once its start has gone past the
    // left edge, the copies that follow it fill the line.
    int x = width() - offset_;
    if (x < 0) {
        x = -((-x) % band);
    }
    const QFontMetrics fm(font());
    const int baseline = (height() + fm.ascent() - fm.descent()) / 2;
    for (; x < width(); x += band) {
        p.drawText(x, baseline, text_);
    }
}

void Ticker::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit clicked();
    }
}

// The second press of a double click has told of its click already with the
// first one; the homepage opens once.
void Ticker::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
