// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "dialogframe.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>

#include "placement.h"

void SetUpFixedDialog(QDialog* dialog, const char* name, QSize clientSize, bool boldFont) {
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setModal(true);
    dialog->setFixedSize(clientSize);
    dialog->setFont(DialogFont(11, boldFont));
}

QFrame* AddSunkenBox(QWidget* parent, const QRect& geometry) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(geometry);
    return frame;
}

QLabel* AddIconPicture(QWidget* parent, const QRect& geometry) {
    auto* icon = new QLabel(parent);
    icon->setGeometry(geometry);
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    return icon;
}

QPlainTextEdit* AddReadingBox(QWidget* parent, const char* name, const QRect& geometry,
                              const QString& text) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setReadOnly(true);
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(206, 206, 232));
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    box->setPlainText(text);
    box->hide();
    return box;
}
