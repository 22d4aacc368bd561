#pragma once

#include <cstdint>

#include "game_view.h"
#include "main_menu.h"

namespace zorvel::ui {

// The options as the Option menu's check marks give them, read afresh each time: the game reads
// them between games, the board's view before each sound and frame.
class MenuOptions final : public Options {
  public:
    explicit MenuOptions(const MainMenu& menu) : menu_(menu) {}

    bool OnePlayerMode() const override;
    bool Side0First() const override;
    std::uint8_t ImagePattern() const override;
    bool SoundOn() const;
    // The wait after each frame of a stone: shorter at high speed.
    unsigned FramePause() const;

  private:
    const MainMenu& menu_;
};

}  // namespace zorvel::ui
