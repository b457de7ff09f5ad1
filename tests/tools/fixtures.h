// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Inputs the catalogue tool tests share: the data folder and the two worked
// examples, as the game lays them.
#pragma once

#include <string>

#include "raster.h"

namespace tangram::test {

inline const std::string Data = TOOLS_TEST_DATA;

// The classic square of side 28 (the rhomboid mirrored).
inline const Layout Square{
    {{60, 45, 10}, {72, 33, 6}, {69, 49, 0}, {60, 31, 2}, {51, 40, 14}, {67, 40, 2}, {56, 50, 22}}};
// A 40 x 20 rectangle.
inline const Layout Rectangle{
    {{77, 37, 0}, {63, 47, 4}, {70, 33, 2}, {46, 36, 8}, {54, 44, 0}, {75, 45, 0}, {65, 40, 4}}};

}  // namespace tangram::test
