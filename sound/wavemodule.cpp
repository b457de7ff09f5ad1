// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The sound module's one entry: LoadWavePlayer (effects.h) finds it by name.
#include "waves.h"

extern "C" Q_DECL_EXPORT sound::EffectPlayer* quarv_tangram_wave_player() {
    return new sound::WavePlayer;
}
