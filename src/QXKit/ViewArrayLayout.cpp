#include "ViewArrayLayout.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <variant>

namespace qxkit {

namespace {

const QString layoutName = QStringLiteral("qxkit_viewArrayLayout");

// Re-applies one distribution whenever the superview changes size.
class ViewArrayLayout : public QObject
{
public:
    ViewArrayLayout(QWidget *superview, const QList<QWidget *> &views, ConstraintAxis axis,
                    std::variant<Spacing, ItemLength> rule, qreal lead, qreal tail)
        : QObject(superview)
        , m_superview(superview)
        , m_axis(axis)
        , m_rule(rule)
        , m_lead(lead)
        , m_tail(tail)
    {
        setObjectName(layoutName);
        for (QWidget *view : views)
            m_views.append(view);
        superview->installEventFilter(this);
        apply();
    }

    // Whether this places any of the views along the axis: a new spread of them replaces it.
    bool places(const QList<QWidget *> &views, ConstraintAxis axis) const
    {
        if (axis != m_axis)
            return false;
        return std::any_of(m_views.cbegin(), m_views.cend(),
                           [&views](const QPointer<QWidget> &view) { return view && views.contains(view.data()); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_superview && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
            apply();
        return false;
    }

private:
    void apply()
    {
        const qsizetype count = m_views.size();
        const bool horizontal = m_axis == ConstraintAxis::horizontal;
        const qreal length = horizontal ? m_superview->width() : m_superview->height();
        for (qsizetype i = 0; i < count; ++i) {
            QWidget *view = m_views.at(i);
            if (!view)
                continue;
            qreal start = 0;
            qreal size = 0;
            if (const auto *spacing = std::get_if<Spacing>(&m_rule)) {
                size = qMax<qreal>(0, (length - m_lead - m_tail - spacing->value * (count - 1)) / count);
                start = m_lead + i * (size + spacing->value);
            } else {
                size = std::get<ItemLength>(m_rule).value;
                const qreal share = qreal(i) / qreal(count - 1);
                const qreal end = length * share + (size + m_lead) * (1 - share) - m_tail * share;
                start = end - size;
            }
            place(view, start, size, horizontal);
        }
    }

    void place(QWidget *view, qreal start, qreal size, bool horizontal)
    {
        QRect geometry = view->geometry();
        const QPoint origin = view->parentWidget() == m_superview
            ? QPoint(0, 0)
            : view->parentWidget()->mapFrom(m_superview, QPoint(0, 0));
        const int from = int(std::lround(start));
        const int extent = int(std::lround(size));
        if (horizontal) {
            geometry.setLeft(origin.x() + from);
            geometry.setWidth(extent);
        } else {
            geometry.setTop(origin.y() + from);
            geometry.setHeight(extent);
        }
        view->setGeometry(geometry);
    }

    QWidget *m_superview;
    QList<QPointer<QWidget>> m_views;
    ConstraintAxis m_axis;
    std::variant<Spacing, ItemLength> m_rule;
    qreal m_lead;
    qreal m_tail;
};

bool isSameOrAncestor(const QWidget *candidate, const QWidget *view)
{
    for (const QWidget *walk = view; walk; walk = walk->parentWidget()) {
        if (walk == candidate)
            return true;
    }
    return false;
}

void distributeWith(const QList<QWidget *> &views, ConstraintAxis axis, std::variant<Spacing, ItemLength> rule,
                    qreal lead, qreal tail)
{
    if (views.size() < 2)
        return;
    QWidget *superview = nearestCommonSuperview(views);
    // A view that is itself the common superview cannot be placed inside itself.
    if (!superview || views.contains(superview))
        return;
    for (QObject *child : superview->children()) {
        auto *earlier = child->objectName() == layoutName ? dynamic_cast<ViewArrayLayout *>(child) : nullptr;
        if (earlier && earlier->places(views, axis))
            delete earlier;
    }
    new ViewArrayLayout(superview, views, axis, rule, lead, tail);
}

} // namespace

QWidget *nearestCommonSuperview(const QList<QWidget *> &views)
{
    if (views.isEmpty())
        return nullptr;
    QWidget *candidate = views.first();
    for (qsizetype i = 1; i < views.size() && candidate; ++i) {
        while (candidate && !isSameOrAncestor(candidate, views.at(i)))
            candidate = candidate->parentWidget();
    }
    return candidate;
}

void distribute(const QList<QWidget *> &views, ConstraintAxis axis, Spacing spacing, qreal lead, qreal tail)
{
    distributeWith(views, axis, spacing, lead, tail);
}

void distribute(const QList<QWidget *> &views, ConstraintAxis axis, ItemLength itemLength, qreal lead, qreal tail)
{
    distributeWith(views, axis, itemLength, lead, tail);
}

} // namespace qxkit
