#include "CollectionContainerView.h"

#include "CollectionContentView.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QScrollBar>
#include <QtMath>

#include <algorithm>

namespace {

// Beyond the visible area, items keep widgets for half a view's height above and below (at
// least this much), so a short scroll shows rows that are ready.
constexpr int kMinimumMargin = 120;

bool takesTabFocus(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy();
}

// The widget and the controls inside it that take the focus by Tab, in focus-chain order. A
// widget just put into its parent holds its own controls together in the chain.
QList<QPointer<QWidget>> tabStopsOf(QWidget *item)
{
    QList<QPointer<QWidget>> stops;
    if (takesTabFocus(item))
        stops.append(item);
    for (QWidget *next = item->nextInFocusChain(); next != item && item->isAncestorOf(next);
         next = next->nextInFocusChain()) {
        if (takesTabFocus(next))
            stops.append(next);
    }
    return stops;
}

// The focus moves that bring an item into view: the keyboard's and a program's. A mouse press
// gives the focus to what is under the pointer, and the view must not move it away before the
// release; a window or popup handing the focus back leaves the view where the operator put it.
bool bringsIntoView(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

// Deleted later: a reload may have been started from inside the widget.
void discardLater(QWidget *widget)
{
    if (widget) {
        widget->hide();
        widget->deleteLater();
    }
}

} // namespace

CollectionContainerView::CollectionContainerView(QWidget *parent)
    : QScrollArea(parent)
    , m_content(new CollectionContentView(this))
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(false);
    // A scroll area is a Tab stop of its own by default, one with nothing to say: the items, or
    // the list that leads into them, take the focus instead.
    setFocusPolicy(Qt::NoFocus);
    m_content->setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    setWidget(m_content);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (m_reusesItems && m_layout && m_layoutValid)
            placeElements();
    });
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this,
                           [this](QWidget *, QWidget *now) { focusChanged(now); });
}

CollectionContainerView::~CollectionContainerView()
{
    // The layout may still ask its view during its own destruction.
    if (m_layout)
        m_layout->setCollectionView(nullptr);
    // The base class still moves the focus away while it goes; the records of the items go first.
    disconnect(m_focusWatch);
    // The item widgets go while the records of them still exist.
    delete takeWidget();
}

void CollectionContainerView::setCollectionViewLayout(CollectionViewLayout *layout)
{
    if (layout == m_layout)
        return;
    delete m_layout;
    m_layout = layout;
    if (m_layout) {
        m_layout->setParent(this);
        m_layout->setCollectionView(this);
    }
    collectionViewLayoutInvalidated();
}

void CollectionContainerView::setDelegate(CollectionViewDelegate *delegate)
{
    m_delegate = delegate;
    collectionViewLayoutInvalidated();
}

void CollectionContainerView::setReusesItems(bool reuses)
{
    m_reusesItems = reuses;
    // The list itself is the Tab stop that leads into the items; the frame around it is none.
    m_content->setFocusPolicy(reuses ? Qt::TabFocus : Qt::NoFocus);
}

void CollectionContainerView::reloadData()
{
    if (!m_reusesItems)
        discardWidgets();
    for (const auto &entry : m_supplementaryViews)
        discardLater(entry.second);
    m_supplementaryViews.clear();
    m_itemCounts.clear();
    if (m_dataSource) {
        for (int section = 0; section < m_dataSource->numberOfSections(); ++section)
            m_itemCounts.append(std::max(0, m_dataSource->numberOfItemsInSection(section)));
    }
    if (m_reusesItems) {
        // The shown items are filled again now, in the widgets they have.
        m_refillPending = true;
        m_layoutValid = false;
        layoutIfNeeded();
        return;
    }
    for (int section = 0; section < m_itemCounts.size(); ++section) {
        for (int item = 0; item < m_itemCounts.at(section); ++item) {
            makeItem({section, item});
            if (QWidget *widget = itemAtIndexPath({section, item}))
                widget->show();
        }
    }
    collectionViewLayoutInvalidated();
}

void CollectionContainerView::discardWidgets()
{
    // The item holding the keyboard focus goes last: hiding it hands the focus on once, past the
    // list, instead of through every item about to go, each scrolled into view and announced.
    const QWidget *focus = QApplication::focusWidget();
    QWidget *focusedItem = nullptr;
    for (const auto &entry : m_items) {
        if (focus && entry.second && entry.second->isAncestorOf(focus))
            focusedItem = entry.second;
        else
            discardLater(entry.second);
    }
    discardLater(focusedItem);
    m_items.clear();
    m_itemOfWidget.clear();
}

