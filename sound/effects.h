// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The six sound effects and the sound switch. The game asks for an effect by
// its number; what plays it is an EffectPlayer: the real wave list from the
// sound module, or a recording in tests.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

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

// The six waves built into the program live in a module of their own beside
// it (waves.h), which brings the audio libraries along: the game loads it
// once it is on the screen, so they do not slow its start. Null when the module
// is not in `folder` or cannot be loaded: the game then stays silent, as it
// does without an audio device.
std::unique_ptr<EffectPlayer> LoadWavePlayer(const QString& folder);

// Remembers what it was told, as "stop" and "play <item>".
class RecordingPlayer final : public EffectPlayer {
public:
    void Stop() override { calls.emplace_back("stop"); }
    void Play(int item) override { calls.push_back("play " + std::to_string(item)); }
    std::vector<std::string> calls;
};

}  // namespace sound
