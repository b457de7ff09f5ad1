// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "Statis.h"

#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "Select.h"
#include "language.h"
#include "widgets/placement.h"

QString GameName(const std::string& gameFileName) {
    const QString name = QFileInfo(QString::fromStdString(gameFileName)).fileName();
    return name.size() < 4 ? QString() : name.left(name.size() - 4);
}

int CountSolved(const tangram::GameData& game) {
    int solved = 0;
    for (int puzzle = 1; puzzle <= tangram::PuzzleTotal(game); ++puzzle) {
        if (game.PuzzleStatus[puzzle] != 0) {
            ++solved;
        }
    }
    return solved;
}

QString StatTitle(const QString& gameName, int tongue) {
    const Language say(tongue);
    if (gameName.isEmpty()) {
        return say.translate("TStatDlg", "Tangram statistics");
    }
    return say.translate("TStatDlg", "Tangram statistics for game %1").arg(gameName);
}

QString StatSentence(int solved, int total, int tongue) {
    const Language say(tongue);
    if (solved == 0) {
        return say.translate("TStatDlg", "Until now no Tangram was solved !!!");
    }
    if (solved == 1) {
        return say.translate("TStatDlg", "Until now one out of total %1 Tangrams was solved.")
            .arg(total);
    }
    return say.translate("TStatDlg", "Until now %1 out of total %2 Tangrams were solved.")
        .arg(solved)
        .arg(total);
}

int StatPercent(int solved, int total) {
    return total > 0 ? solved * 100 / total : 0;
}

TStatDlg::TStatDlg(const tangram::GameData& game, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      game_(game),
      mainWindow_(mainWindow) {
    InitSelectionAssets();
    setObjectName(QStringLiteral("StatDlg"));
    setFixedSize(ClientSize);
    QFont dialogFont = font();
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    Bevel2 = new QFrame(this);
    Bevel2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel2->setGeometry(8, 8, 433, 69);

    L1 = new QLabel(this);
    L1->setObjectName(QStringLiteral("L1"));
    QFont bold = dialogFont;
    bold.setBold(true);
    L1->setFont(bold);
    L1->setGeometry(20, 20, 410, 16);

    G1 = new QProgressBar(this);
    G1->setObjectName(QStringLiteral("G1"));
    G1->setGeometry(20, 44, 410, 18);
    G1->setMinimum(0);
    G1->setTextVisible(true);
    G1->setAlignment(Qt::AlignCenter);
    G1->setStyleSheet(
        QStringLiteral("QProgressBar { border: none; background: rgb(160, 160, 160); color: black;"
                       " text-align: center; }"
                       "QProgressBar::chunk { background: rgb(0, 128, 255); }"));

    OkBtn = new QPushButton(QStringLiteral("OK"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(364, 84, 75, 25);
    OkBtn->setIcon(QIcon(QStringLiteral(":/glyphs/ok.svg")));
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, [this] { done(1); });
}

void TStatDlg::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TStatDlg::FormActivate() {
    CentreOver(this, mainWindow_);
    const int total = game_.PuzzleCount;
    SolvedCount_ = CountSolved(game_);
    // An empty catalogue still shows an empty bar, never a busy one.
    G1->setMaximum(std::max(total, 1));
    G1->setValue(SolvedCount_);
    G1->setFormat(QStringLiteral("%1%").arg(StatPercent(SolvedCount_, total)));
    setWindowTitle(StatTitle(GameName(game_.GameFileName), game_.Tongue));
    L1->setText(StatSentence(SolvedCount_, total, game_.Tongue));
}
