#pragma once

#include "CollectionContainerView.h"

#include <QByteArray>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

// One column of equal-height rows across the whole width, each row a widget its owner makes and
// fills: the lists of the play-list, video, play-list-list, play-list editor and union screens.
// Rows are ordinary widgets, so every control in them is reachable by keyboard and screen
// reader. Only the rows in and near view have widgets, reused as the list scrolls; a reload
// fills the shown widgets again, so a list of hundreds of entries is made in the time of a
// screenful. To assistive technology the column is a list named by the view's accessible name,
// one item per row (see CollectionContainerView).
//
// With a move action set, a row can be dragged to another place in the same list (a drop from
// anywhere else is refused); the list scrolls while a drag waits near its top or bottom edge.
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
    // The row widgets: `make` makes an empty one (the view owns it), once per widget, and `fill`
    // shows a row in one, each time the widget is given a row and at every reload.
    template <typename Row>
    void setRows(std::function<Row *()> make, std::function<void(Row *, int row)> fill)
    {
        setRowWidgets([make = std::move(make)]() -> QWidget * { return make(); },
                      [fill = std::move(fill)](QWidget *widget, int row) { fill(static_cast<Row *>(widget), row); });
    }
    // What assistive technology calls a row that has no widget now.
    void setRowName(std::function<QString(int row)> name);
    // The widget showing the row; nullptr for a row that has none now (far from view).
    QWidget *rowAt(int row) const;
    // The row whose widget is `widget` or holds it; -1 for anything else.
    int rowOf(const QWidget *widget) const;
    // Scrolls the row into view and gives its widget; nullptr for a row that does not exist.
    QWidget *scrollToRow(int row);

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
    void setRowWidgets(std::function<QWidget *()> make, std::function<void(QWidget *, int)> fill);
    void startDrag(QWidget *rowWidget, int row);
    bool isOwnRow(const QObject *object) const;
    // Scrolls while a drag stays near the top or bottom edge (a position in the viewport).
    void followDrag(const QPoint &viewportPosition);
    void stopFollowingDrag();

    qreal m_rowHeight;
    std::unique_ptr<Rows> m_rows;
    std::function<void(int, int)> m_move;
    QPoint m_dragStart;
    // The row widget a press went to, and the row it showed then: a scroll before the drag
    // starts may give that widget to another row.
    QPointer<QWidget> m_pressedWidget;
    int m_pressedRow = -1;
    QTimer m_dragScroll;
    // -1 up, 1 down, 0 still; the ticks since the drag reached the edge.
    int m_dragScrollDirection = 0;
    int m_dragScrollTicks = 0;
};
