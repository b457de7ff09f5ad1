// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The main window's tool bar: thirteen flat buttons along the top and what
// they do beyond saved games, the puzzle choice and the statistics
// (MainGames.cpp).
#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QShortcut>
#include <QToolButton>
#include <initializer_list>

#include "Hint.h"
#include "Main.h"
#include "pattern.h"
#include "widgets/hyperlink.h"

namespace {

// The desktop's own icon under the first of the names its theme knows, else
// the game's glyph.
QIcon Glyph(std::initializer_list<const char*> themeNames, const char* glyph) {
    for (const char* name : themeNames) {
        const QString themeName = QString::fromLatin1(name);
        if (QIcon::hasThemeIcon(themeName)) {
            return QIcon::fromTheme(themeName);
        }
    }
    return QIcon(QStringLiteral(":/glyphs/%1.svg").arg(QLatin1String(glyph)));
}

}  // namespace

QToolButton* TMainForm::AddToolButton(const char* name, int left, int width, const QIcon& glyph,
                                      int glyphSize) {
    auto* button = new QToolButton(ToolPanel);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    // Reached with Tab, in the order of the bar; the board takes no keys.
    button->setFocusPolicy(Qt::TabFocus);
    button->setGeometry(left, 4, width, 25);
    button->setIconSize(QSize(glyphSize, glyphSize));
    button->setIcon(glyph);
    return button;
}

void TMainForm::CreateToolBar() {
    ToolPanel = new QFrame(this);
    ToolPanel->setObjectName(QStringLiteral("ToolPanel"));
    ToolPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ToolPanel->setAutoFillBackground(true);
    ToolPanel->setBackgroundRole(QPalette::Button);

    NewgameBtn = AddToolButton("NewgameBtn", 4, 25, Glyph({"document-new"}, "new"), 18);
    LoadBtn = AddToolButton("LoadBtn", 28, 25, Glyph({"document-open"}, "open"), 18);
    SaveBtn = AddToolButton("SaveBtn", 52, 25, Glyph({"document-save"}, "save"), 18);
    SoundBtn = AddToolButton("SoundBtn", 76, 25, QIcon(), 16);
    SoundBtn->setCheckable(true);
    SoundBtn->setChecked(true);
    UpdateSoundGlyph();
    StatBtn = AddToolButton("StatBtn", 100, 25,
                            Glyph({"view-statistics", "x-office-spreadsheet"}, "statistics"), 16);
    SelectBtn =
        AddToolButton("SelectBtn", 124, 25, Glyph({"view-grid", "edit-select"}, "select"), 18);
    TipBtn =
        AddToolButton("TipBtn", 148, 25, Glyph({"help-hint", "dialog-information"}, "hint"), 18);
    UpBtn = AddToolButton("UpBtn", 180, 25, Glyph({"go-next"}, "next"), 16);
    DownBtn = AddToolButton("DownBtn", 204, 25, Glyph({"go-previous"}, "previous"), 16);
    ExitBtn = AddToolButton("ExitBtn", 236, 25, Glyph({"application-exit"}, "exit"), 18);
    TongueBtn =
        AddToolButton("TongueBtn", 260, 25, Glyph({"preferences-desktop-locale"}, "language"), 15);
    RulesBtn = AddToolButton("RulesBtn", 285, 25, Glyph({"help-contents"}, "rules"), 18);
    InfoBtn = AddToolButton("InfoBtn", 309, 24, Glyph({"help-about"}, "info"), 18);

    connect(NewgameBtn, &QToolButton::clicked, this, &TMainForm::NewgameBtnClick);
    connect(LoadBtn, &QToolButton::clicked, this, &TMainForm::LoadBtnClick);
    connect(SaveBtn, &QToolButton::clicked, this, &TMainForm::SaveBtnClick);
    connect(SoundBtn, &QToolButton::toggled, this, &TMainForm::UpdateSoundGlyph);
    connect(StatBtn, &QToolButton::clicked, this, &TMainForm::StatBtnClick);
    connect(SelectBtn, &QToolButton::clicked, this, &TMainForm::SelectBtnClick);
    // The hint acts on the press itself, of any mouse button.
    TipBtn->installEventFilter(this);
    connect(UpBtn, &QToolButton::clicked, this, &TMainForm::UpBtnClick);
    connect(DownBtn, &QToolButton::clicked, this, &TMainForm::DownBtnClick);
    connect(ExitBtn, &QToolButton::clicked, this, &TMainForm::ExitBtnClick);
    connect(TongueBtn, &QToolButton::clicked, this, &TMainForm::TongueBtnClick);
    connect(RulesBtn, &QToolButton::clicked, this, &TMainForm::rules);
    connect(InfoBtn, &QToolButton::clicked, this, &TMainForm::info);
    AddShortcuts();
}

