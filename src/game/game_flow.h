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

// Thrown out of a pause when a newer command (Start Game, Clear Game, closing the program) has
// taken over the board while an older move or opening was waiting; that older one then stops.
struct MoveAbandoned {};

// Starts, clears and plays games: the human's clicks, the computer's turn on the timer, passes
// and the end of the game. It runs on one thread; the view's pauses let commands run inside it.
class GameFlow {
  public:
    GameFlow(GameData& game, GameView& view, const Options& options, DebugLog& log);

    void StartGameClick();
    void ClearGameClick();
    // A mouse button pressed at (X, Y) of the client area; the board lies at (10, 10).
    void FormMouseDown(double X, double Y);
    // The 100 ms tick: the computer's turn, when it is side 1's move in 1P mode.
    void TimerTimer();

    // Makes every move or opening still waiting stop as soon as its pause returns.
    void AbandonRunningMoves() { ++generation_; }
    // A pause that ends the caller with MoveAbandoned when a newer command took over meanwhile.
    void Pause(unsigned ms);

    ComputerPlayer& Computer() { return computer_; }
    unsigned AnimationPause() const { return options_.HighSpeed() ? 50u : 100u; }

  private:
    void CheckGameState();
    std::string ScoreText() const;

    GameData& game_;
    GameView& view_;
    const Options& options_;
    DebugLog& log_;
    ComputerPlayer computer_;
    std::uint32_t generation_ = 0;
};

// Column or row of a click coordinate, truncated toward zero, so the margin before the board
// counts as 1; results outside 1-8 are not cells.
int CellFromPixel(double pixel);

}  // namespace zorvel
