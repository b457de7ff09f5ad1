// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "YesNo.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>

#include "widgets/dialogframe.h"
#include "widgets/placement.h"

TYesNoDlg::TYesNoDlg(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), mainWindow_(mainWindow) {
    SetUpFixedDialog(this, "YesNoDlg", ClientSize, true);
    setWindowTitle(QStringLiteral("Quarv Tangram"));

    pages = new QStackedWidget(this);
    pages->setObjectName(QStringLiteral("pages"));
    pages->setGeometry(rect());

    QWidget* won = AddPage("won", QRect(60, 28, 181, 17));
    OKBtn = AddButton(won, 92, Ok, true);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    QWidget* endgame = AddPage("endgame", QRect(72, 20, 153, 29));
    EndYesBtn = AddButton(endgame, 136, Yes, true);
    EndNoBtn = AddButton(endgame, 52, Cancel, false);
    EndYesBtn->setObjectName(QStringLiteral("EndYesBtn"));
    EndNoBtn->setObjectName(QStringLiteral("EndNoBtn"));
    QWidget* giveup = AddPage("giveup", QRect(56, 20, 189, 26));
    GiveYesBtn = AddButton(giveup, 136, Yes, true);
    GiveNoBtn = AddButton(giveup, 52, No, false);
    GiveYesBtn->setObjectName(QStringLiteral("GiveYesBtn"));
    GiveNoBtn->setObjectName(QStringLiteral("GiveNoBtn"));
    for (QPushButton* yes : {EndYesBtn, GiveYesBtn}) {
        yes->setIcon(style()->standardIcon(QStyle::SP_DialogYesButton));
    }
    for (QPushButton* no : {EndNoBtn, GiveNoBtn}) {
        no->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton));
    }
}

QWidget* TYesNoDlg::AddPage(const char* name, QRect label) {
    auto* page = new QWidget(pages);
    page->setObjectName(QString::fromLatin1(name));
    AddSunkenBox(page, QRect(8, 8, 245, 49));
    AddIconPicture(page, QRect(16, 16, 32, 32));
    auto* text = new QLabel(page);
    text->setObjectName(QStringLiteral("text"));
    text->setGeometry(label);
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    pages->addWidget(page);
    return page;
}

QPushButton* TYesNoDlg::AddButton(QWidget* page, int left, int result, bool isDefault) {
    auto* button = new QPushButton(page);
    button->setGeometry(left, 68, 77, 27);
    button->setIconSize(QSize(12, 12));
    // Return presses the button that has the focus, the default one at first.
    button->setAutoDefault(true);
    // A dialog has one default button, so each page's own is made the default
    // when the page is selected.
    button->setProperty("pageDefault", isDefault);
    button->setProperty("modalResult", result);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    return button;
}

QString TYesNoDlg::PageName(int page) {
    switch (page) {
        case Won:
            return QStringLiteral("won");
        case EndGame:
            return QStringLiteral("endgame");
        case GiveUp:
            return QStringLiteral("giveup");
        default:
            return {};
    }
}

QString TYesNoDlg::CurrentPageName() const {
    return pages->currentWidget()->objectName();
}

QString TYesNoDlg::Text() const {
    return pages->currentWidget()->findChild<QLabel*>(QStringLiteral("text"))->text();
}

bool TYesNoDlg::SelectPage(int page) {
    const QString name = PageName(page);
    QWidget* target = name.isEmpty() ? nullptr : pages->findChild<QWidget*>(name);
    if (target == nullptr) {
        return false;
    }
    pages->setCurrentWidget(target);
    for (QPushButton* button : target->findChildren<QPushButton*>()) {
        if (button->property("pageDefault").toBool()) {
            button->setDefault(true);
        }
    }
    escapeResult_ = page == GiveUp ? No : Cancel;
    SetTexts();
    return true;
}

// The language can change between two messages, so the texts are set anew
// every time.
void TYesNoDlg::SetTexts() {
    pages->widget(0)
        ->findChild<QLabel*>(QStringLiteral("text"))
        ->setText(tr("Hurrah, you did it!"));
    pages->widget(1)
        ->findChild<QLabel*>(QStringLiteral("text"))
        ->setText(tr("Do you really want to go?"));
    pages->widget(2)
        ->findChild<QLabel*>(QStringLiteral("text"))
        ->setText(tr("Do you really want to give up the game?"));
    OKBtn->setText(QStringLiteral("OK"));
    for (QPushButton* yes : {EndYesBtn, GiveYesBtn}) {
        yes->setText(tr("Yes"));
    }
    for (QPushButton* no : {EndNoBtn, GiveNoBtn}) {
        no->setText(tr("No"));
    }
}

int TYesNoDlg::ShowPage(int page) {
    if (!SelectPage(page)) {
        return Cancel;
    }
    return exec();
}

void TYesNoDlg::showEvent(QShowEvent* event) {
    CentreOver(this, mainWindow_);
    auto* page = pages->currentWidget();
    for (QPushButton* button : page->findChildren<QPushButton*>()) {
        if (button->property("pageDefault").toBool()) {
            button->setFocus();
        }
    }
    QDialog::showEvent(event);
}

void TYesNoDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        done(escapeResult_);
        return;
    }
    QDialog::keyPressEvent(event);
}

// The close box: 2 on every page.
void TYesNoDlg::reject() {
    done(Cancel);
}
