#pragma once

// A seeded monkey on the real main window: clicks on and off the board, every menu command, keys,
// the about box, the debug and help windows and close requests, at the top and, through the
// scripted pacer, inside the pauses of running moves. After every event it checks the invariants.
#include <QPointF>
#include <cstdint>
#include <optional>
#include <string>

#include "box_judge.h"
#include "dice.h"
#include "journal.h"
#include "observed_log.h"
#include "window_harness.h"

class QAction;
class QMenu;

namespace zorvel::about {
class TAboutBox;
}  // namespace zorvel::about

namespace zorvel::debuglog {
class TFormDebug;
}  // namespace zorvel::debuglog

namespace zorvel::soak {

struct MenuItem;

// It is also the main window's secondary windows: the real debug window and about box, and the
// help window, each shown at the monkey's own pace.
class Monkey : private ui::SecondaryWindows {
  public:
    // How deep events nest inside the pauses of moves, and how likely a pause gets one.
    static constexpr int kMaxDepth = 3;
    static constexpr double kInjectChance = 0.12;

    Monkey(std::uint64_t seed, testing::WindowHarness& harness, debuglog::TFormDebug& debug,
           about::TAboutBox& about);
    ~Monkey();

    // Runs events until `events` have run or one check fails.
    void Run(long events);
    const Journal& Record() const { return journal_; }

  private:
    struct PendingPick {
        const MenuItem* item;
        int pausesLeft;
    };

    void Act();
    void AtPause(unsigned ms);
    bool Done() const { return journal_.Failed() || journal_.Events() >= limit_; }

    void ClickLegalCell();
    void ClickAnywhere();
    void Press(QPointF position, Qt::MouseButton button);
    void Tick();
    void ChooseMenuItem();
    void ChooseMenuItemSlowly();
    void OpenMenuFor(const MenuItem& item, const char* how);
    void Pick(const MenuItem& item);
    void PickPending();
    void TickUnderPopup();
    void PressKey();
    void CloseSecondaryWindows();
    void EditDebugMemo();
    void RequestClose();
    DebugLog& Log() override { return log_; }
    void ShowDebugWindow() override;
    void ShowAboutBox() override;
    void ShowHelpFile(const QString& fileName) override;
    void WhileAboutBoxOpen();

    // Fails when `what` changed the game: for things during which the computer must wait.
    void ExpectNoMove(const std::string& while_, void (Monkey::*what)());
    void CheckComputerMayChoose();
    void CheckCandidate(const std::string& line);

    Dice dice_;
    testing::WindowHarness& harness_;
    ui::TFormVel& form_;
    debuglog::TFormDebug& debug_;
    about::TAboutBox& about_;
    Journal journal_;
    BoxJudge judge_;
    ObservedLog log_;
    std::optional<PendingPick> pending_;
    long limit_ = 0;
    QMetaObject::Connection closed_;
    int closedSignals_ = 0;
};

}  // namespace zorvel::soak
