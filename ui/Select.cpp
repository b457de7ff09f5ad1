// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "Select.h"

#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <array>

#include "boardview.h"
#include "language.h"
#include "names.h"
#include "tangdata.h"
#include "widgets/boardcanvas.h"
#include "widgets/placement.h"

// The resources of the selection and statistics dialogs live in a library, so
// they are registered by hand before the first use.
void InitSelectionAssets() {
    Q_INIT_RESOURCE(selection);
}

int StatusIcon(uint8_t status) {
    if ((status & 0x0F) == 0) {
        return -1;
    }
    return status & 7;
}

namespace {

const QColor Silver(0xC0, 0xC0, 0xC0);
const QColor Grey(0x7F, 0x7F, 0x7F);

}  // namespace

TSelectDlg::TSelectDlg(tangram::GameData& game, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      game_(game),
      mainWindow_(mainWindow) {
    InitSelectionAssets();
    setObjectName(QStringLiteral("SelectDlg"));
    setFixedSize(ClientSize);
    QFont dialogFont = font();
    dialogFont.setPixelSize(11);
    setFont(dialogFont);
    sm_ = QImage(QStringLiteral(":/status.png"));

    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 421, 329);

    box = new BoardCanvas(this);
    box->setObjectName(QStringLiteral("box"));
    box->setGeometry(20, 20, 385, 313);
    box->setPictureSize(box->size());
    box->setMouseTracking(false);
    connect(box, &BoardCanvas::pressed, this,
            [this](Qt::MouseButton, QPoint pos) { boxMouseDown(pos); });
    box->installEventFilter(this);

    Scroll_ = new QScrollBar(Qt::Vertical, this);
    Scroll_->setObjectName(QStringLiteral("Scroll"));
    Scroll_->setGeometry(412, 9, 16, 327);
    Scroll_->setRange(1, 1);
    Scroll_->setSingleStep(4);
    Scroll_->setPageStep(9);
    connect(Scroll_, &QScrollBar::valueChanged, this, &TSelectDlg::ScrollChange);

    auto glyphButton = [this](const char* name, int left, const char* glyph) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(left, 344, 25, 25);
        button->setIcon(QIcon(QStringLiteral(":/glyphs/%1.svg").arg(QLatin1String(glyph))));
        button->setIconSize(QSize(16, 16));
        return button;
    };
    PrevBtn = glyphButton("PrevBtn", 296, "unsolved-previous");
    NextBtn = glyphButton("NextBtn", 324, "unsolved-next");
    connect(PrevBtn, &QToolButton::clicked, this, &TSelectDlg::PrevBtnClick);
    connect(NextBtn, &QToolButton::clicked, this, &TSelectDlg::NextBtnClick);

    CancelBtn = new QPushButton(this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(356, 344, 75, 25);
    CancelBtn->setAutoDefault(false);
    connect(CancelBtn, &QPushButton::clicked, this, &TSelectDlg::reject);
}

int TSelectDlg::Position() const {
    return Scroll_->value();
}

int TSelectDlg::ScrollMaximum() const {
    return Scroll_->maximum();
}

const QImage& TSelectDlg::Picture() const {
    return box->picture();
}

void TSelectDlg::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TSelectDlg::FormActivate() {
    CentreOver(this, mainWindow_);
    const Language say(game_.Tongue);
    CancelBtn->setText(say.translate("TSelectDlg", "Cancel"));
    setWindowTitle(say.translate("TSelectDlg", "Select Tangram"));
    PrevBtn->setToolTip(say.translate("TSelectDlg", "Which previous Tangram I havn't solved yet?"));
    NextBtn->setToolTip(
        say.translate("TSelectDlg", "Which following Tangram I havn't solved yet?"));
    box->setToolTip(say.translate("TSelectDlg", "A mouselick and the Tangram is selected."));

    // The top-left slot runs from 1 to the puzzle that shows the last nine. A
    // catalogue of nine puzzles or fewer fits at once: nothing to scroll.
    const int maximum = std::max(1, game_.PuzzleCount - (Slots - 1));
    const QSignalBlocker quiet(Scroll_);
    Scroll_->setRange(1, maximum);
    Scroll_->setValue(std::clamp(game_.CurrentPuzzle, 1, maximum));
    Scroll_->setEnabled(maximum > 1);
    highlight_ = std::clamp(game_.CurrentPuzzle, 1, std::max(1, game_.PuzzleCount));
    boxPaint();
}

void TSelectDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            MoveHighlight(-1);
            return;
        case Qt::Key_Right:
            MoveHighlight(1);
            return;
        case Qt::Key_Up:
            MoveHighlight(-3);
            return;
        case Qt::Key_Down:
            MoveHighlight(3);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (game_.PuzzleCount >= 1) {
                game_.CurrentPuzzle = highlight_;
                done(1);
            }
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

// The grid scrolls by whole rows, so the columns stay as they are.
void TSelectDlg::MoveHighlight(int step) {
    if (game_.PuzzleCount < 1) {
        return;
    }
    highlight_ = std::clamp(highlight_ + step, 1, game_.PuzzleCount);
    int top = Position();
    while (highlight_ < top) {
        top -= 3;
    }
    while (highlight_ >= top + Slots) {
        top += 3;
    }
    const QSignalBlocker quiet(Scroll_);
    Scroll_->setValue(std::clamp(top, 1, ScrollMaximum()));
    boxPaint();
}

