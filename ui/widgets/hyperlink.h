// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// A label that stands for a web or mail address and opens it in the user's
// browser or mail program when clicked or activated.
#pragma once

#include <QLabel>
#include <QUrl>

class HyperlinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit HyperlinkLabel(QWidget* parent = nullptr);

    void setUrl(const QUrl& url);
    QUrl url() const { return url_; }
    // Opens the address; false when the desktop has nothing to open it with.
    bool activate();

signals:
    void activated(const QUrl& url);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QUrl url_;
    bool doubleClick_ = false;  // the button goes up at the end of a double click
};