std::vector<TMainForm::ToolKey> TMainForm::ToolKeys() const {
    return {{NewgameBtn, QKeySequence::New},         {LoadBtn, QKeySequence::Open},
            {SaveBtn, QKeySequence::Save},           {SoundBtn, QKeySequence(Qt::Key_M)},
            {StatBtn, QKeySequence(Qt::Key_T)},      {SelectBtn, QKeySequence(Qt::Key_F)},
            {TipBtn, QKeySequence(Qt::Key_H)},       {UpBtn, QKeySequence(Qt::Key_PageDown)},
            {DownBtn, QKeySequence(Qt::Key_PageUp)}, {ExitBtn, QKeySequence(Qt::CTRL | Qt::Key_Q)},
            {TongueBtn, QKeySequence(Qt::Key_L)},    {RulesBtn, QKeySequence(Qt::Key_F1)},
            {InfoBtn, QKeySequence(Qt::Key_I)}};
}

// Each key does what its button does, in the pattern window too; a modal
// dialog keeps them to itself.
void TMainForm::AddShortcuts() {
    for (const ToolKey& key : ToolKeys()) {
        auto* shortcut = new QShortcut(key.keys, this);
        shortcut->setContext(Qt::ApplicationShortcut);
        QToolButton* button = key.button;
        if (button == TipBtn) {
            // On the press, as with the mouse; a held key flashes once.
            shortcut->setAutoRepeat(false);
            connect(shortcut, &QShortcut::activated, this, &TMainForm::TipBtnMouseDown);
        } else {
            shortcut->setAutoRepeat(button == UpBtn || button == DownBtn);
            connect(shortcut, &QShortcut::activated, button, &QToolButton::click);
        }
    }
}

void TMainForm::UpdateSoundGlyph() {
    SoundBtn->setIcon(SoundOn() ? Glyph({"audio-volume-high"}, "sound-on")
                                : Glyph({"audio-volume-muted"}, "sound-off"));
}

bool TMainForm::SoundOn() const {
    return SoundBtn->isChecked();
}
void TMainForm::SetSoundOn(bool on) {
    SoundBtn->setChecked(on);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // The pattern window's activation at the start (SetPatternWindow).
    if (watched == pattern_ && event->type() == QEvent::WindowActivate && isVisible()) {
        FormActivate();
    }
    // The second press of a quick pair arrives as a double click; it is a
    // press all the same and flashes the solution again.
    if (watched == TipBtn && (event->type() == QEvent::MouseButtonPress ||
                              event->type() == QEvent::MouseButtonDblClick)) {
        TipBtnMouseDown();
    }
    // With the keyboard focus on it, the space bar is its press.
    if (watched == TipBtn && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && !key->isAutoRepeat()) {
            TipBtnMouseDown();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::TipBtnMouseDown() {
    hand_.TipBtnMouseDown();
}

void TMainForm::UpBtnClick() {
    if (game_.CurrentPuzzle < game_.PuzzleCount) {
        ++game_.CurrentPuzzle;
    }
    tangram::SetUpPuzzle(game_, board_);
    RepaintAll();
}

void TMainForm::DownBtnClick() {
    if (game_.CurrentPuzzle > 1) {
        --game_.CurrentPuzzle;
    }
    tangram::SetUpPuzzle(game_, board_);
    RepaintAll();
}

void TMainForm::ExitBtnClick() {
    close();
}

// Saved games, the puzzle choice and the statistics are in MainGames.cpp; the
// language, the rules and the info dialog join the tool bar here.
void TMainForm::TongueBtnClick() {
    AskLanguage();
    Localize();
}

void TMainForm::rules() {
    HintDialog()->SetTongue(game_.Tongue);
    HintDlg->exec();
}

void TMainForm::info() {
    ShowInfo();
}

void TMainForm::QuarvBtnClick() {
    QVKLabel->activate();
}
