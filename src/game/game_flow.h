#pragma once

#include <cstdint>
#include <string>

#include "computer_player.h"
#include "game_data.h"
#include "game_view.h"

namespace zorvel {

inline constexpr const char* kStartQuestion = "新しいゲームを開始します。よろしいですか。";
inline constexpr const char* kClearQuestion = "現在のゲームをクリアします。よろしいですか。";
inline constexpr const char* kGameOver = "ゲーム終了です。";
inline constexpr const char* kPassSuffix = " : 置ける場所がありません。パスします。";

// Thrown out of a wait when a newer command (Start Game, Clear Game, closing the program) has
// taken over the board while an older move or opening was waiting; that older one then stops.
struct MoveAbandoned {};

// Starts, clears and plays games: the human's clicks, the computer's turn on the timer, passes
// and the end of the game. It owns the game's data and alone writes them; the view shows them. It
// runs on one thread, and the view's waits let commands run inside it.
class GameFlow : private StoneTurner {
  public:
    GameFlow(GameView& view, const Options& options, DebugLog& log);

    // The game's part of the main window's creation, once the pictures are ready: an empty
    // board, no game running, and the status shown.
    void StartUp();

    void StartGameClick();
    void ClearGameClick();
    // A mouse button pressed on cell (column, row), 1-8 each; 0 for either when the click missed
    // the board, which is then ignored.
    void HumanMove(int column, int row);
    // The 100 ms tick: the computer's turn, when it is side 1's move in 1P mode.
    void TimerTimer();
    // Whether a tick now would start the computer's turn: a game runs in 1P mode, no move is under
    // way and side 1 is to move.
    bool ComputerToMove() const;
    // Renames the sides from the options and shows the status panels.
    void UpdateStatus();

    // Makes every move or opening still waiting stop as soon as its wait returns.
    void AbandonRunningMoves() { ++generation_; }

    const GameData& Game() const { return game_; }
    ComputerPlayer& Computer() { return computer_; }
    const ComputerPlayer& Computer() const { return computer_; }

  protected:
    // For the engine's tests, which set up positions directly through a class derived from this.
    GameData& WritableGame() { return game_; }

  private:
    // Animates a cell, then stores its value: the only writer of a side's value into a cell.
    void TurnStone(int x, int y, Cell value) override;
    void ClearBoard();
    // A wait that ends the caller with MoveAbandoned when a newer command took over meanwhile.
    void Pause(unsigned ms);
    void CheckGameState();
    std::string ScoreText() const;

    GameData game_;
    GameView& view_;
    const Options& options_;
    DebugLog& log_;
    ComputerPlayer computer_;
    std::uint32_t generation_ = 0;
};

}  // namespace zorvel