void TSelectDlg::wheelEvent(QWheelEvent* event) {
    constexpr int Notch = 120;
    wheelRest_ += event->angleDelta().y();
    const int notches = wheelRest_ / Notch;
    wheelRest_ -= notches * Notch;
    // Away from the player (a positive delta) goes back towards puzzle 1.
    Scroll_->setValue(Scroll_->value() - notches * 3);
    event->accept();
}

void TSelectDlg::ScrollChange() {
    boxPaint();
}

void TSelectDlg::boxPaint() {
    QImage& picture = box->picture();
    QPainter p(&picture);
    p.fillRect(picture.rect(), palette().color(QPalette::Window));
    for (int slot = 0; slot < Slots; ++slot) {
        const int puzzle = Position() + slot;
        if (puzzle <= game_.PuzzleCount) {
            DrawThumb(p, slot, puzzle);
        }
    }
    box->update();
}

void TSelectDlg::DrawThumb(QPainter& p, int slot, int puzzle) const {
    const int x0 = (slot % 3) * SlotWidth;
    const int y0 = (slot / 3) * SlotHeight;
    const uint8_t status = game_.PuzzleStatus[puzzle];

    QFont numberFont = font();
    numberFont.setPointSize(8);
    numberFont.setBold(true);
    p.setFont(numberFont);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Silver);
    p.drawRect(x0, y0, ThumbSize.width() - 1, ThumbSize.height() - 1);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(Silver);
    p.drawText(QRect(x0 + 3, y0 + 1, 90, 14), Qt::AlignLeft | Qt::AlignTop,
               QString::number(puzzle));
    p.setBackgroundMode(Qt::TransparentMode);

    const int icon = StatusIcon(status);
    if (icon >= 0) {
        p.drawImage(QPoint(x0 + 103, y0 + 2), sm_, QRect(105 - 15 * icon, 0, 15, 15));
    }

    // The figure one pixel per cell, below the number line.
    p.setBrush((status & tangram::SolvedBit) != 0 ? Grey : QColor(Qt::black));
    for (int tan = 1; tan <= tangram::TanCount; ++tan) {
        std::array<tangram::Pixel, 4> pixels{};
        const int n = tangram::PiecePolygon(tan, game_.PuzzleTable[puzzle][tan - 1], 1, 1, pixels);
        QPolygon polygon;
        for (int k = 0; k < n; ++k) {
            polygon << QPoint(x0 + pixels[k].x, y0 + 15 + pixels[k].y);
        }
        p.drawPolygon(polygon);
    }
    if (puzzle == highlight_) {
        // The keyboard's mark, over the thumbnail's black edge.
        p.setPen(QPen(palette().color(QPalette::Highlight), 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(
            QRectF(1.5, 1.5, ThumbSize.width() - 3, ThumbSize.height() - 3).translated(x0, y0));
    }
}

int TSelectDlg::PuzzleAt(QPoint pos) const {
    if (pos.x() < 0 || pos.y() < 0 || pos.x() / SlotWidth > 3 || pos.y() / SlotHeight > 2) {
        return 0;
    }
    // The gaps belong to the thumbnail on their left or above.
    const int puzzle = Position() + pos.x() / SlotWidth + 3 * (pos.y() / SlotHeight);
    if (puzzle < 1 || puzzle > game_.PuzzleCount) {
        return 0;  // an empty slot of a short catalogue
    }
    return puzzle;
}

void TSelectDlg::boxMouseDown(QPoint pos) {
    if (const int puzzle = PuzzleAt(pos); puzzle != 0) {
        game_.CurrentPuzzle = puzzle;
        done(1);
    }
}

QString TSelectDlg::ThumbToolTip(QPoint pos) const {
    const int puzzle = PuzzleAt(pos);
    if (puzzle == 0) {
        return box->toolTip();
    }
    return box->toolTip() + QLatin1Char('\n') +
           QString::fromStdString(tangram::NumberAndName(game_, puzzle));
}

bool TSelectDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QPoint slot((help->pos().x() / SlotWidth) * SlotWidth,
                          (help->pos().y() / SlotHeight) * SlotHeight);
        // Kept while the mouse stays over the same thumbnail.
        QToolTip::showText(help->globalPos(), ThumbToolTip(help->pos()), box,
                           QRect(slot, QSize(SlotWidth, SlotHeight)));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TSelectDlg::Solved(int puzzle) const {
    return tangram::IsPuzzle(game_, puzzle) &&
           (game_.PuzzleStatus[puzzle] & tangram::SolvedBit) != 0;
}

// Both searches bring the found puzzle to the top-left slot and stay within the
// scroll range; an unsolved puzzle among the last eight is already in view
// once the grid stands at the end.
void TSelectDlg::PrevBtnClick() {
    int v = Position();
    if (v > 1) {
        --v;
    }
    while (v > 1 && Solved(v)) {
        --v;
    }
    if (!Solved(v)) {
        Scroll_->setValue(v);
    }
}

void TSelectDlg::NextBtnClick() {
    const int maximum = ScrollMaximum();
    int v = Position();
    if (v < maximum) {
        ++v;
    }
    while (v < maximum && Solved(v)) {
        ++v;
    }
    if (!Solved(v)) {
        Scroll_->setValue(v);
    }
}

void TSelectDlg::reject() {
    done(2);
}
