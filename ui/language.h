// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The game's languages. Every text a player reads is written in English in
// the code and marked for translation; the German texts, and the French ones
// of the message dialog, come from the translation files built into the
// program. The language code picks them: 1 German, 2 French where the message
// dialog has a French text, English for everything else.
#pragma once

#include <QString>

// Installs the translation for the language code, for tr() and for Qt's own
// texts (German only: in French everything but the message dialog is
// English); English needs none.
void InstallLanguage(int tongue);
// The language whose translation is installed now (0 for English).
int InstalledLanguage();

// The texts of one language code, whatever language is installed: for the
// windows and messages that read the code as they set their texts. Written as
// Language(tongue).translate("Context", "English text"), so that lupdate
// collects the English text under its context.
class Language {
public:
    explicit Language(int tongue) : tongue_(tongue) {}
    // The translation of `source`, or `source` itself where the language has
    // none.
    QString translate(const char* context, const char* source) const;

private:
    int tongue_;
};
