// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The per-user settings store: a handful of plain-text values in the section
// "common" of the game's settings file (~/.config/QuarvGames/QuarvTangram.conf,
// group V2/common).
//
// Every call reads or writes the file afresh, so two copies of the game see
// each other's values, and reading never creates anything. A settings path
// that is neither a plain file nor a link to one reads as missing and is
// never written; so is a file holding values that Qt would read as binary
// data, which the game never writes.
#pragma once

#include <QString>

namespace settings {

inline const QString Common = QStringLiteral("common");

// Where the store lives: the user's configuration folder (XDG_CONFIG_HOME).
QString StoreFileName();

// Integers are decimal text; a missing value or one that is not a whole
// 32-bit number gives the default.
int ReadSettingInt(const QString& section, const QString& name, int defaultValue);
// Booleans are "1" and "0"; any other whole number is true, anything else the
// default.
bool ReadSettingBool(const QString& section, const QString& name, bool defaultValue);
QString ReadSettingString(const QString& section, const QString& name,
                          const QString& defaultValue = {});
bool SettingExists(const QString& section, const QString& name);

// Each write stores text and reports whether it reached the file; a failed
// write leaves the other values alone.
bool WriteSettingInt(const QString& section, const QString& name, int value);
bool WriteSettingBool(const QString& section, const QString& name, bool value);
bool WriteSettingString(const QString& section, const QString& name, const QString& value);
bool EraseSetting(const QString& section, const QString& name);

}  // namespace settings
