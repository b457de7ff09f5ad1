// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The six sound effects and the sound switch. The game asks for an effect by
// its number; what plays it is an EffectPlayer: the real wave list, or a
// recording in tests.
#pragma once

#include <QObject>
#include <array>
#include <string>
#include <vector>

class QSoundEffect;

namespace sound {

// Effect numbers; effect n plays item n - 1 of the wave list.
enum Effect : int {
    PickUp = 1,
    PutDown = 2,
    Turn = 3,
    Move = 4,
    Solved = 5,
    Refused = 6,
};
inline constexpr int EffectCount = 6;

class EffectPlayer {
public:
    virtual ~EffectPlayer() = default;
    // Silences whatever is playing.
    virtual void Stop() = 0;
    // Starts item 0..5 and returns at once.
    virtual void Play(int item) = 0;
};

// Only one sound at a time: every effect cuts off the one before, even with
// the sound switched off, and plays its own only with the switch on.
void PlayEffect(EffectPlayer& waves, bool soundOn, int effect);

// The six waves built into the program, loaded once. Without an audio device
// nothing plays, and nobody is bothered with a message about it.
class WavePlayer final : public QObject, public EffectPlayer {
    Q_OBJECT
public:
    explicit WavePlayer(QObject* parent = nullptr);
    ~WavePlayer() override;

    void Stop() override;
    void Play(int item) override;
    // Every wave is loaded, or known not to load.
    bool AllLoaded() const;

private:
    std::array<QSoundEffect*, EffectCount> waves_{};
};

// Remembers what it was told, as "stop" and "play <item>".
class RecordingPlayer final : public EffectPlayer {
public:
    void Stop() override { calls.emplace_back("stop"); }
    void Play(int item) override { calls.push_back("play " + std::to_string(item)); }
    std::vector<std::string> calls;
};

// The resource path of each wave, for those who want to look at them.
const char* WaveResource(int item);

}  // namespace sound
