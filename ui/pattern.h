// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The pattern window: a small window that floats above the others and shows
// the silhouette to lay, two pixels per board cell, with the puzzle's number
// and state in its title.
#pragma once

#include <QPoint>
#include <QWidget>
#include <cstdint>

#include "data.h"

class TPatForm : public QWidget {
    Q_OBJECT
public:
    static constexpr QPoint DefaultPosition{500, 50};
    static constexpr QSize ClientSize{241, 160};
    static constexpr int PixelsPerCell = 2;

    // With the main window as `mainWindow` the window manager keeps it above
    // that one.
    explicit TPatForm(const tangram::GameData& game, QPoint position = DefaultPosition,
                      QWidget* mainWindow = nullptr);
    // Stores the window's position for the next start ("pleft", "ptop").
    ~TPatForm() override;

    // Where the window's outer top-left corner lies on the screen; taken as
    // it is.
    void SetPosition(QPoint position);
    // The title and the silhouette anew, after the puzzle or its status changed.
    void Refresh();
    // The puzzle's number, and for a finished puzzle whether it was solved or
    // dropped.
    static QString TitleFor(int puzzle, uint8_t status);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    const tangram::GameData& game_;
    // Where the window was put. Wayland tells no program where its windows
    // are, so there the position read at the start is kept for the next one.
    QPoint position_;
};
