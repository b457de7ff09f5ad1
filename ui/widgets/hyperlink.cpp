// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "hyperlink.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <utility>

HyperlinkLabel::HyperlinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Link));
    setPalette(pal);
}

void HyperlinkLabel::setUrl(const QUrl& url) {
    url_ = url;
    if (text().isEmpty()) {
        setText(url.isValid() && url.scheme() == QLatin1String("mailto") ? url.path()
                                                                         : url.toString());
    }
    setToolTip(url.toString());
}

bool HyperlinkLabel::activate() {
    if (!url_.isValid()) {
        return false;
    }
    emit activated(url_);
    return QDesktopServices::openUrl(url_);
}

// A double click opens the address once: with the release of its first click.
void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool second = std::exchange(doubleClick_, false);
    if (!second && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        activate();
    }
    QLabel::mouseReleaseEvent(event);
}

void HyperlinkLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    doubleClick_ = event->button() == Qt::LeftButton;
    QLabel::mouseDoubleClickEvent(event);
}
