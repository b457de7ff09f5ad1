// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "pattern.h"

#include <QCloseEvent>
#include <QPainter>
#include <array>

#include "boardview.h"
#include "names.h"
#include "store.h"
#include "tangdata.h"
#include "widgets/placement.h"
#include "widgets/x11frame.h"

TPatForm::TPatForm(const tangram::GameData& game, QPoint position, QWidget* mainWindow)
    : QWidget(mainWindow,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      game_(game) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The player rarely activates this window; its tooltip names the figure.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setFixedSize(ClientSize);
    SetPosition(position);
    Refresh();
}

TPatForm::~TPatForm() {
    const QPoint at = WindowsCanBePlaced() ? pos() : position_;
    settings::WriteSettingInt(settings::Common, QStringLiteral("pleft"), at.x());
    settings::WriteSettingInt(settings::Common, QStringLiteral("ptop"), at.y());
}

void TPatForm::SetPosition(QPoint position) {
    position_ = position;
    // Before the window has a frame, Qt asks the window manager to put the
    // frame's corner here; afterwards it moves the frame itself.
    move(position);
}

// Told again at every showing: a window manager reads the hints when it
// takes the window on.
void TPatForm::showEvent(QShowEvent* event) {
    x11::MarkMoveOnlyTool(this);
    x11::NameDesktopEntry(this);
    QWidget::showEvent(event);
}

QString TPatForm::TitleFor(int puzzle, uint8_t status) {
    QString title = QString::number(puzzle);
    if ((status & tangram::SolvedBit) != 0) {
        // A count of 4 beside the solved bit marks a puzzle the player gave up.
        title += (status & 7) == 4 ? tr(" - dropped") : tr(" - solved");
    }
    return title;
}

void TPatForm::Refresh() {
    const int puzzle = game_.CurrentPuzzle;
    const uint8_t status = tangram::IsPuzzle(game_, puzzle) ? game_.PuzzleStatus[puzzle] : 0;
    setWindowTitle(TitleFor(puzzle, status));
    // The figure's name, where the catalogue's names file knows it.
    setToolTip(QString::fromStdString(tangram::NumberNameAndCategory(game_, puzzle)));
    update();
}

void TPatForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
    // Fill and edge alike black, so the seven Tans merge into one silhouette.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    for (int tan = 1; tan <= tangram::TanCount; ++tan) {
        std::array<tangram::Pixel, 4> pixels{};
        const int n = tangram::PiecePolygon(tan, game_.CurrentSolution[tan - 1], PixelsPerCell,
                                            PixelsPerCell, pixels);
        QPolygon polygon;
        for (int k = 0; k < n; ++k) {
            polygon << QPoint(pixels[k].x, pixels[k].y);
        }
        p.drawPolygon(polygon);
    }
}

// The window has no close button; it goes only with the program.
void TPatForm::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        event->ignore();
    } else {
        event->accept();
    }
}
