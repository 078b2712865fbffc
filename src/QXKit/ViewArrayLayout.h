#pragma once

#include <QList>
#include <QObject>

class QWidget;

// Lays several views out in a row or a column inside their nearest common superview and keeps
// them so while it resizes. Only the chosen axis is set; the other keeps each view's geometry.
namespace qxkit {

enum class ConstraintAxis {
    horizontal = 0,
    vertical = 1,
};

// A fixed gap between views of equal length.
struct Spacing {
    qreal value;
};
// A fixed length for every view, the views spread evenly between the insets.
struct ItemLength {
    qreal value;
};

// The nearest widget that is one of the views or an ancestor of all of them; nullptr for an
// empty list or views in different windows.
QWidget *nearestCommonSuperview(const QList<QWidget *> &views);

// Both do nothing for fewer than two views or views without a common superview. `lead` and
// `tail` are the insets at the start and the end of the axis. Spreading views again along the
// same axis replaces the earlier spread of any of them.
void distribute(const QList<QWidget *> &views, ConstraintAxis axis, Spacing spacing, qreal lead = 0, qreal tail = 0);
void distribute(const QList<QWidget *> &views, ConstraintAxis axis, ItemLength itemLength, qreal lead = 0,
                qreal tail = 0);

} // namespace qxkit
