#pragma once

#include <QAccessibleWidget>

class PlayListCell;

// What assistive technology sees of a play-list row: a selectable list item named by its
// position and file name, described by its size and play count (and whether the fan plays
// it), whose press action plays it.
class PlayListCellAccessible : public QAccessibleWidget
{
public:
    explicit PlayListCellAccessible(PlayListCell *cell);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    PlayListCell *cell() const;
};
