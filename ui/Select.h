// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The puzzle selection dialog: a scrolling grid of 3 x 3 thumbnails, one pixel
// per board cell, with the puzzle's number and a status icon. A click on a
// thumbnail makes that puzzle the current one; two buttons scroll to the
// previous or next puzzle not solved yet.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>

#include "data.h"

class BoardCanvas;
class QFrame;
class QPushButton;
class QScrollBar;
class QToolButton;

// Registers the status icons and the dialogs' glyphs.
void InitSelectionAssets();

// The status icon drawn on a thumbnail: -1 for none, else its index in the
// strip (0 the solved mark, 1..7 the Tans laid in advance).
int StatusIcon(uint8_t status);

class TSelectDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize{437, 376};
    static constexpr int SlotWidth = 130;  // a thumbnail and the gap on its right
    static constexpr int SlotHeight = 105;
    static constexpr QSize ThumbSize{120, 95};
    static constexpr int Slots = 9;

    // Reads the catalogue and the status bytes of `game` and writes its
    // CurrentPuzzle, on a click on a thumbnail only. `mainWindow` is what it
    // centres itself over.
    TSelectDlg(tangram::GameData& game, QWidget* mainWindow);

    // The puzzle in the grid's top-left slot.
    int Position() const;
    int ScrollMaximum() const;
    const QImage& Picture() const;
    QScrollBar* Scroll() const { return Scroll_; }

    // The handlers, public so that the main window's tests can drive them.
    void boxMouseDown(QPoint pos);
    void PrevBtnClick();
    void NextBtnClick();
    // Sets the texts and the grid for the current language and puzzle; runs
    // each time the dialog is shown.
    void FormActivate();

    // Cancel, Escape and the close box all give the cancel result 2.
    void reject() override;

    // The tooltip at `pos` in the grid: the grid's hint and, over a
    // thumbnail, a line with its number and name.
    QString ThumbToolTip(QPoint pos) const;

    // The puzzle the keyboard highlight is on.
    int Highlighted() const { return highlight_; }

protected:
    // The arrow keys move the highlight over the thumbnails, scrolling the
    // grid as needed; Enter chooses the highlighted puzzle as a click does.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The mouse wheel over the grid scrolls it one row of thumbnails a notch.
    void wheelEvent(QWheelEvent* event) override;

private:
    void boxPaint();
    // The puzzle whose thumbnail takes `pos` in the grid, or 0.
    int PuzzleAt(QPoint pos) const;
    void ScrollChange();
    void MoveHighlight(int step);
    void DrawThumb(QPainter& p, int slot, int puzzle) const;
    bool Solved(int puzzle) const;

    tangram::GameData& game_;
    QWidget* mainWindow_;
    QImage sm_;
    QFrame* Bevel1 = nullptr;
    BoardCanvas* box = nullptr;
    QScrollBar* Scroll_ = nullptr;
    QToolButton* PrevBtn = nullptr;
    QToolButton* NextBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    int wheelRest_ = 0;  // a part of a notch, from a fine-grained wheel
    int highlight_ = 1;
};
