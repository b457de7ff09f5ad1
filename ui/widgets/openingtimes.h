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

}  // namespace opening
