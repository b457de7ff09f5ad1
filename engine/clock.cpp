// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "clock.h"

#include <chrono>
#include <thread>

namespace tangram {

uint32_t SteadyTickClock::Ticks() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void SteadyTickClock::Pause() {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void WaitMs(uint32_t ms, TickClock& clock) {
    const uint32_t start = clock.Ticks();
    // Unsigned difference: the counter's wrap-around does no harm.
    do {
        clock.Pause();
    } while (static_cast<uint32_t>(clock.Ticks() - start) <= ms);
}

}  // namespace tangram
