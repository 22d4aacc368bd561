#pragma once

#include <string>

#include "rules.h"

namespace zorvel {

inline constexpr const char* kStoneSound = "ZorTurn0.wav";
inline constexpr const char* kComputerSound = "ZorTurn1.wav";

// What the game flow needs from the window: boxes, drawing, sound and pacing.
class GameView : public StoneTurner {
  public:
    // A question box; true only when the user answers Yes.
    virtual bool Ask(const std::string& question) = 0;
    // An information box with one OK button.
    virtual void Inform(const std::string& text) = 0;
    // Empties the playing field and its picture.
    virtual void ClearBoard() = 0;
    // Renames the sides and refreshes the status bar.
    virtual void UpdateStatus() = 0;
    // Starts a wave file playing without waiting for it.
    virtual void PlaySound(const char* fileName) = 0;
    // Waits while the window keeps handling events, so other commands may run meanwhile.
    virtual void Pause(unsigned ms) = 0;

  protected:
    ~GameView() = default;
};

// The options, read from the menu's check marks.
class Options {
  public:
    virtual bool OnePlayerMode() const = 0;  // else two people share the mouse
    virtual bool Side0First() const = 0;     // else side 1 opens the game
    virtual bool SoundOn() const = 0;
    virtual bool HighSpeed() const = 0;

  protected:
    ~Options() = default;
};

}  // namespace zorvel
