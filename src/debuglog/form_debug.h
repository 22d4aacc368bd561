#pragma once

#include <QWidget>
#include <string>

#include "debug_log.h"

class QMoveEvent;
class QPlainTextEdit;

namespace zorvel::debuglog {

// UnitDebug: the "Debug" window in which the computer player writes its reasoning. It is a
// window of its own, never modal, kept above its owner the main window (the parent given), and
// keeps every line for the whole run, shown or not.
class TFormDebug : public QWidget, public DebugLog {
    Q_OBJECT

  public:
    explicit TFormDebug(QWidget* parent = nullptr);

    // Adds one line (UTF-8) at the end of the memo.
    void AppendLine(const std::string& line) override;

    // Shows the window, or brings it to the front when it is shown already (minimised too).
    void ShowOrRaise();

  protected:
    void moveEvent(QMoveEvent* event) override;

  private:
    QMargins FrameMargins() const;
    void PlaceFrame();

    QPlainTextEdit* memo_;
    QMargins placedMargins_;
};

}  // namespace zorvel::debuglog
