#include "computer_player.h"

#include <string>

namespace zorvel {
namespace {

// Start weights by row (y) then column (x); the table is symmetric.
constexpr std::uint8_t kStartWeights[8][8] = {
    {95, 15, 50, 40, 40, 50, 15, 95}, {15, 10, 30, 20, 20, 30, 10, 15},
    {50, 30, 35, 25, 25, 35, 30, 50}, {40, 20, 25, 10, 10, 25, 20, 40},
    {40, 20, 25, 10, 10, 25, 20, 40}, {50, 30, 35, 25, 25, 35, 30, 50},
    {15, 10, 30, 20, 20, 30, 10, 15}, {95, 15, 50, 40, 40, 50, 15, 95},
};

constexpr std::uint8_t kKeep = 0;

// The cells around a corner, at i columns and j rows from it towards the board, with the weight
// they take when the computer holds the corner and when the opponent does.
struct CornerCell {
    int i;
    int j;
    std::uint8_t ownCorner;
    std::uint8_t opponentCorner;
};
constexpr CornerCell kCornerCells[] = {
    {0, 0, 95, 95}, {1, 0, 80, 20}, {0, 1, 80, 20}, {1, 1, 80, 20},    {2, 0, 70, 20},
    {0, 2, 70, 20}, {3, 0, 60, 20}, {0, 3, 60, 20}, {2, 1, 50, kKeep}, {1, 2, 50, kKeep},
};

struct Corner {
    int x;
    int y;
};
constexpr Corner kCorners[] = {{1, 1}, {8, 1}, {8, 8}, {1, 8}};

const std::string kRule(23, '-');

}  // namespace

void ComputerPlayer::InitWeights() {
    for (int y = Board::kFirst; y <= Board::kLast; ++y)
        for (int x = Board::kFirst; x <= Board::kLast; ++x)
            SetWeight(x, y, kStartWeights[y - 1][x - 1]);
}

void ComputerPlayer::AdjustCornerWeights(const Board& board, DebugLog& log) {
    for (const Corner& corner : kCorners) {
        const Cell owner = board.At(corner.x, corner.y);
        if (owner == kEmpty) continue;
        const int stepX = corner.x == 1 ? 1 : -1;
        const int stepY = corner.y == 1 ? 1 : -1;
        for (const CornerCell& cell : kCornerCells) {
            const int x = corner.x + cell.i * stepX;
            const int y = corner.y + cell.j * stepY;
            const std::uint8_t weight = owner == kSide1 ? cell.ownCorner : cell.opponentCorner;
            if (weight != kKeep) SetWeight(x, y, weight);
        }
    }
    log.AppendLine(kRule);
    for (int y = Board::kFirst; y <= Board::kLast; ++y) {
        std::string row;
        for (int x = Board::kFirst; x <= Board::kLast; ++x) {
            if (x > Board::kFirst) row += '-';
            row += std::to_string(WeightAt(x, y));
        }
        log.AppendLine(row);
    }
    log.AppendLine(kRule);
}

void ComputerPlayer::ComputerMove(const Board& board, StoneTurner& turner, DebugLog& log) {
    bool found = false;
    for (int y = Board::kFirst; y <= Board::kLast; ++y) {
        for (int x = Board::kFirst; x <= Board::kLast; ++x) {
            if (board.At(x, y) != kEmpty) continue;
            const std::uint8_t count = TryMove(board, x, y, kSide1);
            if (count == 0) continue;
            const std::uint8_t weight = WeightAt(x, y);
            log.AppendLine("X:" + std::to_string(x) + " Y:" + std::to_string(y) +
                           " P:" + std::to_string(weight) + " A:" + std::to_string(count));
            const bool take =
                !found || weight > BestWeight || (weight == BestWeight && count < BestCount);
            if (take) {
                BestX = static_cast<std::uint8_t>(x);
                BestY = static_cast<std::uint8_t>(y);
                BestWeight = weight;
                BestCount = count;
            }
            found = true;
        }
    }
    if (found) TryMove(board, BestX, BestY, kSide1, &turner);
}

}  // namespace zorvel
