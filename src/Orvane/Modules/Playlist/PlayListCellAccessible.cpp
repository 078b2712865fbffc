#include "PlayListCellAccessible.h"

#include "PlayListCell.h"
#include "QXLocalized.h"
#include "QXView.h"

#include <QLabel>

PlayListCellAccessible::PlayListCellAccessible(PlayListCell *cell)
    : QAccessibleWidget(cell, QAccessible::ListItem)
{
}

PlayListCell *PlayListCellAccessible::cell() const
{
    return static_cast<PlayListCell *>(widget());
}

QAccessible::State PlayListCellAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.selectable = true;
    state.selected = cell()->isSelected();
    return state;
}

QString PlayListCellAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return cell()->itemIndexLabel()->text() + QLatin1Char(' ') + cell()->itemName()->text();
    if (t == QAccessible::Description) {
        QString description = QStringLiteral("%1: %2, %3: %4")
                                  .arg(qxLocalized(QStringLiteral("ov_file_size")), cell()->itemSize()->text(),
                                       qxLocalized(QStringLiteral("ov_times")), cell()->itemTimes()->text());
        if (cell()->isPlaying())
            description += QStringLiteral(", ") + qxLocalized(QStringLiteral("ov_playing"));
        return description;
    }
    return QAccessibleWidget::text(t);
}

QStringList PlayListCellAccessible::actionNames() const
{
    return {pressAction()};
}

void PlayListCellAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && !cell()->forbidPlay())
        cell()->playAction();
}
