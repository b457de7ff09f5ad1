// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The game's help file. The desktop has no viewer for the old help format and
// the game ships no help file, so this only remembers that the file was
// registered at start and that the viewer was told to quit at the end; the
// rules dialog is the game's help.
#pragma once

#include <QString>

class HelpFile {
public:
    static constexpr const char* FileName = "MEXA2.HLP";

    void Register(const QString& programDir) { path_ = programDir + QLatin1String(FileName); }
    void Quit() { quitSent_ = !path_.isEmpty(); }

    QString Path() const { return path_; }
    bool QuitSent() const { return quitSent_; }

private:
    QString path_;
    bool quitSent_ = false;
};
