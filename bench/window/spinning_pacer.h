#pragma once

// A pause that handles events and reads the clock in a loop that never sleeps, as a plain waiting
// loop would. Only here, to show in the same run what the game's own pause saves.
#include <QCoreApplication>
#include <QElapsedTimer>

#include "pacer.h"

namespace zorvel::bench {

class SpinningPacer final : public ui::Pacer {
  public:
    void Pause(unsigned ms) override {
        QElapsedTimer clock;
        clock.start();
        do {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        } while (clock.elapsed() <= static_cast<qint64>(ms));
    }
};

}  // namespace zorvel::bench
