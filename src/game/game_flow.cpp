#include "game_flow.h"

namespace zorvel {

GameFlow::GameFlow(GameView& view, const Options& options, DebugLog& log)
    : view_(view), options_(options), log_(log) {}

void GameFlow::StartUp() {
    ClearBoard();
    game_.GameState = 0;
    game_.Busy = 0;
    game_.Turn = 0;
    UpdateStatus();
}

void GameFlow::TurnStone(int x, int y, Cell value) {
    const MoveWatch move(generation_);
    view_.AnimateStone(x, y, value, move);
    if (move.Abandoned()) throw MoveAbandoned{};
    game_.board.Set(x, y, value);
}

void GameFlow::ClearBoard() {
    for (int y = Board::kFirst; y <= Board::kLast; ++y)
        for (int x = Board::kFirst; x <= Board::kLast; ++x) game_.board.Set(x, y, kEmpty);
    view_.ShowEmptyBoard();
}

void GameFlow::Pause(unsigned ms) {
    const MoveWatch move(generation_);
    view_.Wait(ms);
    if (move.Abandoned()) throw MoveAbandoned{};
}

void GameFlow::UpdateStatus() {
    view_.ShowStatus(
        UpdateNamesAndStatus(game_, options_.OnePlayerMode(), options_.ImagePattern()));
}

// Start Game only between games and Clear Game only during one, as the menu offers them; a
// command that comes at another time is ignored.
void GameFlow::StartGameClick() {
    if (game_.GameState != 0 || !view_.Ask(kStartQuestion)) return;
    AbandonRunningMoves();
    try {
        ClearBoard();
        TurnStone(4, 4, kSide0);
        TurnStone(5, 4, kSide1);
        TurnStone(4, 5, kSide1);
        TurnStone(5, 5, kSide0);
    } catch (const MoveAbandoned&) {
        return;  // a newer Start or Clear owns the board now
    }
    game_.GameState = 1;
    game_.Busy = 0;
    game_.Turn = options_.Side0First() ? kSide0 : kSide1;
    UpdateStatus();
}

void GameFlow::ClearGameClick() {
    if (game_.GameState != 1 || !view_.Ask(kClearQuestion)) return;
    AbandonRunningMoves();
    ClearBoard();
    game_.GameState = 0;
    game_.Busy = 0;
    UpdateStatus();
}

void GameFlow::HumanMove(int column, int row) {
    if (game_.GameState != 1 || game_.Busy != 0) return;
    game_.Busy = 1;
    try {
        if (column != 0 && row != 0 && TryMove(game_.board, column, row, game_.Turn, this) > 0) {
            game_.Turn = Opponent(game_.Turn);
            UpdateStatus();
            if (game_.GameState == 1) CheckGameState();
        }
    } catch (const MoveAbandoned&) {
        return;  // the command that interrupted the move has set the state bytes itself
    }
    game_.Busy = 0;
}

bool GameFlow::ComputerToMove() const {
    return game_.GameState == 1 && game_.Busy == 0 && options_.OnePlayerMode() &&
           game_.Turn == kSide1;
}

void GameFlow::TimerTimer() {
    if (!ComputerToMove()) return;
    game_.Busy = 1;
    try {
        computer_.AdjustCornerWeights(game_.board, log_);
        view_.PlayComputerSound();
        Pause(1000);
        computer_.ComputerMove(game_.board, *this, log_);
        game_.Turn = Opponent(game_.Turn);
        UpdateStatus();
        if (game_.GameState == 1) CheckGameState();
    } catch (const MoveAbandoned&) {
        return;
    }
    game_.Busy = 0;
}

void GameFlow::CheckGameState() {
    bool side0CanMove = false;
    bool side1CanMove = false;
    for (int y = Board::kFirst; y <= Board::kLast; ++y) {
        for (int x = Board::kFirst; x <= Board::kLast; ++x) {
            if (game_.board.At(x, y) != kEmpty) continue;
            if (TryMove(game_.board, x, y, kSide0) > 0) side0CanMove = true;
            if (TryMove(game_.board, x, y, kSide1) > 0) side1CanMove = true;
        }
    }
    if (!side0CanMove && !side1CanMove) {
        view_.Inform(kGameOver);
        game_.Player[0].Count = 0;
        game_.Player[1].Count = 0;
        for (int y = Board::kFirst; y <= Board::kLast; ++y) {
            for (int x = Board::kFirst; x <= Board::kLast; ++x) {
                const Cell cell = game_.board.At(x, y);
                if (cell != kEmpty) ++game_.Player[cell].Count;
            }
        }
        view_.Inform(ScoreText());
        game_.GameState = 0;
        UpdateStatus();
        return;
    }
    const bool side0Passes = game_.Turn == kSide0 && !side0CanMove;
    const bool side1Passes = game_.Turn == kSide1 && !side1CanMove;
    if (side0Passes || side1Passes) {
        view_.Inform(game_.Player[game_.Turn].Name + kPassSuffix);
        game_.Turn = Opponent(game_.Turn);
        UpdateStatus();
    }
}

std::string GameFlow::ScoreText() const {
    const PlayerRecord& first = game_.Player[0];
    const PlayerRecord& second = game_.Player[1];
    return first.Name + "  " + std::to_string(first.Count) + "  対  " + second.Name + "  " +
           std::to_string(second.Count);
}

}  // namespace zorvel
