// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "store.h"

#include <sys/stat.h>

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

namespace settings {

namespace {

// What lies at a path, following symbolic links.
enum class Node { Missing, PlainFile, Other };

Node NodeAt(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) == 0) {
        return S_ISREG(info.st_mode) ? Node::PlainFile : Node::Other;
    }
    // A link that leads nowhere is no place to write through either.
    return ::lstat(name.constData(), &info) == 0 ? Node::Other : Node::Missing;
}

// The store is opened only where it is a plain file or not there yet, and
// written only where its lock file is too: a named pipe would hold the game in
// open(), and a link to a device would be replaced by the written file.
// Otherwise the game keeps its defaults and stores nothing, as with a file it
// may not write.
enum class Access { Read, Write };

// Qt reads a value spelled @Variant(...) or @DateTime(...) as binary data,
// through a stream reader that trusts the lengths and types it finds: a few
// hand-made bytes there have Qt allocate gigabytes and build types nobody
// named. The game stores only text, and Qt writes a text that starts so with
// the @ doubled and never escapes a letter. So a file that starts a value
// with either word (after the =, a comma, a quote or a line break), or writes
// one of their characters as a numeric escape, is not the game's, and is left
// alone like a file the game may not read or write.
bool MaySpellBinaryValues(const QByteArray& content) {
    for (const char* word : {"@Variant(", "@DateTime("}) {
        for (qsizetype at = content.indexOf(word); at >= 0; at = content.indexOf(word, at + 1)) {
            qsizetype before = at - 1;
            while (before >= 0 && (content[before] == ' ' || content[before] == '\t')) {
                --before;
            }
            if (before < 0 || QByteArrayView("=,\"\r\n").contains(content[before])) {
                return true;
            }
        }
    }
    // A numeric escape is \x and hex digits, or octal digits. Qt keeps the
    // low 16 bits of the number; every leading run of the digits is tried, so
    // that a limit on their count cannot hide a character.
    constexpr std::string_view spelled = "@VariantDateTime(";
    for (qsizetype i = 0; i + 1 < content.size(); ++i) {
        if (content[i] != '\\') {
            continue;
        }
        const bool hex = content[i + 1] == 'x' || content[i + 1] == 'X';
        const int base = hex ? 16 : 8;
        qsizetype next = hex ? i + 2 : i + 1;
        char16_t value = 0;
        int digit = 0;
        while (next < content.size() &&
               std::from_chars(content.data() + next, content.data() + next + 1, digit, base).ec ==
                   std::errc()) {
            value = static_cast<char16_t>(value * base + digit);
            if (value < 128 && spelled.find(static_cast<char>(value)) != std::string_view::npos) {
                return true;
            }
            ++next;
        }
        // An escape of one character, such as \\, is passed over whole.
        i = std::max(next, i + 2) - 1;
    }
    return false;
}

std::optional<QString> UsableFile(Access access) {
    const QString path = StoreFileName();
    const Node node = NodeAt(path);
    if (node == Node::Other ||
        (access == Access::Write && NodeAt(path + QStringLiteral(".lock")) == Node::Other)) {
        return std::nullopt;
    }
    if (node == Node::PlainFile) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && MaySpellBinaryValues(file.readAll())) {
            return std::nullopt;
        }
    }
    return path;
}

QString Key(const QString& section, const QString& name) {
    return QStringLiteral("V2/") + section + QLatin1Char('/') + name;
}

// The stored text. A value edited by hand with commas reads back as a list;
// it is joined again so that it means what it says.
bool ReadText(const QString& section, const QString& name, QString& text) {
    const std::optional<QString> file = UsableFile(Access::Read);
    if (!file) {
        return false;
    }
    const QSettings store(*file, QSettings::IniFormat);
    const QString key = Key(section, name);
    // Asked for one key, Qt parses only the file's section that seems to hold
    // it, and misses the key where a group is written both as [V2] with
    // common\name and as [V2/common]; the list of all keys parses the whole
    // file, so every read sees the same values.
    if (!store.allKeys().contains(key)) {
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

// `change` is applied to the store and written out at once.
template <typename Change>
bool Write(Change change) {
    const std::optional<QString> file = UsableFile(Access::Write);
    if (!file) {
        return false;
    }
    QSettings store(*file, QSettings::IniFormat);
    change(store);
    store.sync();
    return store.status() == QSettings::NoError;
}

}  // namespace

QString StoreFileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/QuarvGames/QuarvTangram.conf");
}

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
    QString text;
    return ReadText(section, name, text);
}

bool WriteSettingInt(const QString& section, const QString& name, int value) {
    return WriteSettingString(section, name, QString::number(value));
}

bool WriteSettingBool(const QString& section, const QString& name, bool value) {
    return WriteSettingString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool WriteSettingString(const QString& section, const QString& name, const QString& value) {
    // An empty text stays a value of its own rather than a missing one.
    const QString text = value.isNull() ? QStringLiteral("") : value;
    return Write([&](QSettings& store) { store.setValue(Key(section, name), text); });
}

bool EraseSetting(const QString& section, const QString& name) {
    return Write([&](QSettings& store) { store.remove(Key(section, name)); });
}

}  // namespace settings
