// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The settings store: the text each kind of value is stored as, the read rules
// for damaged values, that reading creates nothing, that a settings path
// holding something else than a file neither holds the game nor is replaced,
// and that a file asking Qt for binary data is left alone.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <cstring>
#include <functional>
#include <future>
#include <tuple>

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

// The kind of file system object at a path, links not followed or followed.
mode_t TypeAt(const QString& path, bool followLinks = false) {
    struct stat info {};
    const QByteArray name = QFile::encodeName(path);
    const int got =
        followLinks ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info);
    return got == 0 ? (info.st_mode & S_IFMT) : 0;
}

// Runs `work` on a thread of its own; true when it finished without waiting.
// Work that waits in open() on the named pipe at `pipe` is set free by a
// writer that opens the pipe and closes it again.
bool FinishesAtOnce(const std::function<void()>& work, const QString& pipe) {
    auto done = std::async(std::launch::async, work);
    bool atOnce = true;
    while (done.wait_for(std::chrono::seconds(3)) != std::future_status::ready) {
        atOnce = false;
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            ::close(fd);
        }
    }
    done.get();
    return atOnce;
}

// A fresh settings folder without the file itself.
QString EmptySettingsPlace() {
    const QString file = Raw().fileName();
    QFile::remove(file);
    QDir().mkpath(QFileInfo(file).absolutePath());
    return file;
}

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

TEST_F(Store, AGroupWrittenTwoWaysByHandReadsTheSameEachTime) {
    QFile file(EmptySettingsPlace());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[V2]\ncommon\\tongue=1\n[V2/common]\nsound=0\n");
    file.close();
    for (int read = 0; read < 2; ++read) {
        EXPECT_EQ(ReadSettingInt(Common, QStringLiteral("tongue"), -1), 1) << read;
        EXPECT_FALSE(ReadSettingBool(Common, QStringLiteral("sound"), true)) << read;
    }
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

TEST_F(Store, ASettingsFileThatIsANamedPipeReadsAsMissingAndStays) {
    const QString file = EmptySettingsPlace();
    ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    std::tuple<int, bool, QString> read;
    EXPECT_TRUE(FinishesAtOnce(
        [&] {
            read = {ReadSettingInt(Common, QStringLiteral("tongue"), -1),
                    ReadSettingBool(Common, QStringLiteral("sound"), true),
                    ReadSettingString(Common, QStringLiteral("save"), QStringLiteral("none"))};
        },
        file));
    EXPECT_EQ(read, std::make_tuple(-1, true, QStringLiteral("none")));
    bool written = true;
    EXPECT_TRUE(FinishesAtOnce(
        [&] { written = WriteSettingInt(Common, QStringLiteral("level"), 3); }, file));
    EXPECT_FALSE(written);
    EXPECT_EQ(TypeAt(file), S_IFIFO);
    QFile::remove(file);
}

TEST_F(Store, NothingIsWrittenThroughALinkToAnythingButAFile) {
    const QString file = EmptySettingsPlace();
    QTemporaryDir targets;
    // A socket, a folder, a link that leads nowhere, and a device where this
    // machine lets us make one (a null device, as /dev/null is).
    std::vector<QString> others{targets.filePath(QStringLiteral("socket")),
                                targets.filePath(QStringLiteral("folder")),
                                targets.filePath(QStringLiteral("nothing"))};
    const int socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketName = QFile::encodeName(others[0]);
    ASSERT_LT(static_cast<size_t>(socketName.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, socketName.constData(), static_cast<size_t>(socketName.size()));
    ASSERT_EQ(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_TRUE(QDir().mkpath(others[1]));
    const QString device = targets.filePath(QStringLiteral("null"));
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        others.push_back(device);
    }
    for (const QString& other : others) {
        const mode_t type = TypeAt(other);
        ASSERT_TRUE(QFile::link(other, file)) << other.toStdString();
        EXPECT_FALSE(WriteSettingInt(Common, QStringLiteral("level"), 4)) << other.toStdString();
        EXPECT_FALSE(EraseSetting(Common, QStringLiteral("level"))) << other.toStdString();
        EXPECT_EQ(ReadSettingInt(Common, QStringLiteral("level"), 7), 7) << other.toStdString();
        EXPECT_EQ(TypeAt(other), type) << other.toStdString() << " was replaced";
        EXPECT_EQ(TypeAt(file), S_IFLNK);
        QFile::remove(file);
    }
    ::close(socketFd);

    // A link to a plain file is written through, and stays a link.
    const QString plain = targets.filePath(QStringLiteral("plain.conf"));
    QFile(plain).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(plain, file));
    EXPECT_TRUE(WriteSettingInt(Common, QStringLiteral("level"), 5));
    EXPECT_EQ(ReadSettingInt(Common, QStringLiteral("level"), 1), 5);
    EXPECT_EQ(TypeAt(file), S_IFLNK);
    EXPECT_EQ(TypeAt(file, true), S_IFREG);
    QFile::remove(file);
}

TEST_F(Store, AFileAskingForBinaryDataReadsAsMissingAndStaysAsItIs) {
    // Qt would read these values through its binary stream reader, which
    // takes the length it finds for granted: the first asks for 64 gigabytes.
    const char* const asking[] = {
        "common\\save=@Variant(\\0\\0\\0\\f\\0\\xff\\xff\\xff\\xf0)\n",
        "common\\save=\"@Variant(\\0\\0\\0\\n\\0)\"\n",
        "common\\save=1, @DateTime(\\0)\n",
        "common\\save=\\x40Variant(\\0)\n",
        "common\\save=@\\126ariant(\\0)\n",
        "common\\save=@Vari\\x10061nt(\\0)\n",
    };
    for (const char* value : asking) {
        const QString path = EmptySettingsPlace();
        const QByteArray content = QByteArray("[V2]\ncommon\\level=3\n") + value;
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        EXPECT_EQ(ReadSettingInt(Common, QStringLiteral("level"), 1), 1) << value;
        EXPECT_FALSE(WriteSettingInt(Common, QStringLiteral("level"), 4)) << value;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), content) << value;
    }

    // Texts the game stores that look alike still go to the file and back.
    EmptySettingsPlace();
    const QString alike[] = {QStringLiteral("@Variant(x)"), QStringLiteral("@@DateTime(1)"),
                             QStringLiteral("/home/ann/Variant(2)/a\\100\\x41.mxg"),
                             QStringLiteral("/home/ann/@Variant(3).mxg"),
                             QStringLiteral("tab\there")};
    for (const QString& text : alike) {
        EXPECT_TRUE(WriteSettingString(Common, QStringLiteral("save"), text));
        EXPECT_TRUE(WriteSettingInt(Common, QStringLiteral("level"), 2));
        EXPECT_EQ(ReadSettingString(Common, QStringLiteral("save")), text);
    }
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
