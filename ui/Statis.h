// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The statistics dialog: how many puzzles of the catalogue are done, as a
// sentence and as a bar with the percentage.
#pragma once

#include <QDialog>
#include <string>

#include "data.h"

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;

// The game's name as the dialog shows it: the file name without its folder and
// without its last four characters (the ".mxg"); empty when shorter.
QString GameName(const std::string& gameFileName);
// Puzzles 1..puzzleCount whose status byte is not zero: a count of Tans laid in
// advance counts as well as the solved bit.
int CountSolved(const tangram::GameData& game);
// The title, with the game's name where it has one, and the sentence on the
// puzzles solved so far, in the language of the code.
QString StatTitle(const QString& gameName, int tongue);
QString StatSentence(int solved, int total, int tongue);
// The whole percentage, truncated; 0 for an empty catalogue.
int StatPercent(int solved, int total);

class TStatDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize{448, 118};

    TStatDlg(const tangram::GameData& game, QWidget* mainWindow);

    int SolvedCount() const { return SolvedCount_; }
    QLabel* Sentence() const { return L1; }
    QProgressBar* Bar() const { return G1; }

    // Counts anew and sets every text; runs each time the dialog is shown.
    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    const tangram::GameData& game_;
    QWidget* mainWindow_;
    int SolvedCount_ = 0;
    QFrame* Bevel2 = nullptr;
    QLabel* L1 = nullptr;
    QProgressBar* G1 = nullptr;
    QPushButton* OkBtn = nullptr;
};
