#include "forms/TickListAccessible.h"

#include <QHeaderView>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTreeWidget>

namespace {

// The action name a screen reader looks for on a cell with a tick box.
const QString toggle = QStringLiteral("toggle");

QAccessibleInterface *tickListFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QTreeWidget"))
        if (auto *view = qobject_cast<QTreeWidget *>(object))
            return new TickListAccessible(view);
    return nullptr;
}

// One cell of the list, or with no index the header of its column.
class TickListCell : public QAccessibleInterface,
                     public QAccessibleTableCellInterface,
                     public QAccessibleActionInterface
{
public:
    TickListCell(QTreeView *view, const QModelIndex &index, int column)
        : m_view(view)
        , m_index(index)
        , m_column(column)
    {}

    bool isHeader() const { return !m_index.isValid() && m_column >= 0; }
    // The row's flags say it can be ticked; the tick box stands in the
    // cells that hold a tick state.
    bool hasTick() const
    {
        return isValid() && !isHeader() && (m_index.flags() & Qt::ItemIsUserCheckable)
            && m_index.data(Qt::CheckStateRole).isValid();
    }

    bool isValid() const override
    {
        return m_view && m_view->model()
            && (m_index.isValid() || (m_column >= 0 && m_column < m_view->model()->columnCount()));
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_view);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        if (isHeader())
            return t == QAccessible::Name
                ? m_view->model()->headerData(m_column, Qt::Horizontal).toString()
                : QString();
        if (t == QAccessible::Name) {
            const QVariant spoken = m_index.data(Qt::AccessibleTextRole);
            return spoken.isValid() ? spoken.toString() : m_index.data(Qt::DisplayRole).toString();
        }
        if (t == QAccessible::Description)
            return m_index.data(Qt::AccessibleDescriptionRole).toString();
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        if (isHeader()) {
            const QHeaderView *header = m_view->header();
            const QRect local(header->sectionViewportPosition(m_column), 0,
                              header->sectionSize(m_column), header->height());
            return QRect(header->mapToGlobal(local.topLeft()), local.size());
        }
        const QRect local = m_view->visualRect(m_index);
        return QRect(m_view->viewport()->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override
    {
        return isHeader() ? QAccessible::ColumnHeader : QAccessible::TreeItem;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        if (isHeader())
            return state;
        const Qt::ItemFlags flags = m_index.flags();
        if (!(flags & Qt::ItemIsEnabled))
            state.disabled = true;
        if (flags & Qt::ItemIsSelectable) {
            state.selectable = true;
            state.focusable = true;
        }
        if (m_view->selectionModel()->isSelected(m_index))
            state.selected = true;
        if (m_view->currentIndex() == m_index)
            state.focused = true;
        if (hasTick()) {
            state.checkable = true;
            state.checked = m_index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        }
        if (!m_view->viewport()->rect().intersects(m_view->visualRect(m_index)))
            state.invisible = true;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface && !isHeader())
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (t == QAccessible::ActionInterface && !isHeader())
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    // QAccessibleTableCellInterface
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        QAccessibleInterface *list = parent();
        QAccessibleInterface *header = list ? list->child(columnIndex()) : nullptr;
        return header ? QList<QAccessibleInterface *>{header} : QList<QAccessibleInterface *>();
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_index.isValid() ? m_index.column() : m_column; }
    int rowIndex() const override { return m_index.isValid() ? m_index.row() : -1; }
    bool isSelected() const override
    {
        return isValid() && !isHeader() && m_view->selectionModel()->isSelected(m_index);
    }
    QAccessibleInterface *table() const override { return parent(); }

    // QAccessibleActionInterface: a cell with a tick box ticks or unticks.
    QStringList actionNames() const override
    {
        if (!hasTick())
            return {};
        return {toggle};
    }
    void doAction(const QString &actionName) override
    {
        if (actionName != toggle || actionNames().isEmpty())
            return;
        const bool checked = m_index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        m_view->model()->setData(m_index, checked ? Qt::Unchecked : Qt::Checked,
                                 Qt::CheckStateRole);
    }
    QStringList keyBindingsForAction(const QString &actionName) const override
    {
        return actionName == toggle ? QStringList{QStringLiteral("Space")} : QStringList();
    }

private:
    QPointer<QTreeView> m_view;
    QPersistentModelIndex m_index;
    int m_column;
};

} // namespace

void InstallTickListAccessible()
{
    static const bool installed = (QAccessible::installFactory(tickListFactory), true);
    Q_UNUSED(installed);
}

