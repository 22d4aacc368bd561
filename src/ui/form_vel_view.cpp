// The main window as the game sees it: boxes, drawing, sound, waits and the options.
#include <QAction>

#include "board_accessibility.h"
#include "client_area.h"
#include "form_vel.h"
#include "status_panels.h"

namespace zorvel::ui {

bool TFormVel::Ask(const std::string& question) {
    return boxes_->AskQuestion(QString::fromStdString(question));
}

void TFormVel::Inform(const std::string& text) {
    boxes_->ShowInformation(QString::fromStdString(text));
}

void TFormVel::PresentBoard() {
    client_->PresentBoard();
}

// Always the empty cell of the first image set, whichever set is selected.
void TFormVel::ShowEmptyBoard() {
    for (int y = Board::kFirst; y <= Board::kLast; ++y) {
        for (int x = Board::kFirst; x <= Board::kLast; ++x) {
            picture_.Draw(x, y, 0);
            AnnounceCell(*client_, x, y);
        }
    }
    PresentBoard();
}

void TFormVel::AnimateStone(int x, int y, Cell value, const MoveWatch& move) {
    if (SoundOn()) sound_->Play(sound::Sound::Stone);
    for (int frame : FrameSeq.at(value)) {
        picture_.Draw(x, y, frame + imagePattern_ * kFramesPerSet);
        PresentBoard();
        pacer_->Pause(FramePause());
        if (move.Abandoned()) return;
    }
    AnnounceCell(*client_, x, y);
}

// The status follows every change of the game's state, and so does what the menu offers.
void TFormVel::ShowStatus(const StatusTexts& texts) {
    statusBar_->SetTexts(QString::fromStdString(texts.title), QString::fromStdString(texts.mover),
                         QString::fromStdString(texts.mode));
    OfferMenuItems();
}

void TFormVel::PlayComputerSound() {
    if (SoundOn()) sound_->Play(sound::Sound::Computer);
}

void TFormVel::Wait(unsigned ms) {
    pacer_->Pause(ms);
}

unsigned TFormVel::FramePause() const {
    return menu_.Speed->isChecked() ? 50 : 100;
}

bool TFormVel::OnePlayerMode() const {
    return menu_.G1P->isChecked();
}

bool TFormVel::Side0First() const {
    return menu_.A1P->isChecked();
}

bool TFormVel::SoundOn() const {
    return menu_.Sound->isChecked();
}

void TFormVel::AppendLine(const std::string& line) {
    if (windows_ != nullptr) windows_->Log().AppendLine(line);
}

}  // namespace zorvel::ui
