#pragma once

#include <QImage>

#include "piece.h"

namespace zorvel::artwork {

// The piece's pose in stone frame 1-10. Frames 1-5 turn side 0's piece over to side 1, frames 6-10
// side 1's back to side 0; the first of each five shows the piece at rest.
PiecePose TurnPose(int frame);

// Frame 0-10 of a set, opaque: the empty board cell, or the piece in its pose on that cell. Each
// frame repaints the whole cell, so it hides whatever an earlier frame left there. Drawn at
// `scale` device pixels per cell pixel, with that device pixel ratio.
QImage RenderFrame(const Piece& piece, int frame, int scale);

}  // namespace zorvel::artwork
