// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "Hint.h"

#include <QPlainTextEdit>
#include <QPushButton>

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

QString THintDlg::EnglishRules() {
    return QStringLiteral(
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
}

QString THintDlg::GermanRules() {
    return QStringLiteral(
        "Was schon die alten Chinesen in Atem hielt, fordert auch Dich heraus. Lege aus\n"
        "den 7 Tans 330 Tangrams nach.\n"
        "\n"
        "Quarv Tangram ist ein geometrisches Legespiel für eine Person. Ein Tangram ist eine "
        "Figur aus den sieben Tans: zwei großen Dreiecken, einem mittleren Dreieck, zwei kleinen "
        "Dreiecken, einem Quadrat und einem Rhomboid.\n"
        "\n"
        "Deine Aufgabe ist es, vorgegebene Figuren nachzulegen. Dabei gelten zwei Regeln: Jede "
        "Figur besteht aus allen sieben Tans, und die Tans berühren einander, ohne sich zu "
        "überlappen.\n"
        "\n"
        "Manche Figuren haben mehrere Lösungen. Jede davon wird erkannt.\n"
        "\n"
        "Das Spiel enthält bis zu 330 Figuren. Du wählst eine mit dem Auswahlknopf aus oder "
        "nimmst mit den Pfeilknöpfen die nächste oder die vorige.\n"
        "\n"
        "Zu Beginn liegen die sieben Tans rund um den Rand des Spielfelds. Die Figur, die Du "
        "legen sollst, zeigt ein eigenes kleines Fenster, das Du frei auf dem Bildschirm "
        "verschieben kannst. Seine Titelleiste zeigt die Nummer der Figur und ob Du sie schon "
        "gelöst hast.\n"
        "\n"
        "Ein Linksklick nimmt ein Tan auf. Es wird dann als Rahmen gezeichnet, und der "
        "Mauszeiger ändert sich über ihm. Halte die linke Maustaste gedrückt und ziehe: In der "
        "Mitte gefasst wird das Tan verschoben, an den Ecken gefasst wird es gedreht. Das siebte "
        "Tan, das Rhomboid, wendest Du mit einem Rechtsklick. Ein Linksklick auf ein anderes Tan "
        "oder auf eine freie Stelle des Spielfelds legt das Tan ab, sofern es kein anderes Tan "
        "überdeckt.\n"
        "\n"
        "Jedes Mal, wenn ein Tan abgelegt wird, wird das Spielfeld mit der Figur verglichen. "
        "Stimmen beide überein, werden die Tans grün, und die Figur wird als gelöst markiert.\n"
        "\n"
        "Die übrigen Knöpfe erklären sich selbst: Halte die Maus einen Moment über einen Knopf, "
        "dann erscheint sein Hinweis.\n"
        "\n"
        "Jeder Knopf hat seine Taste: Strg+N neues Spiel, Strg+O Spiel laden, Strg+S Spiel "
        "speichern, M Geräusche an oder aus, T Statistik, F Figur wählen, H Hilfe (die Lösung "
        "blitzt auf), Bild ab nächste Figur, Bild auf vorige Figur, Strg+Q Spiel beenden, "
        "L Sprache, F1 diese Regeln, I wer das Spiel gemacht hat. Mit Tab gehst Du von Knopf zu "
        "Knopf, die Leertaste drückt den, der den Fokus hat. In der Figurenauswahl wandern die "
        "Pfeiltasten durch die Figuren, und Enter nimmt die markierte.\n");
}
