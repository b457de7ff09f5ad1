// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The language dialog; language.h switches the game's language.
#pragma once

#include <QDialog>

#include "language.h"

class QPushButton;

class TTongueDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize{320, 91};

    explicit TTongueDlg(QWidget* mainWindow = nullptr);

    // The language code before the dialog opens; after OK (result 1) the one
    // chosen. Closing the dialog otherwise leaves it as it was.
    void SetTongue(int tongue) { tongue_ = tongue; }
    int Tongue() const { return tongue_; }

    // A small flag for a language button (0 English, 1 German).
    static QPixmap FlagGlyph(int tongue);

public slots:
    // The close box and Escape answer Cancel (2).
    void reject() override { done(2); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void EnglishBtnClick();
    void GermanBtnClick();

    QWidget* mainWindow_;
    QPushButton* EnglishBtn = nullptr;
    QPushButton* GermanBtn = nullptr;
    int tongue_ = -1;
};
