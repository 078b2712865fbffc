#include "CollectionListAccessible.h"

#include "CollectionContainerView.h"
#include "CollectionContentView.h"

#include <QWindow>

namespace {

// The scroll area around the list: a plain frame without a name of its own, so the name is
// heard once, on the list.
class ListFrameAccessible : public QAccessibleWidget
{
public:
    explicit ListFrameAccessible(QWidget *frame)
        : QAccessibleWidget(frame, QAccessible::Client)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name || t == QAccessible::Description ? QString() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *collectionFactory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("CollectionContentView")) {
        auto *content = static_cast<CollectionContentView *>(object);
        if (content->view() && content->view()->reusesItems())
            return new CollectionListAccessible(content);
    } else if (className == QLatin1String("CollectionContainerView")) {
        auto *view = static_cast<CollectionContainerView *>(object);
        if (view->reusesItems())
            return new ListFrameAccessible(view);
    }
    return nullptr;
}

} // namespace

CollectionListAccessible::CollectionListAccessible(CollectionContentView *content)
    : QAccessibleWidget(content, QAccessible::List)
{
}

CollectionListAccessible::~CollectionListAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_standIns))
        QAccessible::deleteAccessibleInterface(id);
}

CollectionContainerView *CollectionListAccessible::view() const
{
    return static_cast<CollectionContentView *>(widget())->view();
}

QString CollectionListAccessible::text(QAccessible::Text t) const
{
    if (!view())
        return QAccessibleWidget::text(t);
    if (t == QAccessible::Name)
        return view()->accessibleName();
    if (t == QAccessible::Description)
        return view()->accessibleDescription();
    return QAccessibleWidget::text(t);
}

int CollectionListAccessible::childCount() const
{
    return view() ? view()->totalItemCount() : 0;
}

QAccessibleInterface *CollectionListAccessible::child(int index) const
{
    const auto indexPath = view() ? view()->indexPathAtPosition(index) : std::nullopt;
    if (!indexPath)
        return nullptr;
    if (QWidget *item = view()->itemAtIndexPath(*indexPath))
        return QAccessible::queryAccessibleInterface(item);
    const auto found = m_standIns.constFind(index);
    if (found != m_standIns.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto *standIn = new CollectionItemStandIn(view(), index);
    m_standIns.insert(index, QAccessible::registerAccessibleInterface(standIn));
    return standIn;
}

int CollectionListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child || !view())
        return -1;
    if (const auto *standIn = dynamic_cast<const CollectionItemStandIn *>(child))
        return standIn->isValid() ? standIn->position() : -1;
    const auto *item = qobject_cast<const QWidget *>(child->object());
    const auto indexPath = view()->indexPathForItemWidget(item);
    if (!indexPath || view()->itemAtIndexPath(*indexPath) != item)
        return -1;
    return view()->positionOfIndexPath(*indexPath);
}

QAccessibleInterface *CollectionListAccessible::childAt(int x, int y) const
{
    // Only shown items can be under a point; asking every child would make a stand-in for each.
    QWidget *under = widget()->childAt(widget()->mapFromGlobal(QPoint(x, y)));
    const auto indexPath = view() ? view()->indexPathForItemWidget(under) : std::nullopt;
    QWidget *item = indexPath ? view()->itemAtIndexPath(*indexPath) : nullptr;
    return item ? QAccessible::queryAccessibleInterface(item) : nullptr;
}

CollectionItemStandIn::CollectionItemStandIn(CollectionContainerView *view, int position)
    : m_view(view)
    , m_position(position)
{
}

bool CollectionItemStandIn::isValid() const
{
    return m_view && m_position < m_view->totalItemCount();
}

QWindow *CollectionItemStandIn::window() const
{
    return m_view ? m_view->window()->windowHandle() : nullptr;
}

QAccessibleInterface *CollectionItemStandIn::parent() const
{
    return m_view ? QAccessible::queryAccessibleInterface(m_view->widget()) : nullptr;
}

QString CollectionItemStandIn::text(QAccessible::Text t) const
{
    const auto indexPath = m_view ? m_view->indexPathAtPosition(m_position) : std::nullopt;
    if (t != QAccessible::Name || !indexPath || !m_view->dataSource())
        return {};
    return m_view->dataSource()->accessibleNameForItem(*indexPath);
}

QRect CollectionItemStandIn::rect() const
{
    const auto indexPath = m_view ? m_view->indexPathAtPosition(m_position) : std::nullopt;
    const auto attributes = indexPath && m_view->collectionViewLayout()
        ? m_view->collectionViewLayout()->layoutAttributesForItemAtIndexPath(*indexPath)
        : std::nullopt;
    if (!attributes)
        return {};
    const QRect frame = attributes->frame.toRect();
    return QRect(m_view->widget()->mapToGlobal(frame.topLeft()), frame.size());
}

QAccessible::State CollectionItemStandIn::state() const
{
    QAccessible::State state;
    state.invisible = true;
    state.offscreen = true;
    state.focusable = true;
    return state;
}

QStringList CollectionItemStandIn::actionNames() const
{
    return {setFocusAction()};
}

void CollectionItemStandIn::doAction(const QString &actionName)
{
    const auto indexPath = m_view ? m_view->indexPathAtPosition(m_position) : std::nullopt;
    if (actionName == setFocusAction() && indexPath)
        m_view->focusItem(*indexPath, Qt::OtherFocusReason);
}

void installCollectionListAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(collectionFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
