#pragma once

#include <QApplication>

namespace zorvel {

// The application object. Its general handler catches an error that escapes any event handler,
// shows it in an error box and lets the program go on: no exception ever unwinds through Qt.
class ZorVelApplication final : public QApplication {
    Q_OBJECT

  public:
    ZorVelApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error in the error box.
    static void ShowException(const std::exception& error);
};

}  // namespace zorvel