TickListAccessible::TickListAccessible(QTreeView *view)
    : QAccessibleWidget(view, QAccessible::Tree)
{}

TickListAccessible::~TickListAccessible()
{
    dropCells();
}

QTreeView *TickListAccessible::view() const
{
    return static_cast<QTreeView *>(widget());
}

void TickListAccessible::dropCells()
{
    for (const QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
}

int TickListAccessible::columnCount() const
{
    return view()->model() ? view()->model()->columnCount() : 0;
}

int TickListAccessible::rowCount() const
{
    return view()->model() ? view()->model()->rowCount() : 0;
}

int TickListAccessible::childCount() const
{
    // The header row counts, shown or not, as the view counts it.
    return (rowCount() + 1) * columnCount();
}

QAccessibleInterface *TickListAccessible::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || index >= childCount() || columns == 0)
        return nullptr;
    if (const auto found = m_cells.constFind(index); found != m_cells.constEnd()) {
        QAccessibleInterface *cell = QAccessible::accessibleInterface(*found);
        if (cell && cell->isValid())
            return cell;
        QAccessible::deleteAccessibleInterface(*found);
        m_cells.remove(index);
    }
    const int row = index / columns - 1;
    const int column = index % columns;
    auto *cell = row < 0 ? new TickListCell(view(), QModelIndex(), column)
                         : new TickListCell(view(), view()->model()->index(row, column), column);
    m_cells.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int TickListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child));
    for (auto it = m_cells.constBegin(); it != m_cells.constEnd(); ++it)
        if (it.value() == id)
            return it.key();
    return -1;
}

QAccessibleInterface *TickListAccessible::childAt(int x, int y) const
{
    const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
}

void *TickListAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

QAccessibleInterface *TickListAccessible::caption() const
{
    return nullptr;
}

QAccessibleInterface *TickListAccessible::summary() const
{
    return nullptr;
}

QAccessibleInterface *TickListAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return child((row + 1) * columnCount() + column);
}

QString TickListAccessible::columnDescription(int column) const
{
    return view()->model() ? view()->model()->headerData(column, Qt::Horizontal).toString()
                           : QString();
}

QString TickListAccessible::rowDescription(int) const
{
    return QString();
}

int TickListAccessible::selectedCellCount() const
{
    return int(view()->selectionModel()->selectedIndexes().size());
}

int TickListAccessible::selectedColumnCount() const
{
    return int(selectedColumns().size());
}

int TickListAccessible::selectedRowCount() const
{
    return int(selectedRows().size());
}

QList<QAccessibleInterface *> TickListAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> cells;
    const QModelIndexList selected = view()->selectionModel()->selectedIndexes();
    for (const QModelIndex &index : selected)
        if (QAccessibleInterface *cell = cellAt(index.row(), index.column()))
            cells.append(cell);
    return cells;
}

QList<int> TickListAccessible::selectedColumns() const
{
    QList<int> columns;
    for (const QModelIndex &index : view()->selectionModel()->selectedColumns())
        columns.append(index.column());
    return columns;
}

QList<int> TickListAccessible::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : view()->selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

bool TickListAccessible::isColumnSelected(int column) const
{
    return view()->selectionModel()->isColumnSelected(column, QModelIndex());
}

bool TickListAccessible::isRowSelected(int row) const
{
    return view()->selectionModel()->isRowSelected(row, QModelIndex());
}

bool TickListAccessible::selectRow(int row)
{
    const QModelIndex index = view()->model() ? view()->model()->index(row, 0) : QModelIndex();
    if (!index.isValid())
        return false;
    view()->selectionModel()->select(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    return true;
}

bool TickListAccessible::selectColumn(int)
{
    // Rows are chosen whole.
    return false;
}

bool TickListAccessible::unselectRow(int row)
{
    const QModelIndex index = view()->model() ? view()->model()->index(row, 0) : QModelIndex();
    if (!index.isValid())
        return false;
    view()->selectionModel()->select(index,
                                     QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    return true;
}

bool TickListAccessible::unselectColumn(int)
{
    return false;
}

void TickListAccessible::modelChange(QAccessibleTableModelChangeEvent *event)
{
    // Rows or columns came or went: the numbers of the cells handed out may
    // now stand for others. A changed text or tick keeps them, so the screen
    // reader still knows the focused cell as the one it was.
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged)
        dropCells();
}
