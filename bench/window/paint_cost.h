#pragma once

namespace zorvel::bench {

// What one paint of the 320 x 320 board costs, copied to the offscreen screen: the median of
// several batches of repaints of the shown window, in microseconds.
double BoardPaintMicroseconds();

}  // namespace zorvel::bench
