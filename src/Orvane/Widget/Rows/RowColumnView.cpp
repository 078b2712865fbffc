#include "RowColumnView.h"

#include "CollectionDataSource.h"
#include "LinearCollectionLayout.h"
#include "LinearCollectionLayoutDelegate.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

// A drag this close to the top or bottom edge (in parts of a row) scrolls the list: a third of
// a row at the first tick, a third more at each further tick, up to a page, so a short wait
// moves a few rows and a long one crosses a list of hundreds.
constexpr qreal kDragEdge = 0.5;
constexpr qreal kDragStep = 1.0 / 3.0;
constexpr int kDragTickMs = 40;

} // namespace

class RowColumnView::Rows : public CollectionDataSource, public LinearCollectionLayoutDelegate
{
public:
    explicit Rows(RowColumnView *view) : m_view(view) {}

    int numberOfItemsInSection(int) override { return count ? std::max(0, count()) : 0; }
    QWidget *itemForIndexPath(const CollectionIndexPath &indexPath) override
    {
        QWidget *row = m_view->dequeueReusableItem(indexPath);
        if (!row) {
            row = make ? make() : nullptr;
            if (!row)
                row = new QWidget;
            row->installEventFilter(m_view);
        }
        if (fill)
            fill(row, indexPath.item);
        return row;
    }
    QString accessibleNameForItem(const CollectionIndexPath &indexPath) override
    {
        return name ? name(indexPath.item) : QString();
    }
    QSizeF sizeForItem(CollectionView *, const LinearCollectionLayout *layout, const CollectionIndexPath &) override
    {
        return {layout->itemWidth(), m_view->rowHeight()};
    }
    std::optional<qreal> rowSpacingForSection(CollectionView *, const LinearCollectionLayout *, int) override
    {
        return 0.0;
    }

    std::function<int()> count;
    std::function<QWidget *()> make;
    std::function<void(QWidget *, int)> fill;
    std::function<QString(int)> name;

private:
    RowColumnView *m_view;
};

RowColumnView::RowColumnView(qreal rowHeight, QWidget *parent)
    : CollectionContainerView(parent)
    , m_rowHeight(rowHeight)
    , m_rows(std::make_unique<Rows>(this))
{
    setReusesItems(true);
    auto *layout = new LinearCollectionLayout(1);
    layout->setRowSpacing(0);
    layout->setColumnSpacing(0);
    setCollectionViewLayout(layout);
    setDataSource(m_rows.get());
    setDelegate(m_rows.get());
    setFrameShape(QFrame::NoFrame);
    viewport()->installEventFilter(this);
    m_dragScroll.setInterval(kDragTickMs);
    connect(&m_dragScroll, &QTimer::timeout, this, [this] {
        ++m_dragScrollTicks;
        const int step =
            std::min(viewport()->height(), std::max(1, int(m_rowHeight * kDragStep * m_dragScrollTicks)));
        QScrollBar *bar = verticalScrollBar();
        bar->setValue(bar->value() + m_dragScrollDirection * step);
    });
}

RowColumnView::~RowColumnView()
{
    setDataSource(nullptr);
    setDelegate(nullptr);
}

void RowColumnView::setRowCount(std::function<int()> count)
{
    m_rows->count = std::move(count);
}

void RowColumnView::setRowWidgets(std::function<QWidget *()> make, std::function<void(QWidget *, int)> fill)
{
    m_rows->make = std::move(make);
    m_rows->fill = std::move(fill);
}

void RowColumnView::setRowName(std::function<QString(int)> name)
{
    m_rows->name = std::move(name);
}

QWidget *RowColumnView::rowAt(int row) const
{
    return row >= 0 ? itemAtIndexPath({0, row}) : nullptr;
}

int RowColumnView::rowOf(const QWidget *widget) const
{
    const auto indexPath = indexPathForItemWidget(widget);
    return indexPath ? indexPath->item : -1;
}

QWidget *RowColumnView::scrollToRow(int row)
{
    return row >= 0 ? scrollToItem({0, row}) : nullptr;
}

void RowColumnView::setMoveAction(std::function<void(int, int)> move)
{
    m_move = std::move(move);
    viewport()->setAcceptDrops(bool(m_move));
}

QByteArray RowColumnView::writeRow(int row)
{
    return QByteArray::number(row);
}