QWidget *CollectionContainerView::dequeueReusableItem(const CollectionIndexPath &indexPath)
{
    m_freeWidgets.removeIf([](const FreeWidget &free) { return free.widget.isNull(); });
    if (m_freeWidgets.isEmpty())
        return nullptr;
    auto found = std::find_if(m_freeWidgets.begin(), m_freeWidgets.end(),
                              [&indexPath](const FreeWidget &free) { return free.lastShown == indexPath; });
    if (found == m_freeWidgets.end())
        found = m_freeWidgets.end() - 1;
    QWidget *widget = found->widget;
    m_freeWidgets.erase(found);
    return widget;
}

void CollectionContainerView::makeItem(const CollectionIndexPath &indexPath)
{
    if (QWidget *widget = m_dataSource ? m_dataSource->itemForIndexPath(indexPath) : nullptr)
        adoptItem(widget, indexPath);
}

void CollectionContainerView::adoptItem(QWidget *widget, const CollectionIndexPath &indexPath)
{
    m_freeWidgets.removeIf([widget](const FreeWidget &free) { return free.widget == widget; });
    if (widget->parentWidget() != m_content)
        widget->setParent(m_content);
    if (!m_tabStops.contains(widget)) {
        m_tabStops.insert(widget, tabStopsOf(widget));
        for (const QPointer<QWidget> &stop : m_tabStops.value(widget))
            stop->installEventFilter(this);
        connect(widget, &QObject::destroyed, this, [this, widget] {
            m_tabStops.remove(widget);
            m_itemOfWidget.remove(widget);
        });
    }
    m_items[indexPath] = widget;
    m_itemOfWidget.insert(widget, indexPath);
    m_tabOrderStale = true;
}

void CollectionContainerView::freeItem(std::map<CollectionIndexPath, QPointer<QWidget>>::iterator item)
{
    if (item->second) {
        m_freeWidgets.append({item->second, item->first});
        m_itemOfWidget.remove(item->second);
    }
    m_items.erase(item);
    m_tabOrderStale = true;
}

void CollectionContainerView::realizeItems()
{
    const qreal margin = std::max(viewport()->height() / 2, kMinimumMargin);
    std::vector<CollectionIndexPath> wanted;
    for (const CollectionViewLayoutAttributes &attributes :
         m_layout->layoutAttributesForElementsInRect(bounds().adjusted(0, -margin, 0, margin))) {
        if (attributes.representedElementCategory == CollectionElementCategory::Item)
            wanted.push_back(attributes.indexPath);
    }
    // The item with the focus keeps its widget wherever it is scrolled, and its neighbours get
    // theirs, so Tab always finds the next item.
    if (const auto focused = focusedItem()) {
        const int position = positionOfIndexPath(*focused);
        for (int near = position - 1; near <= position + 1; ++near) {
            if (const auto indexPath = indexPathAtPosition(near))
                wanted.push_back(*indexPath);
        }
    }
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
    const auto isWanted = [&wanted](const CollectionIndexPath &indexPath) {
        return std::binary_search(wanted.cbegin(), wanted.cend(), indexPath);
    };

    for (auto item = m_items.begin(); item != m_items.end();) {
        const auto next = std::next(item);
        if (!item->second || !isWanted(item->first))
            freeItem(item);
        item = next;
    }
    if (m_refillPending) {
        // Each shown item asks for its widget again and gets back the one it has.
        m_refillPending = false;
        std::vector<CollectionIndexPath> shown;
        for (const auto &item : m_items)
            shown.push_back(item.first);
        for (const CollectionIndexPath &indexPath : shown) {
            freeItem(m_items.find(indexPath));
            makeItem(indexPath);
        }
    }
    // Widgets that showed an item before go back to it first.
    for (const CollectionIndexPath &indexPath : wanted) {
        const bool hadOne = std::any_of(m_freeWidgets.cbegin(), m_freeWidgets.cend(),
                                        [&indexPath](const FreeWidget &free) { return free.lastShown == indexPath; });
        if (hadOne && !m_items.count(indexPath))
            makeItem(indexPath);
    }
    for (const CollectionIndexPath &indexPath : wanted) {
        if (!m_items.count(indexPath))
            makeItem(indexPath);
    }
    for (const FreeWidget &free : std::as_const(m_freeWidgets)) {
        if (free.widget && !free.widget->isHidden())
            free.widget->hide();
    }
    if (m_tabOrderStale)
        chainTabStops();
}

