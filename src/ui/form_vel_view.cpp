// The main window as the game sees it: boxes, drawing, sound, pacing and the options.
#include <QAction>

#include "client_area.h"
#include "form_vel.h"
#include "message_boxes.h"
#include "status.h"
#include "status_panels.h"

namespace zorvel::ui {

bool TFormVel::Ask(const std::string& question) {
    return AskQuestion(QString::fromStdString(question));
}

void TFormVel::Inform(const std::string& text) {
    ShowInformation(QString::fromStdString(text));
}

void TFormVel::PresentBoard() {
    client_->PresentBoard();
}

// Always the empty cell of the first image set, whichever set is selected.
void TFormVel::ClearBoard() {
    for (int y = Board::kFirst; y <= Board::kLast; ++y) {
        for (int x = Board::kFirst; x <= Board::kLast; ++x) {
            picture_.Draw(x, y, 0);
            game_.board.Set(x, y, kEmpty);
        }
    }
    PresentBoard();
}

void TFormVel::TurnStone(int x, int y, Cell value) {
    if (SoundOn()) PlaySound(kStoneSound);
    for (int frame : FrameSeq.at(value)) {
        picture_.Draw(x, y, frame + game_.ImagePattern * kFramesPerSet);
        PresentBoard();
        flow_.Pause(flow_.AnimationPause());
    }
    game_.board.Set(x, y, value);
}

void TFormVel::UpdateStatus() {
    const StatusTexts texts = UpdateNamesAndStatus(game_, OnePlayerMode());
    statusBar_->SetTexts(QString::fromStdString(texts.title), QString::fromStdString(texts.mover),
                         QString::fromStdString(texts.mode));
}

void TFormVel::PlaySound(const char* fileName) {
    sound_->Play(QString::fromLatin1(fileName));
}

void TFormVel::Pause(unsigned ms) {
    pacer_->Pause(ms);
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

bool TFormVel::HighSpeed() const {
    return menu_.Speed->isChecked();
}

void TFormVel::AppendLine(const std::string& line) {
    if (windows_.debugLog != nullptr) windows_.debugLog->AppendLine(line);
}

}  // namespace zorvel::ui