bool RowColumnView::acceptDrop(const QByteArray &payload, int row)
{
    const int count = m_rows->numberOfItemsInSection(0);
    bool isNumber = false;
    const int from = payload.toInt(&isNumber);
    if (!m_move || !isNumber || from < 0 || from >= count || row < 0 || row > count)
        return false;
    const int to = from < row ? row - 1 : row;
    if (to != from)
        m_move(from, to);
    return true;
}

bool RowColumnView::validateDrop(const QObject *source, const QByteArray &payload) const
{
    bool isNumber = false;
    payload.toInt(&isNumber);
    return m_move && isNumber && isOwnRow(source);
}

int RowColumnView::dropRowAt(const QPoint &contentPosition) const
{
    const int row = int((contentPosition.y() + m_rowHeight / 2) / m_rowHeight);
    return std::clamp(row, 0, m_rows->numberOfItemsInSection(0));
}

bool RowColumnView::isOwnRow(const QObject *object) const
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    return widget && widget->parentWidget() == this->widget();
}

void RowColumnView::startDrag(QWidget *rowWidget, int row)
{
    auto *mime = new QMimeData;
    mime->setData(QString::fromLatin1(kRowMimeType), writeRow(row));
    auto *drag = new QDrag(rowWidget);
    drag->setMimeData(mime);
    // The pressed row's picture, while it still has a widget to show it.
    if (QWidget *shown = rowAt(row))
        drag->setPixmap(shown->grab().scaledToHeight(int(m_rowHeight / 2)));
    drag->exec(Qt::MoveAction);
    stopFollowingDrag();
}

void RowColumnView::followDrag(const QPoint &viewportPosition)
{
    const qreal edge = m_rowHeight * kDragEdge;
    int direction = 0;
    if (viewportPosition.y() < edge)
        direction = -1;
    else if (viewportPosition.y() > viewport()->height() - edge)
        direction = 1;
    if (direction != m_dragScrollDirection)
        stopFollowingDrag();
    m_dragScrollDirection = direction;
    if (direction != 0 && !m_dragScroll.isActive())
        m_dragScroll.start();
}

void RowColumnView::stopFollowingDrag()
{
    m_dragScroll.stop();
    m_dragScrollDirection = 0;
    m_dragScrollTicks = 0;
}

bool RowColumnView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport()) {
        switch (event->type()) {
        case QEvent::Resize: {
            // One column across the whole list.
            auto *layout = static_cast<LinearCollectionLayout *>(collectionViewLayout());
            const qreal width = std::max(1, viewport()->width());
            if (!qFuzzyCompare(layout->itemWidth(), width))
                layout->setItemWidth(width);
            break;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            const QString type = QString::fromLatin1(kRowMimeType);
            // Any row on its way may need rows out of view: the list follows it to the edges.
            if (m_move && drag->mimeData()->hasFormat(type))
                followDrag(drag->position().toPoint());
            if (validateDrop(drag->source(), drag->mimeData()->data(type)))
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::DragLeave:
            stopFollowingDrag();
            break;
        case QEvent::Drop: {
            stopFollowingDrag();
            auto *drop = static_cast<QDropEvent *>(event);
            const QPoint position = widget()->mapFrom(viewport(), drop->position().toPoint());
            const QByteArray payload = drop->mimeData()->data(QString::fromLatin1(kRowMimeType));
            if (validateDrop(drop->source(), payload) && acceptDrop(payload, dropRowAt(position)))
                drop->acceptProposedAction();
            else
                drop->ignore();
            return true;
        }
        default:
            break;
        }
        return CollectionContainerView::eventFilter(watched, event);
    }
    if (!m_move || !isOwnRow(watched))
        return CollectionContainerView::eventFilter(watched, event);
    auto *row = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::MouseButtonPress) {
        m_dragStart = static_cast<QMouseEvent *>(event)->position().toPoint();
        m_pressedWidget = row;
        m_pressedRow = rowOf(row);
    } else if (event->type() == QEvent::MouseMove) {
        auto *move = static_cast<QMouseEvent *>(event);
        if (m_pressedWidget == row && m_pressedRow >= 0 && move->buttons().testFlag(Qt::LeftButton)
            && (move->position().toPoint() - m_dragStart).manhattanLength() >= QApplication::startDragDistance()) {
            m_pressedWidget = nullptr;
            startDrag(row, m_pressedRow);
            return true;
        }
    }
    return CollectionContainerView::eventFilter(watched, event);
}