void CollectionContainerView::chainTabStops()
{
    m_tabOrderStale = false;
    QWidget *previous = m_content;
    for (const auto &item : m_items) {
        if (!item.second)
            continue;
        for (const QPointer<QWidget> &stop : m_tabStops.value(item.second)) {
            if (stop) {
                QWidget::setTabOrder(previous, stop);
                previous = stop;
            }
        }
    }
}

QWidget *CollectionContainerView::itemAtIndexPath(const CollectionIndexPath &indexPath) const
{
    const auto found = m_items.find(indexPath);
    return found == m_items.end() ? nullptr : found->second.data();
}

std::optional<CollectionIndexPath> CollectionContainerView::indexPathForItemWidget(const QWidget *widget) const
{
    while (widget && widget->parentWidget() != m_content)
        widget = widget->parentWidget();
    const auto found = widget ? m_itemOfWidget.constFind(widget) : m_itemOfWidget.constEnd();
    if (found == m_itemOfWidget.constEnd())
        return std::nullopt;
    return *found;
}

QWidget *CollectionContainerView::scrollToItem(const CollectionIndexPath &indexPath)
{
    layoutIfNeeded();
    const auto attributes = m_layout ? m_layout->layoutAttributesForItemAtIndexPath(indexPath) : std::nullopt;
    if (!attributes)
        return nullptr;
    const QRect frame = attributes->frame.toRect();
    ensureVisible(frame.center().x(), frame.center().y(), frame.width() / 2 + 1, frame.height() / 2 + 1);
    placeElements();
    return itemAtIndexPath(indexPath);
}

bool CollectionContainerView::focusItem(const CollectionIndexPath &indexPath, Qt::FocusReason reason, bool lastControl)
{
    QWidget *item = scrollToItem(indexPath);
    if (!item)
        return false;
    QList<QWidget *> stops;
    for (const QPointer<QWidget> &stop : m_tabStops.value(item)) {
        if (stop && stop->isEnabled() && (stop == item || stop->isVisibleTo(item)))
            stops.append(stop);
    }
    if (stops.isEmpty())
        return false;
    (lastControl ? stops.last() : stops.first())->setFocus(reason);
    return true;
}

void CollectionContainerView::focusChanged(QWidget *now)
{
    m_focusInItems = now && m_content->isAncestorOf(now) && indexPathForItemWidget(now).has_value();
}

bool CollectionContainerView::eventFilter(QObject *watched, QEvent *event)
{
    // Only the items' Tab stops are watched: the keyboard reaches an item through them. The item
    // comes into view and the items next to it get widgets.
    if (event->type() == QEvent::FocusIn && m_reusesItems && watched->isWidgetType()
        && bringsIntoView(static_cast<QFocusEvent *>(event)->reason())) {
        if (const auto item = indexPathForItemWidget(static_cast<QWidget *>(watched)))
            scrollToItem(*item);
    }
    return QScrollArea::eventFilter(watched, event);
}

std::optional<CollectionIndexPath> CollectionContainerView::focusedItem() const
{
    return indexPathForItemWidget(QApplication::focusWidget());
}

std::optional<CollectionIndexPath> CollectionContainerView::firstShownItem() const
{
    if (!m_layout)
        return std::nullopt;
    for (const CollectionViewLayoutAttributes &attributes : m_layout->layoutAttributesForElementsInRect(bounds())) {
        if (attributes.representedElementCategory == CollectionElementCategory::Item)
            return attributes.indexPath;
    }
    return std::nullopt;
}

int CollectionContainerView::itemsPerPage() const
{
    if (!m_layout)
        return 1;
    const QRectF visible = bounds();
    int whole = 0;
    for (const CollectionViewLayoutAttributes &attributes : m_layout->layoutAttributesForElementsInRect(visible)) {
        if (attributes.representedElementCategory == CollectionElementCategory::Item
            && visible.contains(attributes.frame))
            ++whole;
    }
    return std::max(1, whole);
}

int CollectionContainerView::totalItemCount() const
{
    int total = 0;
    for (const int count : m_itemCounts)
        total += count;
    return total;
}

