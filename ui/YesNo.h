// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The message dialog: one page per message ("won", "endgame", "giveup"), each
// with its own buttons and results.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QStackedWidget;

class TYesNoDlg : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString text READ Text)
public:
    enum Page { Won = 1, EndGame = 3, GiveUp = 4 };
    // Modal results.
    enum Result { Ok = 1, Cancel = 2, Yes = 6, No = 7 };
    static constexpr QSize ClientSize{261, 103};

    // The dialog centres itself over `mainWindow` each time it opens.
    explicit TYesNoDlg(QWidget* mainWindow = nullptr);

    // Shows the page of that number and returns the answer: OK 1; Yes 6; No 2
    // on "endgame" and 7 on "giveup"; the close box 2. An unknown page shows
    // nothing and returns 2.
    int ShowPage(int page);
    // The page name of a page number, or an empty text.
    static QString PageName(int page);
    // Selects the page and sets its texts without showing it.
    bool SelectPage(int page);
    QString CurrentPageName() const;
    // The message of the current page, as the player reads it.
    QString Text() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

public slots:
    void reject() override;

private:
    QWidget* AddPage(const char* name, QRect label);
    QPushButton* AddButton(QWidget* page, int left, int result, bool isDefault);
    void SetTexts();

    QWidget* mainWindow_;
    QStackedWidget* pages = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* EndYesBtn = nullptr;
    QPushButton* EndNoBtn = nullptr;
    QPushButton* GiveYesBtn = nullptr;
    QPushButton* GiveNoBtn = nullptr;
    int escapeResult_ = Cancel;
};
