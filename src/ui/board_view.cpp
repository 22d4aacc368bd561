#include "board_view.h"

#include "board_accessibility.h"
#include "client_area.h"
#include "menu_options.h"
#include "status_panels.h"

namespace zorvel::ui {

BoardView::BoardView(const Parts& parts, std::function<void()> statusShown)
    : picture_(&parts.picture),
      client_(&parts.client),
      statusBar_(&parts.statusBar),
      options_(&parts.options),
      pacer_(&parts.pacer),
      sound_(&parts.sound),
      boxes_(&parts.boxes),
      statusShown_(std::move(statusShown)) {}

bool BoardView::Ask(const std::string& question) {
    return boxes_->AskQuestion(QString::fromStdString(question));
}

void BoardView::Inform(const std::string& text) {
    boxes_->ShowInformation(QString::fromStdString(text));
}

// Always the empty cell of the first image set, whichever set is selected.
void BoardView::ShowEmptyBoard() {
    for (int y = Board::kFirst; y <= Board::kLast; ++y) {
        for (int x = Board::kFirst; x <= Board::kLast; ++x) {
            picture_->Draw(x, y, 0);
            AnnounceCell(*client_, x, y);
        }
    }
    client_->PresentBoard();
}

void BoardView::AnimateStone(int x, int y, Cell value, const MoveWatch& move) {
    if (options_->SoundOn()) sound_->Play(sound::Sound::Stone);
    for (int frame : FrameSeq.at(value)) {
        picture_->Draw(x, y, frame + options_->ImagePattern() * kFramesPerSet);
        client_->PresentBoard();
        pacer_->Pause(options_->FramePause());
        if (move.Abandoned()) return;
    }
    AnnounceCell(*client_, x, y);
}

void BoardView::ShowStatus(const StatusTexts& texts) {
    statusBar_->SetTexts(QString::fromStdString(texts.title), QString::fromStdString(texts.mover),
                         QString::fromStdString(texts.mode));
    statusShown_();
}

void BoardView::PlayComputerSound() {
    if (options_->SoundOn()) sound_->Play(sound::Sound::Computer);
}

void BoardView::Wait(unsigned ms) {
    pacer_->Pause(ms);
}

}  // namespace zorvel::ui
