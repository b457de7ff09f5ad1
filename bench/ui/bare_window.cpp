// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The floor under the game's start-up figure: a bare Qt Widgets window with
// the game's title, nothing else. scripts/bench.sh times it like the game.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quarv Tangram"));
    window.resize(638, 445);
    window.show();
    return QApplication::exec();
}
