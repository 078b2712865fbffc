#include "CollectionContentView.h"

#include "AccessibleFocus.h"
#include "CollectionContainerView.h"
#include "CollectionListAccessible.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <algorithm>

namespace {

// How far a key moves the focus through the items; none for a key that does not move it by items.
std::optional<int> stepOf(int key, int page)
{
    switch (key) {
    case Qt::Key_Up:
        return -1;
    case Qt::Key_Down:
        return 1;
    case Qt::Key_PageUp:
        return -page;
    case Qt::Key_PageDown:
        return page;
    default:
        return std::nullopt;
    }
}

} // namespace

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
    // item leaves it. An empty list keeps the focus, so it is heard as an empty list. The focus
    // moves on once the list's own focus event is out, so the control that ends up with it is
    // the one a screen reader names.
    if (event->reason() == Qt::TabFocusReason) {
        qxkit::afterFocusEvent(this, [this] {
            if (const auto first = m_view ? m_view->firstShownItem() : std::nullopt)
                m_view->focusItem(*first, Qt::TabFocusReason);
        });
    } else if (event->reason() == Qt::BacktabFocusReason && m_view->m_focusInItems) {
        qxkit::afterFocusEvent(this, [this] { focusNextPrevChild(false); });
    }
}

void CollectionContentView::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const auto focused = m_view && m_view->reusesItems() ? m_view->focusedItem() : std::nullopt;
    // Keys move through the items from an item or from the list itself, never from a header.
    const bool navigates = (focused || (m_view && m_view->reusesItems() && hasFocus()))
        && !(event->modifiers() & ~Qt::KeypadModifier);
    const std::optional<int> step = navigates ? stepOf(key, m_view->itemsPerPage()) : std::nullopt;
    if (!step && !(navigates && (key == Qt::Key_Home || key == Qt::Key_End))) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const int last = m_view->totalItemCount() - 1;
    if (last < 0)
        return;
    std::optional<CollectionIndexPath> target = m_view->indexPathAtPosition(key == Qt::Key_Home ? 0 : last);
    if (step) {
        // From the list itself, these keys enter it at the first item in view.
        const auto moved = [&] { return std::clamp(m_view->positionOfIndexPath(*focused) + *step, 0, last); };
        target = focused ? m_view->indexPathAtPosition(moved()) : m_view->firstShownItem();
    }
    if (target)
        m_view->focusItem(*target, Qt::OtherFocusReason);
}
