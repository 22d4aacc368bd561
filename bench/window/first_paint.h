#pragma once

// When the board first reaches the screen: the main window is shown and the event loop runs until
// its client area has been painted.
#include <cstdint>

#include "form_vel.h"

namespace zorvel::bench {

// Shows `form` and returns the wall-clock time (WallNs) of its client area's first paint.
std::int64_t ShowAndWaitForFirstPaint(ui::TFormVel& form);

// From the window's construction to that first paint, in this process.
double InProcessFirstPaintMs();

}  // namespace zorvel::bench
