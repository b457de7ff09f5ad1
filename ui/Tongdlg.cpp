// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "Tongdlg.h"

#include <QPainter>
#include <QPushButton>
#include <utility>

#include "widgets/dialogframe.h"
#include "widgets/placement.h"

QPixmap TTongueDlg::FlagGlyph(int tongue) {
    QPixmap flag(24, 16);
    QPainter p(&flag);
    if (tongue == 1) {
        // Three bands: black, red, gold.
        p.fillRect(0, 0, 24, 6, QColor(0, 0, 0));
        p.fillRect(0, 5, 24, 6, QColor(221, 0, 0));
        p.fillRect(0, 11, 24, 5, QColor(255, 206, 0));
    } else {
        // Blue with a white and red cross and white diagonals.
        p.fillRect(flag.rect(), QColor(1, 33, 105));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(0, 0, 24, 16);
        p.drawLine(0, 16, 24, 0);
        p.setPen(QPen(QColor(200, 16, 46), 1));
        p.drawLine(0, 0, 24, 16);
        p.drawLine(0, 16, 24, 0);
        p.fillRect(9, 0, 6, 16, Qt::white);
        p.fillRect(0, 5, 24, 6, Qt::white);
        p.fillRect(10, 0, 4, 16, QColor(200, 16, 46));
        p.fillRect(0, 6, 24, 4, QColor(200, 16, 46));
    }
    p.setPen(QColor(64, 64, 64));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(0, 0, 23, 15);
    return flag;
}

TTongueDlg::TTongueDlg(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), mainWindow_(mainWindow) {
    SetUpFixedDialog(this, "TongueDlg", ClientSize, false);
    setWindowTitle(QStringLiteral("Quarv Tangram V2.9"));

    AddSunkenBox(this, QRect(8, 8, 305, 77));
    AddIconPicture(this, QRect(28, 28, 37, 37));

    // Both captions stay as they are in every language: each speaks its own.
    EnglishBtn = new QPushButton(QStringLiteral("I speak english."), this);
    EnglishBtn->setObjectName(QStringLiteral("EnglishBtn"));
    EnglishBtn->setGeometry(84, 16, 221, 27);
    GermanBtn = new QPushButton(QStringLiteral("Ich spreche deutsch."), this);
    GermanBtn->setObjectName(QStringLiteral("GermanBtn"));
    GermanBtn->setGeometry(84, 48, 221, 27);
    for (auto [button, tongue] : {std::pair{EnglishBtn, 0}, std::pair{GermanBtn, 1}}) {
        button->setIcon(FlagGlyph(tongue));
        button->setIconSize(QSize(24, 16));
        button->setAutoDefault(true);
    }
    connect(EnglishBtn, &QPushButton::clicked, this, &TTongueDlg::EnglishBtnClick);
    connect(GermanBtn, &QPushButton::clicked, this, &TTongueDlg::GermanBtnClick);
}

void TTongueDlg::showEvent(QShowEvent* event) {
    CentreOver(this, mainWindow_);
    EnglishBtn->setFocus();
    QDialog::showEvent(event);
}

void TTongueDlg::EnglishBtnClick() {
    tongue_ = 0;
    done(1);
}

void TTongueDlg::GermanBtnClick() {
    tongue_ = 1;
    done(1);
}
