// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The settings store: the text each kind of value is stored as, the read rules
// for damaged values, and that reading creates nothing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "store.h"

using namespace settings;

namespace {

QSettings Raw() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QuarvGames"),
                     QStringLiteral("QuarvTangram"));
}

QString RawText(const QString& name) {
    return Raw().value(QStringLiteral("V2/common/") + name).toString();
}

void Put(const QString& name, const QString& text) {
    QSettings raw = Raw();
    raw.setValue(QStringLiteral("V2/common/") + name, text);
}

class Store : public ::testing::Test {
protected:
    void SetUp() override { Raw().clear(); }
};

}  // namespace

TEST_F(Store, EveryValueIsStoredAsText) {
    EXPECT_TRUE(WriteSettingInt(Common, QStringLiteral("level"), -5));
    EXPECT_TRUE(WriteSettingBool(Common, QStringLiteral("sound"), true));
    EXPECT_TRUE(WriteSettingBool(Common, QStringLiteral("other"), false));
    EXPECT_TRUE(WriteSettingString(Common, QStringLiteral("save"), QString()));
    EXPECT_EQ(Raw().value(QStringLiteral("V2/common/level")).typeId(), QMetaType::QString);
    EXPECT_EQ(RawText(QStringLiteral("level")), QStringLiteral("-5"));
    EXPECT_EQ(RawText(QStringLiteral("sound")), QStringLiteral("1"));
    EXPECT_EQ(RawText(QStringLiteral("other")), QStringLiteral("0"));
    // An empty text is a value, not a missing one.
    EXPECT_TRUE(SettingExists(Common, QStringLiteral("save")));
    EXPECT_EQ(ReadSettingString(Common, QStringLiteral("save"), QStringLiteral("x")), QString());

    EXPECT_TRUE(EraseSetting(Common, QStringLiteral("level")));
    EXPECT_FALSE(SettingExists(Common, QStringLiteral("level")));
    EXPECT_TRUE(EraseSetting(Common, QStringLiteral("never-there")));
}

TEST_F(Store, ReadRules) {
    Put(QStringLiteral("level"), QStringLiteral("abc"));
    EXPECT_EQ(ReadSettingInt(Common, QStringLiteral("level"), 1), 1);
    Put(QStringLiteral("level"), QStringLiteral("-5"));
    EXPECT_EQ(ReadSettingInt(Common, QStringLiteral("level"), 1), -5);
    Put(QStringLiteral("level"), QStringLiteral("99999999999"));
    EXPECT_EQ(ReadSettingInt(Common, QStringLiteral("level"), 1), 1);
    Put(QStringLiteral("level"), QStringLiteral("12abc"));
    EXPECT_EQ(ReadSettingInt(Common, QStringLiteral("level"), 1), 1);

    Put(QStringLiteral("sound"), QStringLiteral("2"));
    EXPECT_TRUE(ReadSettingBool(Common, QStringLiteral("sound"), false));
    Put(QStringLiteral("sound"), QStringLiteral("0"));
    EXPECT_FALSE(ReadSettingBool(Common, QStringLiteral("sound"), true));
    Put(QStringLiteral("sound"), QStringLiteral("yes"));
    EXPECT_TRUE(ReadSettingBool(Common, QStringLiteral("sound"), true));
    EXPECT_FALSE(ReadSettingBool(Common, QStringLiteral("sound"), false));

    // Missing values give their defaults.
    EXPECT_EQ(ReadSettingInt(Common, QStringLiteral("tongue"), -1), -1);
    EXPECT_TRUE(ReadSettingBool(Common, QStringLiteral("missing"), true));
    EXPECT_EQ(ReadSettingString(Common, QStringLiteral("missing"), QStringLiteral("d")),
              QStringLiteral("d"));
    // Another section is another place.
    EXPECT_EQ(ReadSettingInt(QStringLiteral("other"), QStringLiteral("level"), 7), 7);
}

TEST_F(Store, ReadingCreatesNothing) {
    const QString file = Raw().fileName();
    QFile::remove(file);
    EXPECT_EQ(ReadSettingInt(Common, QStringLiteral("level"), 1), 1);
    EXPECT_EQ(ReadSettingString(Common, QStringLiteral("MainForm")), QString());
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(WriteSettingInt(Common, QStringLiteral("level"), 3));
    EXPECT_TRUE(QFile::exists(file));
}

TEST_F(Store, EveryReadSeesTheFileAsItIsNow) {
    WriteSettingInt(Common, QStringLiteral("level"), 3);
    // Another copy of the game changes the value meanwhile.
    {
        QSettings other = Raw();
        other.setValue(QStringLiteral("V2/common/level"), QStringLiteral("9"));
    }
    EXPECT_EQ(ReadSettingInt(Common, QStringLiteral("level"), 1), 9);
}

TEST_F(Store, ACommaListWrittenByHandReadsAsItsText) {
    QFile file(Raw().fileName());
    QDir().mkpath(QFileInfo(file).absolutePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[V2]\ncommon\\MainForm=200,0,1,120,80,780,600\n");
    file.close();
    EXPECT_EQ(ReadSettingString(Common, QStringLiteral("MainForm")),
              QStringLiteral("200,0,1,120,80,780,600"));
}

TEST_F(Store, AFailedWriteIsReportedAndLeavesTheRestWorking) {
    // A folder where the file should be: no write can succeed, even as root.
    const QString file = Raw().fileName();
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));
    EXPECT_FALSE(WriteSettingInt(Common, QStringLiteral("level"), 4));
    EXPECT_FALSE(WriteSettingString(Common, QStringLiteral("save"), QStringLiteral("a.mxg")));
    EXPECT_EQ(ReadSettingInt(Common, QStringLiteral("level"), 1), 1);
    ASSERT_TRUE(QDir(file).removeRecursively());
    EXPECT_TRUE(WriteSettingInt(Common, QStringLiteral("level"), 5));
    EXPECT_EQ(ReadSettingInt(Common, QStringLiteral("level"), 1), 5);
}

int main(int argc, char** argv) {
    // Even when started by hand, the test never touches the user's settings.
    QTemporaryDir scratch;
    qputenv("HOME", scratch.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (scratch.path() + QStringLiteral("/config")).toLocal8Bit());
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
