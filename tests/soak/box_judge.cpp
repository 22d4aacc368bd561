#include "box_judge.h"

#include "game_flow.h"
#include "invariants.h"

namespace zorvel::soak {
namespace {

const QString kCloseQuestion = QStringLiteral("プログラムを終了します。よろしいですか。");

}  // namespace

bool BoxJudge::Answer(common::BoxKind kind, const QString& text) {
    switch (kind) {
        case common::BoxKind::Question:
            return AnswerQuestion(text);
        case common::BoxKind::Information:
            journal_.Note("box \"" + text.toStdString() + "\"");
            JudgeInformation(text);
            return true;
        case common::BoxKind::Error:
            journal_.Fail("an error box: " + text.toStdString());
            return true;
    }
    return false;
}

bool BoxJudge::AnswerQuestion(const QString& text) {
    const bool start = text == QString::fromUtf8(kStartQuestion);
    const bool clear = text == QString::fromUtf8(kClearQuestion);
    if (!start && !clear && text != kCloseQuestion)
        journal_.Fail("an unknown question: " + text.toStdString());
    // The program keeps running here: closing is answered Yes only by the closing tests.
    const double yes = start ? 0.85 : clear ? 0.4 : 0.0;
    const bool answer = dice_.Chance(yes);
    const char* how = answer ? "Yes" : dice_.Chance(0.7) ? "No" : "closed by its close box";
    journal_.Note("question \"" + text.toStdString() + "\" answered " + how);
    if (answer) ++takeovers_;
    return answer;
}

void BoxJudge::JudgeInformation(const QString& text) {
    const GameData& game = form_.Game();
    const std::string said = text.toStdString();
    if (scoreDue_) {
        scoreDue_ = false;
        if (said != ExpectedScore(game))
            journal_.Fail("the score box reads \"" + said + "\", not \"" + ExpectedScore(game) +
                          "\"");
    } else if (said == kGameOver) {
        if (CanMove(game.board, kSide0) || CanMove(game.board, kSide1))
            journal_.Fail("the game is announced over while a side can still move");
        scoreDue_ = true;
    } else if (said == game.Player[game.Turn].Name + kPassSuffix) {
        if (CanMove(game.board, game.Turn) || !CanMove(game.board, Opponent(game.Turn)))
            journal_.Fail("side " + std::to_string(game.Turn) + " is told to pass wrongly");
    } else {
        journal_.Fail("an unexpected box: " + said);
    }
}

}  // namespace zorvel::soak
