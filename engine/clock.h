// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The millisecond tick counter behind the hint flash's busy wait.
#pragma once

#include <cstdint>

namespace tangram {

// A 32-bit millisecond tick counter that wraps around.
class TickClock {
public:
    virtual ~TickClock() = default;
    virtual uint32_t Ticks() = 0;
    // Called between two readings of a busy wait; the real clock sleeps briefly.
    virtual void Pause() {}
};

// Milliseconds of the steady clock, truncated to 32 bits.
class SteadyTickClock final : public TickClock {
public:
    uint32_t Ticks() override;
    void Pause() override;
};

// Returns once more than `ms` ticks have passed, without handling any events.
void WaitMs(uint32_t ms, TickClock& clock);

}  // namespace tangram
