// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// How the opening animation runs: its frames and the time between two of
// them. The main window appears one step after the last frame, so the whole
// animation lasts LengthMs. Kept free of Qt for the start-up benchmark.
#pragma once

namespace opening {

constexpr int Frames = 5;
constexpr int StepMs = 16;
constexpr int LengthMs = Frames * StepMs;

// The wait after frame `drawn` (counted from 1), `elapsedMs` after the first
// frame: frame k is due k - 1 steps after the first, so work that overruns
// one gap delays only the frame after it, which then follows at once.
constexpr long long MsToNextFrame(int drawn, long long elapsedMs) {
    const long long due = static_cast<long long>(drawn) * StepMs;
    return due > elapsedMs ? due - elapsedMs : 0;
}

}  // namespace opening
