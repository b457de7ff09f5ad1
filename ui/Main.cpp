// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The main window: how it is put together, and its texts in the player's
// language. The board's painting, the tool bar and the start and close
// sequences each have a file of their own beside this one.
#include "Main.h"

#include <QFileInfo>
#include <QToolButton>
#include <QUrl>

#include "language.h"
#include "pattern.h"
#include "project.h"
#include "widgets/boardcanvas.h"
#include "widgets/hyperlink.h"
#include "widgets/placement.h"
#include "widgets/ticker.h"

void InitAssets() {
    Q_INIT_RESOURCE(assets);
}

QString CatalogueErrorText(tangram::CatalogueResult result, int tongue) {
    const Language say(tongue);
    if (result == tangram::CatalogueResult::Empty) {
        return say.translate("TMainForm", "The file mexa.dat holds no puzzle. Program aborted.");
    }
    return say.translate("TMainForm", "Can't find file mexa.dat. Program aborted.");
}

TMainForm::TMainForm(tangram::GameData& game, tangram::Board& board, QWidget* parent)
    : QWidget(parent), game_(game), board_(board), hand_(board, game, *this, clock_) {
    InitAssets();
    setMinimumSize(MinimumClientSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    back_ = QImage(QStringLiteral(":/back.png"));
    turnCursor_ = QCursor(QPixmap(QStringLiteral(":/cursors/turn.png")), 15, 15);
    moveCursor_ = QCursor(QPixmap(QStringLiteral(":/cursors/move.png")), 15, 15);

    CreateToolBar();

    box_ = new BoardCanvas(this);
    box_->setObjectName(QStringLiteral("box"));
    connect(box_, &BoardCanvas::pressed, this, &TMainForm::boxMouseDown);
    connect(box_, &BoardCanvas::moved, this, &TMainForm::boxMouseMove);

    qvkScroll_ = new Ticker(this);
    qvkScroll_->setObjectName(QStringLiteral("qvkScroll"));
    connect(qvkScroll_, &Ticker::clicked, this, &TMainForm::QuarvBtnClick);
    QVKLabel = new HyperlinkLabel(this);
    QVKLabel->setUrl(QUrl(QString::fromLatin1(quarv::HomepageUrl)));
    QVKLabel->hide();

    resize(DesignClientSize);
    FormResize();
    help_.Register(QString::fromStdString(game_.ProgramDir));
    placement_ = new WindowPlacer(this);
    Localize();
    qvkScroll_->start();
}

// The pattern window has stored its position by now; the main window's
// placement follows.
TMainForm::~TMainForm() {
    placement_->Save();
}

void TMainForm::Localize() {
    NewgameBtn->setToolTip(tr("I want to play a new game."));
    LoadBtn->setToolTip(tr("I want to continue an old game."));
    SaveBtn->setToolTip(tr("Save often, save always."));
    SoundBtn->setToolTip(tr("I dont like the sound always."));
    StatBtn->setToolTip(tr("Let me see, what I've solved until now."));
    SelectBtn->setToolTip(tr("I try another Tangram."));
    TipBtn->setToolTip(tr("I need a little help."));
    UpBtn->setToolTip(tr("I take the next Tangram."));
    DownBtn->setToolTip(tr("I take the previous Tangram."));
    ExitBtn->setToolTip(tr("I have enough!"));
    // Offered in the other language, since it offers the switch.
    TongueBtn->setToolTip(tr("Ich spreche nicht englisch."));
    RulesBtn->setToolTip(tr("What's to do here?"));
    InfoBtn->setToolTip(tr("Who did this QUARV GAME?"));
    // A screen reader names each button by its hint.
    for (const ToolKey& key : ToolKeys()) {
        key.button->setAccessibleName(key.button->toolTip());
    }
    qvkScroll_->setText(
        tr("Click here and pay Quarv Games a visit on the web!     "
           "Quarv puzzle games keep every player from 8 to 88 thinking.     "
           "Seven Tans, hundreds of figures: discover the whole Quarv series!     "));
    UpdateTitle();
    // The pattern window's title and the figure's name speak the language too.
    if (pattern_ != nullptr) {
        pattern_->Refresh();
    }
}

void TMainForm::UpdateTitle() {
    QString title = tr("Quarv Tangram");
    if (!game_.GameFileName.empty()) {
        title += tr(" - Game ") + QFileInfo(QString::fromStdString(game_.GameFileName)).fileName();
    }
    setWindowTitle(title);
}

QRect TMainForm::BoxGeometry() const {
    return box_->geometry();
}
