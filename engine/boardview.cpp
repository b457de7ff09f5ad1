// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "boardview.h"

#include "tangdata.h"

namespace tangram {

int PiecePolygon(int tan, PieceState state, int cellWidth, int cellHeight,
                 std::array<Pixel, 4>& out) {
    if (tan < 1 || tan > TanCount) {
        return 0;
    }
    const int shape = PieceShape[tan];
    const int o = OrientIndex(state.orient);
    const int count = ShapeVertexCount[shape];
    for (int v = 0; v < count; ++v) {
        out[v] = Pixel{(VertexX[shape][v][o] + state.col) * cellWidth,
                       (VertexY[shape][v][o] + state.row) * cellHeight};
    }
    return count;
}

}  // namespace tangram
