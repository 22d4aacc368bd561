#include "game_session.h"

#include <QAction>
#include <QCoreApplication>

#include "client_area.h"
#include "clocks.h"
#include "first_paint.h"
#include "form_vel.h"
#include "measuring_pacer.h"
#include "menu_options.h"
#include "module_sound_output.h"
#include "oversleep_probe.h"
#include "piece_images.h"
#include "rules.h"
#include "yes_boxes.h"

namespace zorvel::bench {
namespace {

// The middle of the first cell, in reading order, where `side` may move.
QPointF FirstLegalCell(const Board& board, Cell side) {
    for (int y = Board::kFirst; y <= Board::kLast; ++y) {
        for (int x = Board::kFirst; x <= Board::kLast; ++x) {
            if (TryMove(board, x, y, side) == 0) continue;
            return QRectF(ui::CellSquare(x, y)).center();
        }
    }
    return {};
}

}  // namespace

SessionFigures PlaySession(std::unique_ptr<ui::Pacer> pacer, bool highSpeed, int exchanges) {
    auto measuring = std::make_unique<MeasuringPacer>(std::move(pacer));
    MeasuringPacer& pauses = *measuring;
    ui::TFormVel form(
        std::make_unique<ui::BoardPicture>(), std::move(measuring),
        std::make_unique<sound::ModuleSoundOutput>(QStringLiteral(ZORVEL_RUNTIME_DIR)),
        [](QWidget* /*owner*/) { return std::make_unique<YesBoxes>(); });
    form.FormCreate();
    // The frame pause as the window's options read it from the High Speed item.
    ui::MainMenu menu;
    menu.Speed = form.findChild<QAction*>(QStringLiteral("Speed"));
    menu.Speed->setChecked(highSpeed);
    ShowAndWaitForFirstPaint(form);
    const unsigned frameMs = ui::MenuOptions(menu).FramePause();
    OversleepProbe machine(frameMs);

    SessionFigures figures;
    const auto animate = [&](const auto& command) {
        pauses.BreakRun();
        const Stopwatch watch;
        command();
        figures.animationCpuShares.push_back(watch.Elapsed().CpuShare());
        pauses.BreakRun();
    };
    animate([&] { form.StartGameClick(); });
    const GameData& game = form.Game();
    for (int exchange = 0; exchange < exchanges && game.GameState == 1; ++exchange) {
        animate([&] { form.FormMouseDown(FirstLegalCell(game.board, game.Turn)); });
        while (game.GameState == 1 && game.Turn == kSide1)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    figures.waitCpuShares = CpuShares(pauses.Records(), 1000);
    figures.frameErrorsMs = FrameErrorsMs(pauses.Records(), frameMs);
    figures.sleepOvershootsMs = machine.Stop();
    return figures;
}

}  // namespace zorvel::bench
