// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "store.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace settings {

namespace {

// The organisation and application name are given here rather than taken
// from the application object, so that the store works before it has them.
QSettings Open() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QuarvGames"),
                     QStringLiteral("QuarvTangram"));
}

QString Key(const QString& section, const QString& name) {
    return QStringLiteral("V2/") + section + QLatin1Char('/') + name;
}

// The stored text. A value edited by hand with commas reads back as a list;
// it is joined again so that it means what it says.
bool ReadText(const QString& section, const QString& name, QString& text) {
    const QSettings store = Open();
    const QString key = Key(section, name);
    if (!store.contains(key)) {
        return false;
    }
    const QVariant value = store.value(key);
    if (value.typeId() == QMetaType::QStringList) {
        text = value.toStringList().join(QLatin1Char(','));
    } else {
        text = value.toString();
    }
    return true;
}

bool ReadWholeNumber(const QString& section, const QString& name, int& number) {
    QString text;
    if (!ReadText(section, name, text)) {
        return false;
    }
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (ok) {
        number = value;
    }
    return ok;
}

bool Write(const QString& section, const QString& name, const QString& text) {
    QSettings store = Open();
    store.setValue(Key(section, name), text);
    store.sync();
    return store.status() == QSettings::NoError;
}

}  // namespace

int ReadSettingInt(const QString& section, const QString& name, int defaultValue) {
    int value = defaultValue;
    return ReadWholeNumber(section, name, value) ? value : defaultValue;
}

bool ReadSettingBool(const QString& section, const QString& name, bool defaultValue) {
    int value = 0;
    return ReadWholeNumber(section, name, value) ? value != 0 : defaultValue;
}

QString ReadSettingString(const QString& section, const QString& name,
                          const QString& defaultValue) {
    QString text;
    return ReadText(section, name, text) ? text : defaultValue;
}

bool SettingExists(const QString& section, const QString& name) {
    return Open().contains(Key(section, name));
}

bool WriteSettingInt(const QString& section, const QString& name, int value) {
    return Write(section, name, QString::number(value));
}

bool WriteSettingBool(const QString& section, const QString& name, bool value) {
    return Write(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool WriteSettingString(const QString& section, const QString& name, const QString& value) {
    // An empty text stays a value of its own rather than a missing one.
    return Write(section, name, value.isNull() ? QStringLiteral("") : value);
}

bool EraseSetting(const QString& section, const QString& name) {
    QSettings store = Open();
    store.remove(Key(section, name));
    store.sync();
    return store.status() == QSettings::NoError;
}

}  // namespace settings
