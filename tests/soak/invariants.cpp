#include "invariants.h"

#include <QAction>

#include "ascii_board.h"
#include "reference_rules.h"
#include "status_panels.h"
#include "window_harness.h"

namespace zorvel::soak {
namespace {

std::string CellName(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

// The image a cell of value `value` rests on, in set `set`.
int RestingImage(Cell value, int set) {
    if (value == kEmpty) return 0;
    return set * ui::kFramesPerSet + (value == kSide0 ? 1 : 6);
}

std::string CheckPicture(const ui::TFormVel& form, const ui::BoardPicture& picture) {
    const Board& board = form.Game().board;
    for (int y = Board::kFirst; y <= Board::kLast; ++y) {
        for (int x = Board::kFirst; x <= Board::kLast; ++x) {
            const int image = picture.LastImage(x, y);
            const int set = image / ui::kFramesPerSet;
            if (image < 0 || image != RestingImage(board.At(x, y), set)) {
                return "cell " + CellName(x, y) + " holds " + std::to_string(board.At(x, y)) +
                       " but shows image " + std::to_string(image);
            }
            const int frame = image % ui::kFramesPerSet;
            if (testing::CellColour(picture, x, y) != testing::FrameColour(set, frame))
                return "the picture of cell " + CellName(x, y) + " is not image " +
                       std::to_string(image);
        }
    }
    return {};
}

std::string CheckStatusBar(const ui::TFormVel& form) {
    const GameData& game = form.Game();
    const bool running = game.GameState == 1;
    const QString expected[] = {
        running ? QStringLiteral("NEXT PLAYER") : QStringLiteral("VELTOR Ver2.0"),
        running ? QString::fromStdString(game.Player[game.Turn].Name) : QString(),
        testing::MenuOf(form).G1P->isChecked() ? QStringLiteral("1P MODE")
                                               : QStringLiteral("2P MODE"),
    };
    const ui::StatusPanels& status = testing::StatusBarOf(form);
    for (int panel = 0; panel < 3; ++panel) {
        if (status.Text(panel) != expected[panel])
            return "status panel " + std::to_string(panel) + " reads \"" +
                   status.Text(panel).toStdString() + "\", not \"" + expected[panel].toStdString() +
                   "\"";
    }
    return {};
}

}  // namespace

std::vector<std::pair<int, int>> LegalCells(const Board& board, Cell side) {
    std::vector<std::pair<int, int>> cells;
    for (int y = Board::kFirst; y <= Board::kLast; ++y)
        for (int x = Board::kFirst; x <= Board::kLast; ++x)
            if (!testing::ReferenceFlips(board, x, y, side).empty()) cells.emplace_back(x, y);
    return cells;
}

bool CanMove(const Board& board, Cell side) {
    return testing::FirstLegalCell(board, side).has_value();
}

std::string CheckAlways(const GameData& game) {
    if (!testing::RingIsEmpty(game.board)) return "a cell of the border ring is not empty";
    for (int y = Board::kFirst; y <= Board::kLast; ++y)
        for (int x = Board::kFirst; x <= Board::kLast; ++x)
            if (game.board.At(x, y) > kEmpty)
                return "cell " + CellName(x, y) + " holds " + std::to_string(game.board.At(x, y));
    if (game.GameState > 1 || game.Busy > 1 || game.Turn > 1)
        return "state bytes GameState " + std::to_string(game.GameState) + ", Busy " +
               std::to_string(game.Busy) + ", Turn " + std::to_string(game.Turn);
    return {};
}

std::string CheckAtRest(const ui::TFormVel& form, const ui::BoardPicture& picture) {
    const GameData& game = form.Game();
    if (game.Busy != 0) return "Busy is 1 while no move runs";
    if (game.GameState == 1 && !CanMove(game.board, game.Turn))
        return "the game runs on, but side " + std::to_string(game.Turn) + " to move has no move";
    if (std::string problem = CheckPicture(form, picture); !problem.empty()) return problem;
    return CheckStatusBar(form);
}

std::string ExpectedScore(const GameData& game) {
    return game.Player[0].Name + "  " + std::to_string(testing::CountStones(game.board, kSide0)) +
           "  対  " + game.Player[1].Name + "  " +
           std::to_string(testing::CountStones(game.board, kSide1));
}

}  // namespace zorvel::soak
