// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Any bytes as the settings file: every value the game reads follows its read
// rule. A value reads the same whatever default is asked for, or else gives
// the default each time; a number read is the whole-number text of the
// string read; a switch is on for any number but 0; a stored placement is
// either refused or formats back to the same text.
#include <stdlib.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstddef>
#include <cstdint>
#include <string>

#include "placement.h"
#include "store.h"

namespace {

void Check(bool ok) {
    if (!ok) {
        __builtin_trap();
    }
}

const char* const Names[] = {"tongue", "sound", "level",    "save",          "wid",         "hig",
                             "pleft",  "ptop",  "MainForm", "MainFormColor", "MainFormFont"};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // A settings folder of the fuzzer's own, never the user's.
    const std::string scratch = "/tmp/tangram-fuzz-settings-" + std::to_string(::getpid());
    ::setenv("HOME", scratch.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (scratch + "/config").c_str(), 1);
    static QCoreApplication app(*argc, *argv);
    QDir().mkpath(QFileInfo(settings::StoreFileName()).absolutePath());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        QFile file(settings::StoreFileName());
        Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    using settings::Common;
    const QString missing = QStringLiteral("\x01 no value");
    for (const char* n : Names) {
        const QString name = QString::fromLatin1(n);
        const int a = settings::ReadSettingInt(Common, name, 7);
        const int b = settings::ReadSettingInt(Common, name, -9);
        const QString text = settings::ReadSettingString(Common, name, missing);
        const bool exists = settings::SettingExists(Common, name);
        Check(exists == (text != missing));
        if (a != b) {
            Check(a == 7 && b == -9);
            bool whole = true;
            text.toInt(&whole, 10);
            Check(!exists || !whole);
            Check(settings::ReadSettingBool(Common, name, true) &&
                  !settings::ReadSettingBool(Common, name, false));
            continue;
        }
        bool whole = false;
        Check(exists && text.toInt(&whole, 10) == a && whole);
        Check(settings::ReadSettingBool(Common, name, false) == (a != 0));
    }
    for (const char* n : Names) {
        const QString text = settings::ReadSettingString(Common, QString::fromLatin1(n));
        const auto placement = tangram::ParsePlacement(text.toStdString());
        Check(!placement ||
              tangram::ParsePlacement(tangram::FormatPlacement(*placement)) == placement);
    }
    return 0;
}