std::optional<CollectionIndexPath> CollectionContainerView::indexPathAtPosition(int position) const
{
    if (position < 0)
        return std::nullopt;
    for (int section = 0; section < m_itemCounts.size(); ++section) {
        if (position < m_itemCounts.at(section))
            return CollectionIndexPath{section, position};
        position -= m_itemCounts.at(section);
    }
    return std::nullopt;
}

int CollectionContainerView::positionOfIndexPath(const CollectionIndexPath &indexPath) const
{
    int position = 0;
    for (int section = 0; section < indexPath.section && section < m_itemCounts.size(); ++section)
        position += m_itemCounts.at(section);
    return position + indexPath.item;
}

QWidget *CollectionContainerView::supplementaryViewForKind(const QString &kind, int section) const
{
    const auto found = m_supplementaryViews.find({kind, section});
    return found == m_supplementaryViews.end() ? nullptr : found->second.data();
}

QRectF CollectionContainerView::bounds() const
{
    return QRectF(0, verticalScrollBar()->value(), viewport()->width(), viewport()->height());
}

int CollectionContainerView::numberOfItemsInSection(int section) const
{
    return section >= 0 && section < m_itemCounts.size() ? m_itemCounts.at(section) : 0;
}

void CollectionContainerView::collectionViewLayoutInvalidated()
{
    m_layoutValid = false;
    requestLayout();
}

void CollectionContainerView::requestLayout()
{
    if (m_layoutRequested)
        return;
    m_layoutRequested = true;
    QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
}

bool CollectionContainerView::event(QEvent *event)
{
    if (event->type() == QEvent::LayoutRequest) {
        layoutIfNeeded();
        return true;
    }
    return QScrollArea::event(event);
}

void CollectionContainerView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    if (m_layout && m_layout->shouldInvalidateLayoutForBoundsChange(bounds()))
        m_layoutValid = false;
    layoutIfNeeded();
}

bool CollectionContainerView::focusNextPrevChild(bool next)
{
    // The scroll area would bring whatever it moved the focus to into view, and for the list
    // itself (passed on the way out of it) that means scrolling to its middle. Items scroll
    // themselves into view when they take the focus.
    return m_reusesItems ? QWidget::focusNextPrevChild(next) : QScrollArea::focusNextPrevChild(next);
}

void CollectionContainerView::layoutIfNeeded()
{
    m_layoutRequested = false;
    if (!m_layout)
        return;
    if (!m_layoutValid) {
        m_layoutValid = true;
        m_layout->prepareLayout();
    }
    placeElements();
}

void CollectionContainerView::placeElements()
{
    // Placing can scroll (the content shrinks) or move the focus (a widget is freed), which asks
    // for another placement: it runs once more after this one rather than inside it.
    if (m_placing) {
        m_placeAgain = true;
        return;
    }
    m_placing = true;
    do {
        m_placeAgain = false;
        const QSizeF contentSize = m_layout->collectionViewContentSize();
        m_content->resize(viewport()->width(), qCeil(contentSize.height()));
        if (m_reusesItems)
            realizeItems();
        for (const auto &item : m_items) {
            const auto attributes = m_layout->layoutAttributesForItemAtIndexPath(item.first);
            if (!item.second || !attributes)
                continue;
            item.second->setGeometry(attributes->frame.toRect());
            if (m_reusesItems && item.second->isHidden())
                item.second->show();
        }
        for (int section = 0; section < m_itemCounts.size(); ++section) {
            placeSupplementary(CollectionElementKind::SectionHeader, section);
            placeSupplementary(CollectionElementKind::SectionFooter, section);
        }
    } while (m_placeAgain);
    m_placing = false;
}

void CollectionContainerView::placeSupplementary(const QString &kind, int section)
{
    const auto attributes = m_layout->layoutAttributesForSupplementaryViewOfKind(kind, {section, 0});
    const auto key = std::make_pair(kind, section);
    auto found = m_supplementaryViews.find(key);
    if (!attributes) {
        if (found != m_supplementaryViews.end() && found->second)
            found->second->hide();
        return;
    }
    if (found == m_supplementaryViews.end()) {
        QWidget *widget = m_dataSource ? m_dataSource->supplementaryViewForKind(kind, {section, 0}) : nullptr;
        if (widget)
            widget->setParent(m_content);
        found = m_supplementaryViews.emplace(key, widget).first;
    }
    if (found->second) {
        found->second->setGeometry(attributes->frame.toRect());
        found->second->show();
    }
}
