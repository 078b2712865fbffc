#pragma once

#include "CollectionContainerView.h"

#include <QByteArray>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <memory>

// One column of equal-height rows across the whole width, each row a widget its owner makes:
// the list of the play-list, play-list-list and video screens. Rows are ordinary widgets, so
// every control in them is reachable by keyboard and screen reader; reloadData() makes them
// all again. With a move action set, a row can be dragged to another place in the same list
// (a drop from anywhere else is refused).
class RowColumnView : public CollectionContainerView
{
    Q_OBJECT
public:
    // The drag payload of a row: its index as decimal text, under this type.
    static constexpr const char *kRowMimeType = "application/x-orvane-row";

    explicit RowColumnView(qreal rowHeight, QWidget *parent = nullptr);
    ~RowColumnView() override;

    qreal rowHeight() const { return m_rowHeight; }
    void setRowCount(std::function<int()> count);
    // Makes the widget of a row; the view owns it.
    void setRowMaker(std::function<QWidget *(int row)> maker);
    // The row widget; nullptr outside the rows.
    QWidget *rowAt(int row) const;

    // Called with the dragged row and the place it is to take (both in the rows as they stand).
    void setMoveAction(std::function<void(int from, int to)> move);
    static QByteArray writeRow(int row);
    // Whether a drag from `source` carrying `payload` may drop here: only one of this list's
    // own rows, carrying a row number, while a move action is set.
    bool validateDrop(const QObject *source, const QByteArray &payload) const;
    // Takes a drop of the payload above the row at `row` (the row count for the end): the
    // dragged row leaves its place first, so the rows after it move up one. Whether the payload
    // names a row; the move action runs only when the row changes place.
    bool acceptDrop(const QByteArray &payload, int row);
    // The drop row for a position in the content's coordinates.
    int dropRowAt(const QPoint &contentPosition) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class Rows;
    void startDrag(QWidget *rowWidget);
    bool isOwnRow(const QObject *object) const;

    qreal m_rowHeight;
    std::unique_ptr<Rows> m_rows;
    std::function<void(int, int)> m_move;
    QPoint m_dragStart;
    QPointer<QWidget> m_pressedRow;
};
