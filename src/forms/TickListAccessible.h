#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QTreeView;

// What a screen reader is told about a flat list of rows with columns whose
// rows carry a tick (a QTreeWidget without children). Qt's own interface
// gives a ticked cell no action a screen reader takes for a tick box, so the
// tick is never read; here each cell with a tick has the action "toggle",
// which ticks or unticks it. The children are numbered as the view numbers
// them in its events: first the column headers, then the cells row by row.
// Installed for every QTreeWidget by InstallTickListAccessible().
class TickListAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit TickListAccessible(QTreeView *view);
    ~TickListAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTableInterface
    QAccessibleInterface *caption() const override;
    QAccessibleInterface *summary() const override;
    QAccessibleInterface *cellAt(int row, int column) const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int columnCount() const override;
    int rowCount() const override;
    int selectedCellCount() const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

private:
    QTreeView *view() const;
    // Forgets the cells made so far: the rows they stood for are gone.
    void dropCells();

    // The cells handed out, by child number, so each keeps its identity.
    mutable QHash<int, QAccessible::Id> m_cells;
};

// Makes every QTreeWidget of the program answer through TickListAccessible.
void InstallTickListAccessible();
