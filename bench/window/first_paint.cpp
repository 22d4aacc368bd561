#include "first_paint.h"

#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <memory>
#include <stdexcept>

#include "clocks.h"
#include "program_windows.h"

namespace zorvel::bench {
namespace {

constexpr int kGiveUpMs = 10'000;

class PaintWatcher final : public QObject {
  public:
    explicit PaintWatcher(QEventLoop& loop) : loop_(loop) {}
    std::int64_t PaintedNs() const { return paintedNs_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && paintedNs_ == 0) {
            paintedNs_ = WallNs();
            loop_.quit();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QEventLoop& loop_;
    std::int64_t paintedNs_ = 0;
};

}  // namespace

std::int64_t ShowAndWaitForFirstPaint(ui::TFormVel& form) {
    QEventLoop loop;
    PaintWatcher watcher(loop);
    QWidget* client = form.findChild<QWidget*>(QStringLiteral("ClientArea"));
    client->installEventFilter(&watcher);
    form.show();
    if (watcher.PaintedNs() == 0) {
        QTimer::singleShot(kGiveUpMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    client->removeEventFilter(&watcher);
    if (watcher.PaintedNs() == 0) throw std::runtime_error("the board was never painted");
    return watcher.PaintedNs();
}

double InProcessFirstPaintMs() {
    const std::int64_t start = WallNs();
    const std::unique_ptr<ui::TFormVel> form = MakeProgramForm();
    form->FormCreate();
    return static_cast<double>(ShowAndWaitForFirstPaint(*form) - start) / 1e6;
}

}  // namespace zorvel::bench
