// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The sound switch and the six built-in waves.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "effects.h"
#include "waves.h"

using sound::EffectCount;
using sound::PlayEffect;
using sound::RecordingPlayer;
using Calls = std::vector<std::string>;

TEST(PlayEffect, StopsThenPlaysTheEffectsItem) {
    RecordingPlayer waves;
    for (int effect = 1; effect <= EffectCount; ++effect) {
        waves.calls.clear();
        PlayEffect(waves, true, effect);
        EXPECT_EQ(waves.calls, (Calls{"stop", "play " + std::to_string(effect - 1)}));
    }
}

TEST(PlayEffect, OnlyStopsWhenSwitchedOffOrWithoutAnEffect) {
    RecordingPlayer waves;
    PlayEffect(waves, false, sound::Move);
    PlayEffect(waves, true, 0);
    PlayEffect(waves, true, -3);
    PlayEffect(waves, true, 7);
    EXPECT_EQ(waves.calls, (Calls{"stop", "stop", "stop", "stop"}));
}

TEST(PlayEffect, ASolvingDropCutsItsOwnSoundShort) {
    RecordingPlayer waves;
    PlayEffect(waves, true, sound::PutDown);
    PlayEffect(waves, true, sound::Solved);
    EXPECT_EQ(waves.calls, (Calls{"stop", "play 1", "stop", "play 4"}));
}

// Each wave is short 16-bit mono PCM that starts and ends in silence, so that
// cutting one off with the next never clicks.
TEST(Waves, AreShortQuietAtTheEndsAndBuiltIn) {
    sound::WavePlayer player;  // registers the resources
    for (int item = 0; item < EffectCount; ++item) {
        QFile file(QString::fromLatin1(sound::WaveResource(item)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << item;
        const QByteArray bytes = file.readAll();
        ASSERT_GT(bytes.size(), 44);
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
        EXPECT_EQ(bytes.left(4), "RIFF");
        EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(u16(20), 1);  // PCM
        EXPECT_EQ(u16(22), 1);  // mono
        const quint32 rate = u32(24);
        EXPECT_TRUE(rate == 22050 || rate == 44100);
        EXPECT_EQ(u16(34), 16);
        EXPECT_EQ(bytes.mid(36, 4), "data");
        const quint32 data = u32(40);
        ASSERT_EQ(data + 44, quint32(bytes.size()));
        const quint32 samples = data / 2;
        EXPECT_LT(samples, rate) << "effect " << item + 1 << " lasts a second or more";
        const auto sample = [&](quint32 k) {
            return qFromLittleEndian<qint16>(bytes.constData() + 44 + 2 * k);
        };
        EXPECT_LT(std::abs(sample(0)), 64);
        EXPECT_LT(std::abs(sample(samples - 1)), 64);
    }
    // Stopping and playing without an audio device neither fails nor hangs.
    player.Stop();
    player.Play(0);
    player.Play(99);
    player.Stop();
}

// Ending the program while the waves still load must not hang it.
TEST(Waves, LoadBeforeTheProgramEnds) {
    { sound::WavePlayer player; }
    sound::WavePlayer player;
    QElapsedTimer clock;
    clock.start();
    while (!player.AllLoaded() && clock.elapsed() < 5000) {
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(player.AllLoaded());
}

// The game finds its waves in the module beside it; without a loadable one
// there it stays silent.
TEST(WaveModule, LoadsFromTheGamesFolderOnly) {
    const std::unique_ptr<sound::EffectPlayer> player =
        sound::LoadWavePlayer(QStringLiteral(WAVE_MODULE_DIR));
    ASSERT_NE(player, nullptr);
    player->Stop();
    player->Play(0);
    player->Stop();

    QTemporaryDir elsewhere;
    EXPECT_EQ(sound::LoadWavePlayer(elsewhere.path()), nullptr);
    QFile notAModule(elsewhere.filePath(QStringLiteral(WAVE_MODULE_FILE)));
    ASSERT_TRUE(notAModule.open(QIODevice::WriteOnly));
    notAModule.write("RIFF, but no module");
    notAModule.close();
    EXPECT_EQ(sound::LoadWavePlayer(elsewhere.path()), nullptr);
}

int main(int argc, char** argv) {
    // The audio system keeps files of its own in HOME: a scratch one.
    QTemporaryDir scratch;
    qputenv("HOME", scratch.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (scratch.path() + "/config").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (scratch.path() + "/runtime").toLocal8Bit());
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
