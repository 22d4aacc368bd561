#pragma once

#include <QApplication>
#include <memory>

#include "message_boxes.h"

namespace zorvel {

// The application object. Its general handler catches an error that escapes any event handler,
// shows it in an error box and lets the program go on: no exception ever unwinds through Qt.
class ZorVelApplication final : public QApplication {
    Q_OBJECT

  public:
    // Errors are shown in `errorBoxes`; by default the desktop's boxes.
    ZorVelApplication(int& argc, char** argv,
                      std::unique_ptr<common::MessageBoxes> errorBoxes =
                          std::make_unique<common::DesktopMessageBoxes>());
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error in the error box.
    void ShowException(const std::exception& error);

  private:
    std::unique_ptr<common::MessageBoxes> errorBoxes_;
};

}  // namespace zorvel
