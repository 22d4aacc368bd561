#pragma once

#include <QWidget>
#include <functional>

class QImage;

namespace zorvel::ui {

// The main window's client area: the board picture at (10, 10) on the button-face background.
// Mouse presses anywhere on it (but on the status bar) go to the game.
class ClientArea final : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kBoardLeft = 10;
    static constexpr int kBoardTop = 10;

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

// The column or row (1-8) of a click coordinate, for a board whose edge lies at `boardEdge`:
// truncated toward zero, so the margin before the board counts as 1; 0 off the board.
int CellFromPixel(double pixel, int boardEdge);

}  // namespace zorvel::ui
