#pragma once

#include <functional>

#include "board_picture.h"
#include "game_view.h"
#include "message_boxes.h"
#include "pacer.h"
#include "sound_output.h"

namespace zorvel::ui {

class ClientArea;
class MenuOptions;
class StatusPanels;

// The board as the game shows it through the main window: its boxes, the picture in the client
// area, the status panels, the sounds and the waits.
class BoardView final : public GameView {
  public:
    // What it shows the game on and through; each outlives the view.
    struct Parts {
        BoardPicture& picture;
        ClientArea& client;
        StatusPanels& statusBar;
        const MenuOptions& options;
        Pacer& pacer;
        sound::SoundOutput& sound;
        common::MessageBoxes& boxes;
    };
    // `statusShown` runs after every change of the status, which follows every change of the
    // game's state.
    BoardView(const Parts& parts, std::function<void()> statusShown);

    bool Ask(const std::string& question) override;
    void Inform(const std::string& text) override;
    void ShowEmptyBoard() override;
    void AnimateStone(int x, int y, Cell value, const MoveWatch& move) override;
    void ShowStatus(const StatusTexts& texts) override;
    void PlayComputerSound() override;
    void Wait(unsigned ms) override;

  private:
    BoardPicture* picture_;
    ClientArea* client_;
    StatusPanels* statusBar_;
    const MenuOptions* options_;
    Pacer* pacer_;
    sound::SoundOutput* sound_;
    common::MessageBoxes* boxes_;
    std::function<void()> statusShown_;
};

}  // namespace zorvel::ui
