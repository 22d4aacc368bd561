#include "accessible_board.h"

#include "board_geometry.h"
#include "client_area.h"
#include "form_vel.h"

namespace zorvel::ui {
namespace {

// One cell of the board: its name, its square and the one action "Press".
class AccessibleCell final : public QAccessibleInterface,
                             public QAccessibleTableCellInterface,
                             public QAccessibleActionInterface {
  public:
    AccessibleCell(AccessibleBoard* board, int x, int y) : board_(board), x_(x), y_(y) {}

    bool isValid() const override { return board_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_->window(); }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return board_; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? board_->CellName(x_, y_) : QString();
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override { return board_->CellRect(x_, y_); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override { return {}; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return x_ - 1; }
    int rowIndex() const override { return y_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return board_; }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) board_->PressCell(x_, y_);
    }
    QStringList keyBindingsForAction(const QString& /*actionName*/) const override { return {}; }

  private:
    AccessibleBoard* board_;
    int x_;
    int y_;
};

}  // namespace

AccessibleBoard::AccessibleBoard(ClientArea* client, TFormVel* form)
    : QAccessibleWidget(client, QAccessible::Table, QStringLiteral("Board")), form_(form) {}

AccessibleBoard::~AccessibleBoard() {
    for (const QAccessible::Id id : cells_)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

// A stone is named as the status bar names its side.
QString AccessibleBoard::CellName(int x, int y) const {
    const GameData& game = form_->Game();
    const Cell value = game.board.At(x, y);
    const QString shown =
        value == kEmpty ? QStringLiteral("empty") : QString::fromStdString(game.Player[value].Name);
    return QStringLiteral("X:%1 Y:%2 %3").arg(x).arg(y).arg(shown);
}

QRect AccessibleBoard::CellRect(int x, int y) const {
    const QRect square = CellSquare(x, y);
    return {widget()->mapToGlobal(square.topLeft()), square.size()};
}

void AccessibleBoard::PressCell(int x, int y) const {
    const QPointF centre = QRectF(CellSquare(x, y)).center();
    QMetaObject::invokeMethod(
        form_, [form = form_, centre] { form->FormMouseDown(centre); }, Qt::QueuedConnection);
}

void* AccessibleBoard::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int AccessibleBoard::childCount() const {
    return kCells + QAccessibleWidget::childCount();
}

QAccessibleInterface* AccessibleBoard::child(int index) const {
    if (index < kCells) return cellAt(index / kSide, index % kSide);
    return QAccessibleWidget::child(index - kCells);
}

int AccessibleBoard::indexOfChild(const QAccessibleInterface* child) const {
    if (QAccessibleTableCellInterface* cell =
            const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        cell != nullptr && cell->table() == this) {
        return cell->rowIndex() * kSide + cell->columnIndex();
    }
    const int widgetIndex = QAccessibleWidget::indexOfChild(child);
    return widgetIndex < 0 ? -1 : kCells + widgetIndex;
}

// Screen coordinates, so that pointing at a square finds its cell.
QAccessibleInterface* AccessibleBoard::childAt(int x, int y) const {
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y)) - CellSquare(1, 1).topLeft();
    const QRect board(0, 0, kBoardPixels, kBoardPixels);
    if (board.contains(local)) return cellAt(local.y() / kCellPixels, local.x() / kCellPixels);
    return QAccessibleWidget::childAt(x, y);
}

QAccessibleInterface* AccessibleBoard::cellAt(int row, int column) const {
    if (row < 0 || row >= kSide || column < 0 || column >= kSide) return nullptr;
    QAccessible::Id& id = cells_[row * kSide + column];
    if (id == 0) {
        auto* self = const_cast<AccessibleBoard*>(this);
        id =
            QAccessible::registerAccessibleInterface(new AccessibleCell(self, column + 1, row + 1));
    }
    return QAccessible::accessibleInterface(id);
}

}  // namespace zorvel::ui
