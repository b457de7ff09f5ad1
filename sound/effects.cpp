// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "effects.h"

#include <QDir>
#include <QLibrary>

namespace sound {

void PlayEffect(EffectPlayer& waves, bool soundOn, int effect) {
    waves.Stop();
    if (soundOn && effect > 0 && effect <= EffectCount) {
        waves.Play(effect - 1);
    }
}

std::unique_ptr<EffectPlayer> LoadWavePlayer(const QString& folder) {
    // Stays loaded once loaded: the player's code is in it.
    QLibrary module(QDir(folder).filePath(QStringLiteral(TANGRAM_WAVE_MODULE)));
    using Make = EffectPlayer* (*)();
    const auto make = reinterpret_cast<Make>(module.resolve("quarv_tangram_wave_player"));
    return std::unique_ptr<EffectPlayer>(make != nullptr ? make() : nullptr);
}

}  // namespace sound
