#include "board.h"

#include <stdexcept>
#include <string>

namespace zorvel {

void Board::Set(int x, int y, Cell value) {
    if (!OnField(x, y) || value > kEmpty) {
        throw std::out_of_range("Board::Set(" + std::to_string(x) + ", " + std::to_string(y) +
                                ", " + std::to_string(value) + ") outside the playing field");
    }
    cells_[Index(x, y)] = value;
}

}  // namespace zorvel
