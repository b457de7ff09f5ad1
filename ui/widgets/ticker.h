// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// A one-line ticker: its text scrolls from right to left, one pixel per step,
// and starts again from the right without a gap in the motion.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

class Ticker : public QWidget {
    Q_OBJECT
public:
    explicit Ticker(QWidget* parent = nullptr);

    // The ticker keeps its place in the motion when the text changes.
    void setText(const QString& text);
    QString text() const { return text_; }
    // How far the text has scrolled, in pixels; grows by one on every step.
    int offset() const { return offset_; }
    void start();
    void stop();
    bool isRunning() const { return timer_.isActive(); }
    void step();

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int period() const;

    QString text_;
    int offset_ = 0;
    QTimer timer_;
};
