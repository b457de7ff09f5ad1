// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Saved games as the player meets them: the messages of a failed load or
// save, the name a save gets, and where the save dialog opens. The main
// window's button handlers for games, navigation and statistics use these.
#pragma once

#include <QString>
#include <string>

#include "data.h"

class QWidget;

enum class GameMessage { LoadError, SaveError, Overwrite };

// The message with the file name (without its folder) put in; German for
// language code 1, English otherwise.
QString GameMessageText(GameMessage message, const QString& path, int tongue);

// A game file always ends in ".mxg": a typed extension is replaced, a missing
// one added.
QString WithGameExtension(const QString& path);

// A name for a new game file in `folder` that no file has yet.
QString FreeGameFileName(const QString& folder);

// The save dialog starts beside the program when the player may write there,
// else in the documents folder.
QString SaveDialogFolder(const std::string& programDir);

// Loads or saves the game and reports a failure in a message box over
// `parent`. Nothing changes on failure.
bool LoadGameReporting(tangram::GameData& game, const QString& path, QWidget* parent);
bool SaveGameReporting(const tangram::GameData& game, const QString& path, QWidget* parent);

// At start-up: loads the game named in GameFileName; a game that cannot be
// loaded is reported and forgotten.
void LoadStartGame(tangram::GameData& game);
