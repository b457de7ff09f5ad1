// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// What the game's small dialogs share: a modal window of a fixed client size
// in the dialog font, the program's icon as a picture, sunken boxes around
// groups of controls and read-only boxes of long text.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QDialog;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QWidget;

// Names the dialog, makes it modal, fixes its client area at `clientSize` and
// gives it the dialog font, bold or regular.
void SetUpFixedDialog(QDialog* dialog, const char* name, QSize clientSize, bool boldFont);

// A sunken box drawn around a group of controls.
QFrame* AddSunkenBox(QWidget* parent, const QRect& geometry);

// The program's icon at 32 by 32 pixels, centred in a label of `geometry`.
QLabel* AddIconPicture(QWidget* parent, const QRect& geometry);

// A read-only box of text, hidden until the dialog shows it for the player's
// language. Enter belongs to the dialog's default button and Tab moves on, so
// the box never keeps the keyboard; it has its own pale blue ground.
QPlainTextEdit* AddReadingBox(QWidget* parent, const char* name, const QRect& geometry,
                              const QString& text);
