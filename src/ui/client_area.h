#pragma once

#include <QWidget>
#include <functional>

class QImage;

namespace zorvel::ui {

// The main window's client area: the board picture at its margin on the button-face background.
// Mouse presses anywhere on it (but on the status bar) go to the game.
class ClientArea final : public QWidget {
    Q_OBJECT

  public:
    ClientArea(QWidget* parent, std::function<const QImage*()> boardBitmap,
               std::function<void(QPointF)> mouseDown);

    // Copies the whole board picture onto the screen now.
    void PresentBoard();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    std::function<const QImage*()> boardBitmap_;
    std::function<void(QPointF)> mouseDown_;
};

}  // namespace zorvel::ui
