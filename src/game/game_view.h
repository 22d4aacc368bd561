#pragma once

#include <cstdint>
#include <string>

#include "cell.h"
#include "status.h"

namespace zorvel {

// Tells an animation waiting between its frames whether the move it belongs to still stands: a
// newer Start Game, Clear Game or the program's end abandons every move that was waiting.
class MoveWatch {
  public:
    explicit MoveWatch(const std::uint32_t& generation)
        : current_(&generation), start_(generation) {}
    bool Abandoned() const { return *current_ != start_; }

  private:
    const std::uint32_t* current_;
    std::uint32_t start_;
};

// What the game shows and asks through the window. The game keeps its own state; the view draws,
// sounds and waits, and while it waits the window keeps handling events, so other commands may
// run in the meantime.
class GameView {
  public:
    // A question box; true only when the user answers Yes.
    virtual bool Ask(const std::string& question) = 0;
    // An information box with one OK button.
    virtual void Inform(const std::string& text) = 0;
    // Draws every playing cell empty.
    virtual void ShowEmptyBoard() = 0;
    // Shows cell (x, y) becoming `value`: the stone's sound, then five frames with a wait after
    // each. Draws nothing more once `move` is abandoned.
    virtual void AnimateStone(int x, int y, Cell value, const MoveWatch& move) = 0;
    // Shows the texts of the three status panels.
    virtual void ShowStatus(const StatusTexts& texts) = 0;
    // The chime with which the computer starts its turn.
    virtual void PlayComputerSound() = 0;
    // Waits while the window keeps handling events.
    virtual void Wait(unsigned ms) = 0;

  protected:
    ~GameView() = default;
};

// The options the game reads from the menu's check marks.
class Options {
  public:
    virtual bool OnePlayerMode() const = 0;  // else two people share the mouse
    virtual bool Side0First() const = 0;     // else side 1 opens the game
    // 0 Normal, 1 Star, 2 Onigiri: the sides' names follow it.
    virtual std::uint8_t ImagePattern() const = 0;

  protected:
    ~Options() = default;
};

}  // namespace zorvel
