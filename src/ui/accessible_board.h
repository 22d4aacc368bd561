#pragma once

#include <QAccessibleWidget>
#include <array>

namespace zorvel::ui {

class ClientArea;
class TFormVel;

// The client area as screen readers see it: the table "Board" of 8 rows and 8 columns, whose
// cells are followed by the status bar. Cells are made when first asked for and live as long as
// the table.
class AccessibleBoard final : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    AccessibleBoard(ClientArea* client, TFormVel* form);
    ~AccessibleBoard() override;

    // Column x and row y (1-8) as the debug log counts them, and what the cell shows.
    QString CellName(int x, int y) const;
    // The cell's 40 x 40 square on the screen.
    QRect CellRect(int x, int y) const;
    // A mouse button pressed on the cell's centre, once the event loop runs again: the caller
    // (an assistive technology waiting for its answer) is not held up by the move or its boxes.
    void PressCell(int x, int y) const;

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // QAccessibleTableInterface: a table with nothing to select.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int /*column*/) const override { return {}; }
    QString rowDescription(int /*row*/) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kSide; }
    int rowCount() const override { return kSide; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int /*row*/) const override { return false; }
    bool selectRow(int /*row*/) override { return false; }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override {}

  private:
    static constexpr int kSide = 8;
    static constexpr int kCells = kSide * kSide;

    TFormVel* form_;
    mutable std::array<QAccessible::Id, kCells> cells_{};  // row by row; 0 until asked for
};

}  // namespace zorvel::ui
