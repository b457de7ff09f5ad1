// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "Main.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QUrl>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <initializer_list>

#include "Freeware.h"
#include "Hint.h"
#include "Tongdlg.h"
#include "YesNo.h"
#include "effects.h"
#include "pattern.h"
#include "project.h"
#include "store.h"
#include "widgets/boardcanvas.h"
#include "widgets/hyperlink.h"
#include "widgets/placement.h"
#include "widgets/ticker.h"

void InitAssets() {
    Q_INIT_RESOURCE(assets);
}

using tangram::BoardCols;
using tangram::BoardRows;
using tangram::Colour;

namespace {

QColor ToQColor(Colour colour) {
    const auto v = static_cast<uint32_t>(colour);  // 0x00BBGGRR
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

// A rectangle outline one pixel wide whose corners are given the way the board
// frames are measured: (x1, y1) inside, (x2, y2) just outside.
void FrameRect(QPainter& p, int x1, int y1, int x2, int y2) {
    p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

// Visits the pixels of a closed outline one pixel wide, as the held Tan's
// outline is drawn. Each edge stops short of its end pixel, so every corner is
// visited once and a second XOR drawing takes the outline off exactly. Drawn
// by hand because Qt's raster engine hands a line of 96 rows or more to its
// thread pool, which made a drag step of a large triangle cost several times
// the rest of it.
template <typename Visit>
void ForEachOutlinePixel(const QPolygon& closed, Visit&& visit) {
    for (qsizetype i = 0; i + 1 < closed.size(); ++i) {
        int x = closed[i].x(), y = closed[i].y();
        const int x1 = closed[i + 1].x(), y1 = closed[i + 1].y();
        const int dx = std::abs(x1 - x), dy = -std::abs(y1 - y);
        const int sx = x < x1 ? 1 : -1, sy = y < y1 ? 1 : -1;
        int err = dx + dy;
        while (x != x1 || y != y1) {
            visit(x, y);
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
            }
        }
    }
}

// Flips the pixels of a closed outline with `colour`.
void XorOutline(QImage& image, const QPolygon& closed, QRgb colour) {
    const QRgb bits = colour & 0xFFFFFF;
    const QRect inside = image.rect();
    ForEachOutlinePixel(closed, [&](int x, int y) {
        if (inside.contains(x, y)) {
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] ^= bits;
        }
    });
}

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

QString CatalogueErrorText(tangram::CatalogueResult result, int tongue) {
    const bool german = tongue == 1;
    if (result == tangram::CatalogueResult::Empty) {
        return german ? QStringLiteral(
                            "Die Datei mexa.dat enthält kein Tangram. Programm wird abgebrochen.")
                      : QStringLiteral("The file mexa.dat holds no puzzle. Program aborted.");
    }
    return german ? QStringLiteral(
                        "Datei mexa.dat konnte nicht gefunden werden. Programm wird abgebrochen.")
                  : QStringLiteral("Can't find file mexa.dat. Program aborted.");
}

BoardPlacement PlaceBoard(QSize client) {
    const int boardHeight = client.height() - TMainForm::ToolPanelHeight - TMainForm::ScrollHeight;
    // Room for one more cell on each side of the raster.
    const int cell =
        std::max(0, std::min(client.width() / (BoardCols + 2), boardHeight / (BoardRows + 2)));
    BoardPlacement placement;
    placement.cell = cell;
    placement.box = QRect((client.width() - BoardCols * cell) / 2,
                          TMainForm::ToolPanelHeight + (boardHeight - BoardRows * cell) / 2,
                          BoardCols * cell + 1, BoardRows * cell + 1);
    return placement;
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

void TMainForm::ShowAtStart() {
    startDialogs_ = true;
    placement_->Show();
}

QToolButton* TMainForm::AddToolButton(const char* name, int left, int width, const QIcon& glyph,
                                      int glyphSize) {
    auto* button = new QToolButton(ToolPanel);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
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
    qvkScroll_->setText(
        tr("Click here and pay Quarv Games a visit on the web!     "
           "Quarv puzzle games keep every player from 8 to 88 thinking.     "
           "Seven Tans, hundreds of figures: discover the whole Quarv series!     "));
    UpdateTitle();
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

// ---- window events

bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
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

void TMainForm::resizeEvent(QResizeEvent*) {
    FormResize();
}

void TMainForm::FormResize() {
    const BoardPlacement placement = PlaceBoard(size());
    hand_.CellWidth = placement.cell;
    hand_.CellHeight = placement.cell;
    ToolPanel->setGeometry(0, 0, width(), ToolPanelHeight);
    qvkScroll_->setGeometry(0, height() - ScrollHeight, width(), ScrollHeight);
    box_->setGeometry(placement.box);
    box_->setPictureSize(placement.box.size());
    RepaintAll();
}

void TMainForm::paintEvent(QPaintEvent*) {
    FormPaint();
}

void TMainForm::FormPaint() {
    QPainter p(this);
    for (int x = 0; x <= width() + 100; x += 100) {
        for (int y = 0; y <= height() + 100; y += 100) {
            p.drawImage(x, y, back_);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    const QRect b = box_->geometry();
    const int right = b.left() + b.width(), bottom = b.top() + b.height();
    // A heavy frame three pixels wide at distance 4, thin ones at 7 and at 1.
    for (int d : {3, 4, 5, 7, 1}) {
        FrameRect(p, b.left() - d, b.top() - d, right + d, bottom + d);
    }
    FrameRect(p, 0, ToolPanelHeight, width(), height());
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
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

void TMainForm::FormClose() {
    ShowInfo();
    help_.Quit();
    SaveProgressIfChanged();
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

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // The second press of a quick pair arrives as a double click; it is a
    // press all the same and flashes the solution again.
    if (watched == TipBtn && (event->type() == QEvent::MouseButtonPress ||
                              event->type() == QEvent::MouseButtonDblClick)) {
        TipBtnMouseDown();
    }
    return QWidget::eventFilter(watched, event);
}

// ---- the board

QPolygon TMainForm::PiecePixels(int tan) const {
    std::array<tangram::Pixel, 4> pixels{};
    const int n =
        tangram::PiecePolygon(tan, board_.Piece[tan], hand_.CellWidth, hand_.CellHeight, pixels);
    QPolygon polygon;
    for (int k = 0; k < n; ++k) {
        polygon << QPoint(pixels[k].x, pixels[k].y);
    }
    return polygon;
}

QRect TMainForm::FillPiece(QPainter& painter, int tan, Colour fill, Colour pen) const {
    const QPolygon polygon = PiecePixels(tan);
    painter.setPen(QPen(ToQColor(pen), 1));
    painter.setBrush(ToQColor(fill));
    painter.drawPolygon(polygon);
    // Qt leaves out a corner pixel or so of the outline that the held Tan
    // showed; the edge is drawn over it, so a put-down leaves none of it behind.
    QPolygon edge;
    ForEachOutlinePixel(QPolygon(polygon) << polygon.value(0),
                        [&edge](int x, int y) { edge << QPoint(x, y); });
    painter.drawPoints(edge);
    return polygon.boundingRect().adjusted(-1, -1, 1, 1);
}

void TMainForm::DrawPieceFilled(int tan, Colour fill, Colour pen) {
    if (box_->picture().isNull()) {
        return;
    }
    QPainter painter(&box_->picture());
    box_->markChanged(FillPiece(painter, tan, fill, pen));
}

void TMainForm::DrawPieceOutline(int tan, Colour pen, bool xorMode) {
    QPolygon polygon = PiecePixels(tan);
    if (polygon.isEmpty() || box_->picture().isNull()) {
        return;
    }
    polygon << polygon.first();
    if (xorMode) {
        XorOutline(box_->picture(), polygon, ToQColor(pen).rgb());
    } else {
        QPainter painter(&box_->picture());
        painter.setPen(QPen(ToQColor(pen), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(polygon);
    }
    box_->markChanged(polygon.boundingRect().adjusted(-1, -1, 1, 1));
}

void TMainForm::DrawPieces(Colour fill, Colour pen) {
    if (box_->picture().isNull()) {
        return;
    }
    QPainter painter(&box_->picture());
    QRect changed;
    for (int tan = 1; tan <= tangram::TanCount; ++tan) {
        if (tan != board_.SelectedPiece) {
            changed |= FillPiece(painter, tan, fill, pen);
        }
    }
    box_->markChanged(changed);
}

void TMainForm::boxPaint() {
    ++renderCount_;
    QImage& picture = box_->picture();
    if (picture.isNull()) {
        return;
    }
    {
        QPainter painter(&picture);
        painter.fillRect(picture.rect(), ToQColor(Colour::Silver));
    }
    if (hand_.CellWidth > 0) {
        DrawPieces(board_.BoardState == 1 ? Colour::Green : Colour::Black, Colour::Grey);
        if (board_.SelectedPiece != 0) {
            DrawPieceOutline(board_.SelectedPiece, Colour::Yellow, true);
        }
    }
    box_->update();
}

void TMainForm::RepaintAll() {
    boxPaint();
    update();
    if (pattern_ != nullptr) {
        pattern_->Refresh();
    }
}

void TMainForm::FlushBoard() {
    box_->repaint();
}

void TMainForm::PlayEffect(int effect) {
    if (waves_ != nullptr) {
        sound::PlayEffect(*waves_, SoundOn(), effect);
    }
}

void TMainForm::SetBoardCursor(tangram::BoardCursor cursor) {
    cursorShape_ = cursor;
    switch (cursor) {
        case tangram::BoardCursor::Turn:
            box_->setCursor(turnCursor_);
            break;
        case tangram::BoardCursor::Move:
            box_->setCursor(moveCursor_);
            break;
        case tangram::BoardCursor::Hand:
            box_->setCursor(Qt::PointingHandCursor);
            break;
    }
}

void TMainForm::ShowSolved() {
    ShowPage(TYesNoDlg::Won);
    if (pattern_ != nullptr) {
        pattern_->Refresh();
    }
}

void TMainForm::boxMouseDown(Qt::MouseButton button, QPoint pos) {
    if (hand_.CellWidth <= 0) {
        return;
    }
    switch (button) {
        case Qt::LeftButton:
            hand_.boxMouseDown(tangram::MouseButton::Left, pos.x(), pos.y());
            break;
        case Qt::RightButton:
            hand_.boxMouseDown(tangram::MouseButton::Right, pos.x(), pos.y());
            break;
        case Qt::MiddleButton:
            hand_.boxMouseDown(tangram::MouseButton::Middle, pos.x(), pos.y());
            break;
        default:
            break;
    }
}

void TMainForm::boxMouseMove(bool leftButtonDown, QPoint pos) {
    if (hand_.CellWidth > 0) {
        hand_.boxMouseMove(leftButtonDown, pos.x(), pos.y());
    }
}

// ---- tool buttons

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
    if (pattern_ != nullptr) {
        pattern_->Refresh();
    }
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
