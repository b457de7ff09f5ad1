// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The main window's start and close: its first activation with the language
// and info dialogs, the closing question, the settings written at the end and
// the dialogs of both, made when first needed.
#include <QCloseEvent>

#include "Freeware.h"
#include "Hint.h"
#include "Main.h"
#include "Tongdlg.h"
#include "YesNo.h"
#include "pattern.h"
#include "store.h"
#include "widgets/placement.h"
#include "widgets/x11frame.h"

void TMainForm::ShowAtStart(OpeningAnimation* opening) {
    startDialogs_ = true;
    placement_->Show(opening);
}

// A window system that hands the focus to the window mapped last (Wayland)
// activates the pattern window at the start, shown after this one, and this
// window only once the player clicks it: the game's first activation is the
// first of either, once this window is on the screen.
void TMainForm::SetPatternWindow(TPatForm* pattern) {
    pattern_ = pattern;
    pattern_->installEventFilter(this);
}

bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    // Before every mapping: a window manager reads the properties when it
    // takes the window on.
    if (event->type() == QEvent::Show) {
        x11::NameDesktopEntry(this);
    }
    // The pattern window floats above every other window; while the game is
    // minimised it would float over the player's other work, so it goes and
    // comes back with the main window.
    if (event->type() == QEvent::WindowStateChange && pattern_ != nullptr && isVisible()) {
        pattern_->setVisible(!isMinimized());
    }
    return QWidget::event(event);
}

void TMainForm::FormActivate() {
    if (!firstActivation_) {
        return;
    }
    firstActivation_ = false;
    // The first time the window comes up: ask for the language when none is
    // stored yet, put every text into it, then introduce the game with the info
    // dialog.
    if (startDialogs_ && game_.Tongue == -1) {
        AskLanguage();
    }
    Localize();
    if (startDialogs_) {
        ShowInfo();
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // After the end of the session everything is saved: the window just goes.
    if (!ended_ && !FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
    // The pattern window belongs to this one and goes with it.
    if (pattern_ != nullptr) {
        pattern_->hide();
    }
}

// The player is asked, and meets the info dialog whatever the answer.
bool TMainForm::FormCloseQuery() {
    const int answer = ShowPage(TYesNoDlg::EndGame);
    ShowInfo();
    return answer == TYesNoDlg::Yes;
}

// The session may end while a dialog of the close is open; it then saves
// and writes everything itself, once.
void TMainForm::FormClose() {
    if (!ended_) {
        ShowInfo();
    }
    if (ended_) {
        return;
    }
    help_.Quit();
    SaveProgressIfChanged();
    if (ended_) {
        return;
    }
    ended_ = true;
    WriteCloseSettings();
}

void TMainForm::EndSession() {
    if (ended_) {
        return;
    }
    ended_ = true;
    help_.Quit();
    SaveProgressQuietly();
    WriteCloseSettings();
}

void TMainForm::WriteCloseSettings() {
    using namespace settings;
    WriteSettingBool(Common, QStringLiteral("sound"), SoundOn());
    // Size and position only of a window in its normal state; the placement
    // written at the end keeps the rest.
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
        const QRect frame = frameGeometry();
        WriteSettingInt(Common, QStringLiteral("wid"), frame.width());
        WriteSettingInt(Common, QStringLiteral("hig"), frame.height());
        WriteSettingInt(Common, QStringLiteral("pleft"), frame.left());
        WriteSettingInt(Common, QStringLiteral("ptop"), frame.top());
    }
    WriteSettingInt(Common, QStringLiteral("level"), game_.CurrentPuzzle);
    WriteSettingInt(Common, QStringLiteral("tongue"), game_.Tongue);
    WriteSettingString(Common, QStringLiteral("save"), QString::fromStdString(game_.GameFileName));
}

// ---- the message, language, rules and info dialogs, made when first needed

void TMainForm::MakeGameDialogs() {
    SelectDialog();
    StatDialog();
    YesNoDialog();
    TongueDialog();
}

void TMainForm::MakeReadingDialogs() {
    FreewareDialog();
    HintDialog();
}

TYesNoDlg* TMainForm::YesNoDialog() {
    if (YesNoDlg == nullptr) {
        YesNoDlg = new TYesNoDlg(this);
    }
    return YesNoDlg;
}

TFreewareDlg* TMainForm::FreewareDialog() {
    if (FreewareDlg == nullptr) {
        FreewareDlg = new TFreewareDlg(this);
    }
    return FreewareDlg;
}

TTongueDlg* TMainForm::TongueDialog() {
    if (TongueDlg == nullptr) {
        TongueDlg = new TTongueDlg(this);
    }
    return TongueDlg;
}

THintDlg* TMainForm::HintDialog() {
    if (HintDlg == nullptr) {
        HintDlg = new THintDlg(this);
    }
    return HintDlg;
}

int TMainForm::ShowPage(int page) {
    return YesNoDialog()->ShowPage(page);
}

int TMainForm::ShowInfo() {
    FreewareDialog()->SetTongue(game_.Tongue);
    return FreewareDlg->exec();
}

void TMainForm::AskLanguage() {
    TongueDialog()->SetTongue(game_.Tongue);
    if (TongueDlg->exec() == 1) {
        game_.Tongue = TongueDlg->Tongue();
    }
    InstallLanguage(game_.Tongue);
}
