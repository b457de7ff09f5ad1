// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The six waves built into the program, played through Qt's audio output. They
// make up the sound module that the game loads after its start (effects.h).
#pragma once

#include <QObject>
#include <array>

#include "effects.h"

class QSoundEffect;

namespace sound {

// The six waves, loaded once. Without an audio device nothing plays, and
// nobody is bothered with a message about it.
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

// The resource path of each wave, for those who want to look at them.
const char* WaveResource(int item);

}  // namespace sound
