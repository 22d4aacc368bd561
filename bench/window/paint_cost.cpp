#include "paint_cost.h"

#include <memory>
#include <vector>

#include "board_picture.h"
#include "client_area.h"
#include "clocks.h"
#include "first_paint.h"
#include "form_vel.h"
#include "program_windows.h"
#include "stats.h"

namespace zorvel::bench {

double BoardPaintMicroseconds() {
    constexpr int kBatches = 7;
    constexpr int kPaintsPerBatch = 500;
    const std::unique_ptr<ui::TFormVel> form = MakeProgramForm();
    form->FormCreate();
    ShowAndWaitForFirstPaint(*form);
    const QRect board(ui::kBoardLeft, ui::kBoardTop, ui::kBoardPixels, ui::kBoardPixels);
    QWidget* client = form->findChild<QWidget*>(QStringLiteral("ClientArea"));
    std::vector<double> perPaint;
    for (int batch = 0; batch < kBatches; ++batch) {
        const Stopwatch watch;
        for (int paint = 0; paint < kPaintsPerBatch; ++paint) client->repaint(board);
        perPaint.push_back(static_cast<double>(watch.Elapsed().wallNs) / 1e3 / kPaintsPerBatch);
    }
    return Median(perPaint);
}

}  // namespace zorvel::bench
