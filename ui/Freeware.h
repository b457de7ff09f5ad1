// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The info dialog: who made the game, how to reach them, and the terms of use.
#pragma once

#include <QDialog>

class HyperlinkLabel;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TFreewareDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize{385, 473};
    static constexpr const char* MakerName = "Quarv Games";

    explicit TFreewareDlg(QWidget* mainWindow = nullptr);

    // German terms for 1, English for every other language code.
    void SetTongue(int tongue) { tongue_ = tongue; }

    static QString GermanTerms();
    static QString EnglishTerms();

public slots:
    // The close box and Escape answer Cancel (2).
    void reject() override { done(2); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* AddLabel(const QRect& geometry, bool bold = false);
    QLabel* AddPicture(const QRect& control, const char* resource, QSize size);
    void SetTexts();

    QWidget* mainWindow_;
    QLabel* progname = nullptr;
    QLabel* makerLabel = nullptr;
    QLabel* studioLabel = nullptr;
    QLabel* mailCaption = nullptr;
    QLabel* homeCaption = nullptr;
    HyperlinkLabel* MailLink = nullptr;
    HyperlinkLabel* HomeLink = nullptr;
    QLabel* savelabel = nullptr;
    QPlainTextEdit* Memodeu = nullptr;
    QPlainTextEdit* Memoeng = nullptr;
    QPushButton* OKBtn = nullptr;
    int tongue_ = -1;
};
