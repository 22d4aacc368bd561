#include "client_area.h"

#include <QMouseEvent>
#include <QPainter>

#include "board_geometry.h"

namespace zorvel::ui {

ClientArea::ClientArea(QWidget* parent, std::function<const QImage*()> boardBitmap,
                       std::function<void(QPointF)> mouseDown)
    : QWidget(parent), boardBitmap_(std::move(boardBitmap)), mouseDown_(std::move(mouseDown)) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void ClientArea::PresentBoard() {
    if (const QImage* bitmap = boardBitmap_())
        repaint(QRect(QPoint(kBoardLeft, kBoardTop), bitmap->deviceIndependentSize().toSize()));
}

// The picture holds the whole board, so a repaint never needs the game's state.
void ClientArea::paintEvent(QPaintEvent* /*event*/) {
    if (const QImage* bitmap = boardBitmap_()) {
        QPainter painter(this);
        painter.drawImage(QPoint(kBoardLeft, kBoardTop), *bitmap);
    }
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    mouseDown_(event->position());
}

}  // namespace zorvel::ui
