// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

int installed = 0;

// The game's own translation of a language code, loaded when first asked for;
// null for English, whose texts are the sources.
QTranslator* GameTranslator(int tongue) {
    const auto load = [](const char* file) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(QString::fromLatin1(file))) {
            qWarning("The translation %s is missing", file);
        }
        return translator;
    };
    if (tongue == 1) {
        static QTranslator* const german = load(":/i18n/quarv_de.qm");
        return german;
    }
    if (tongue == 2) {
        static QTranslator* const french = load(":/i18n/quarv_fr.qm");
        return french;
    }
    return nullptr;
}

// Qt's own texts (the file dialogs' buttons and labels), German only.
QTranslator& QtTranslator() {
    static QTranslator translator;
    return translator;
}

}  // namespace

void InstallLanguage(int tongue) {
    if (installed != 0) {
        QCoreApplication::removeTranslator(GameTranslator(installed));
    }
    QCoreApplication::removeTranslator(&QtTranslator());
    installed = 0;
    if (tongue == 1 && QtTranslator().load(QStringLiteral("qtbase_de"),
                                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&QtTranslator());
    }
    if (QTranslator* translator = GameTranslator(tongue)) {
        QCoreApplication::installTranslator(translator);
        installed = tongue;
    }
}

int InstalledLanguage() {
    return installed;
}

QString Language::translate(const char* context, const char* source) const {
    const QTranslator* translator = GameTranslator(tongue_);
    const QString text = translator != nullptr ? translator->translate(context, source) : QString();
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}
