#pragma once

#include "core/project.h"
#include "diagrams/display_list.h"

namespace vornexa {

// The development stress design diagram of a snapshot. The snapshot's azimuths
// become screen angles in place, as the drawing has always done.
DisplayList Dev_Paint(Parms& view);

// The longwall stress design diagram of a snapshot.
DisplayList Long_Paint(const Parms& view);

// Turns panel coordinates (x, y) by `angle` degrees for the mining sequence;
// the caller places the result at (cx + X, cy - Y).
Point RotatePoint(int x, int y, float angle, int16_t longType);

}  // namespace vornexa
