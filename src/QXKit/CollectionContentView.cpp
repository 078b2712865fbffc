#include "CollectionContentView.h"

#include "CollectionContainerView.h"
#include "CollectionListAccessible.h"

#include <QFocusEvent>
#include <QKeyEvent>

CollectionContentView::CollectionContentView(CollectionContainerView *view)
    : m_view(view)
{
    installCollectionListAccessibility();
}

void CollectionContentView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (!m_view || !m_view->reusesItems())
        return;
    // Tab from before the list enters it at the first item in view; Shift+Tab from its first
    // item leaves it. An empty list keeps the focus, so it is heard as an empty list.
    if (event->reason() == Qt::TabFocusReason) {
        if (const auto first = m_view->firstShownItem())
            m_view->focusItem(*first, Qt::TabFocusReason);
    } else if (event->reason() == Qt::BacktabFocusReason && m_view->m_focusInItems) {
        focusNextPrevChild(false);
    }
}

void CollectionContentView::keyPressEvent(QKeyEvent *event)
{
    const auto focused = m_view && m_view->reusesItems() ? m_view->focusedItem() : std::nullopt;
    const int count = m_view ? m_view->totalItemCount() : 0;
    if (!focused || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int position = m_view->positionOfIndexPath(*focused);
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Up:
        target = position - 1;
        break;
    case Qt::Key_Down:
        target = position + 1;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = count - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (const auto indexPath = m_view->indexPathAtPosition(target))
        m_view->focusItem(*indexPath, Qt::OtherFocusReason);
    event->accept();
}
