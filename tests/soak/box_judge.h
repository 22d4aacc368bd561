#pragma once

// Answers the program's boxes as a user would, at random, and checks that what each
// announcement says is true of the board it is shown on.
#include <QString>

#include "dice.h"
#include "form_vel.h"
#include "journal.h"
#include "message_boxes.h"

namespace zorvel::soak {

class BoxJudge {
  public:
    BoxJudge(Dice& dice, const ui::TFormVel& form, Journal& journal)
        : dice_(dice), form_(form), journal_(journal) {}

    bool Answer(common::BoxKind kind, const QString& text);
    // How often Start Game or Clear Game was confirmed: each takes the board over.
    long Takeovers() const { return takeovers_; }

  private:
    bool AnswerQuestion(const QString& text);
    void JudgeInformation(const QString& text);

    Dice& dice_;
    const ui::TFormVel& form_;
    Journal& journal_;
    long takeovers_ = 0;
    bool scoreDue_ = false;
};

}  // namespace zorvel::soak
