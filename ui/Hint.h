// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The rules dialog: how the game is played, in German or English.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class THintDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize{446, 327};

    explicit THintDlg(QWidget* mainWindow = nullptr);

    // German rules for 1, English for every other language code.
    void SetTongue(int tongue) { tongue_ = tongue; }

    static QString GermanRules();
    static QString EnglishRules();

public slots:
    // The close box and Escape answer Cancel (2).
    void reject() override { done(2); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* mainWindow_;
    QPlainTextEdit* tipD = nullptr;
    QPlainTextEdit* TipE = nullptr;
    QPushButton* OKBtn = nullptr;
    int tongue_ = -1;
};
