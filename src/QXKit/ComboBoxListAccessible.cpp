#include "ComboBoxListAccessible.h"

#include "ComboBoxDropDownWindow.h"

#include <QItemSelectionModel>
#include <QWindow>

dragListAccessible::dragListAccessible(dragListView *list) : QAccessibleWidget(list, QAccessible::List) {}

dragListAccessible::~dragListAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_rows))
        QAccessible::deleteAccessibleInterface(id);
}

dragListView *dragListAccessible::list() const
{
    return static_cast<dragListView *>(widget());
}

QAccessible::State dragListAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.focused = list()->isVisible() && !list()->currentIndex().isValid();
    return state;
}

QAccessibleInterface *dragListAccessible::parent() const
{
    // The list's window is a popup of the control that opened it.
    const QWidget *window = list()->window();
    if (QWidget *owner = window->windowType() == Qt::Popup ? window->parentWidget() : nullptr)
        return QAccessible::queryAccessibleInterface(owner);
    return QAccessibleWidget::parent();
}

int dragListAccessible::childCount() const
{
    return list()->model() ? list()->model()->rowCount() : 0;
}

QAccessibleInterface *dragListAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto made = m_rows.constFind(index); made != m_rows.cend())
        return QAccessible::accessibleInterface(*made);
    auto *row = new dragListRowAccessible(list(), index);
    m_rows.insert(index, QAccessible::registerAccessibleInterface(row));
    return row;
}

int dragListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child));
    return m_rows.key(id, -1);
}

QAccessibleInterface *dragListAccessible::childAt(int x, int y) const
{
    const QModelIndex index = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? child(index.row()) : nullptr;
}

QAccessibleInterface *dragListAccessible::focusChild() const
{
    const QModelIndex current = list()->currentIndex();
    return current.isValid() ? child(current.row()) : nullptr;
}

dragListRowAccessible::dragListRowAccessible(dragListView *list, int row) : m_list(list), m_row(row) {}

QModelIndex dragListRowAccessible::index() const
{
    return m_list && m_list->model() ? m_list->model()->index(m_row, 0) : QModelIndex();
}

bool dragListRowAccessible::isValid() const
{
    return index().isValid();
}

QWindow *dragListRowAccessible::window() const
{
    return m_list ? m_list->window()->windowHandle() : nullptr;
}

QAccessibleInterface *dragListRowAccessible::parent() const
{
    return m_list ? QAccessible::queryAccessibleInterface(m_list.data()) : nullptr;
}

QString dragListRowAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? index().data(Qt::DisplayRole).toString() : QString();
}

QRect dragListRowAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect shown = m_list->visualRect(index());
    return {m_list->viewport()->mapToGlobal(shown.topLeft()), shown.size()};
}

QAccessible::State dragListRowAccessible::state() const
{
    QAccessible::State state;
    if (!isValid())
        return state;
    state.selectable = true;
    state.focusable = true;
    state.focused = m_list->isVisible() && m_list->currentIndex() == index();
    state.selected = m_list->selectionModel()->isSelected(index());
    state.invisible = !m_list->isVisible() || !m_list->viewport()->rect().intersects(m_list->visualRect(index()));
    return state;
}

QStringList dragListRowAccessible::actionNames() const
{
    return {pressAction()};
}

void dragListRowAccessible::doAction(const QString &actionName)
{
    // Selecting a row is the pick, as a click on it is.
    if (actionName == pressAction() && isValid())
        m_list->selectionModel()->select(index(), QItemSelectionModel::ClearAndSelect);
}
