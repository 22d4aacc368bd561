#include "rules.h"

namespace zorvel {

std::uint8_t TryMove(const Board& board, int x, int y, Cell side, StoneTurner* turner) {
    if (!Board::OnField(x, y) || side > kSide1 || board.At(x, y) != kEmpty) return 0;
    const Cell opponent = Opponent(side);
    std::uint8_t count = 0;
    for (int d = 0; d < 8; ++d) {
        int cx = x + DirX[d];
        int cy = y + DirY[d];
        if (board.At(cx, cy) != opponent) continue;
        while (board.At(cx, cy) == opponent) {
            cx += DirX[d];
            cy += DirY[d];
        }
        if (board.At(cx, cy) != side) continue;  // ends on an empty cell or the ring
        // The turner changes the board as it goes, so each cell is read again when reached; the
        // field test only matters if a faulty turner left the bracketing line.
        int wx = x;
        int wy = y;
        do {
            if (turner != nullptr && board.At(wx, wy) != side) turner->TurnStone(wx, wy, side);
            wx += DirX[d];
            wy += DirY[d];
            ++count;
        } while (Board::OnField(wx, wy) && board.At(wx, wy) != side);
    }
    return count;
}

}  // namespace zorvel
