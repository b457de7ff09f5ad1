// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "Hint.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "language.h"
#include "widgets/dialogframe.h"
#include "widgets/placement.h"

THintDlg::THintDlg(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), mainWindow_(mainWindow) {
    SetUpFixedDialog(this, "HintDlg", ClientSize, true);
    setWindowTitle(QStringLiteral("Quarv Tangram"));

    AddSunkenBox(this, QRect(8, 8, 433, 273));
    AddIconPicture(this, QRect(8, 288, 32, 32));

    const QRect rulesBox(16, 16, 417, 257);
    tipD = AddReadingBox(this, "tipD", rulesBox, GermanRules());
    TipE = AddReadingBox(this, "TipE", rulesBox, EnglishRules());
    // The dialog speaks in bold; the rules are set in the regular font.
    for (QPlainTextEdit* box : {tipD, TipE}) {
        box->setFont(DialogFont(11, false));
    }

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(192, 292, 77, 27);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(1); });
}

void THintDlg::showEvent(QShowEvent* event) {
    CentreOnScreen(this, mainWindow_);
    tipD->setVisible(tongue_ == 1);
    TipE->setVisible(tongue_ != 1);
    for (QPlainTextEdit* box : {tipD, TipE}) {
        box->moveCursor(QTextCursor::Start);
    }
    OKBtn->setFocus();
    QDialog::showEvent(event);
}

namespace {

// The rules as they are written; the German ones are their translation.
const char* const Rules = QT_TRANSLATE_NOOP(
    "THintDlg",
    "Even the people in ancient China like it, so you will like it too. Always seven pieces\n"
    "give a Tangram.\n"
    "\n"
    "Quarv Tangram is a geometric puzzle for one person. A Tangram is a figure made of the "
    "seven Tans: two large triangles, one middle-sized triangle, two small triangles, a "
    "square and a rhomboid.\n"
    "\n"
    "Your task is to lay the given figures. There are two rules: every figure uses all seven "
    "Tans, and the Tans touch each other without overlapping.\n"
    "\n"
    "Some figures have more than one solution. Every one of them is recognised.\n"
    "\n"
    "The game holds up to 330 figures. Choose one with the selection button, or take the "
    "next or the previous one with the arrow buttons.\n"
    "\n"
    "At the start the seven Tans lie around the edge of the board. The figure to lay is shown "
    "in a small window of its own, which you can move anywhere on the screen. Its title bar "
    "shows the number of the figure and whether you have solved it.\n"
    "\n"
    "A left click picks a Tan up. It is then drawn as a frame, and the mouse pointer changes "
    "over it. Keep the left button held and drag: taken near its middle the Tan moves, taken "
    "near its corners it turns. The seventh Tan, the rhomboid, is flipped over by a right "
    "click. A left click on another Tan or on an empty place of the board puts the Tan down, "
    "as long as it overlaps no other Tan.\n"
    "\n"
    "Every time a Tan is put down, the board is compared with the figure. When they match, "
    "the Tans turn green and the figure is marked as solved.\n"
    "\n"
    "The other buttons explain themselves: rest the mouse on a button for a moment to read "
    "its hint.\n"
    "\n"
    "Every button has its key: Ctrl+N new game, Ctrl+O load a game, Ctrl+S save the game, "
    "M sound on or off, T statistics, F choose a figure, H help (the solution flashes), "
    "Page Down next figure, Page Up previous figure, Ctrl+Q end the game, L language, "
    "F1 these rules, I who made the game. Tab goes from button to button, and the space "
    "bar presses the one with the focus. In the figure selection the arrow keys move "
    "through the figures and Enter takes the marked one.\n");

}  // namespace

QString THintDlg::EnglishRules() {
    return QString::fromUtf8(Rules);
}

QString THintDlg::GermanRules() {
    return Language(1).translate("THintDlg", Rules);
}
