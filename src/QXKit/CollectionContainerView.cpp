#include "CollectionContainerView.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <QtMath>

CollectionContainerView::CollectionContainerView(QWidget *parent)
    : QScrollArea(parent)
    , m_content(new QWidget)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(false);
    m_content->setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    setWidget(m_content);
}

CollectionContainerView::~CollectionContainerView()
{
    // The layout may still ask its view during its own destruction.
    if (m_layout)
        m_layout->setCollectionView(nullptr);
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

void CollectionContainerView::reloadData()
{
    discardWidgets();
    if (m_dataSource) {
        for (int section = 0; section < m_dataSource->numberOfSections(); ++section) {
            m_items.append(QList<QPointer<QWidget>>());
            for (int item = 0; item < m_dataSource->numberOfItemsInSection(section); ++item) {
                QWidget *widget = m_dataSource->itemForIndexPath({section, item});
                if (widget) {
                    widget->setParent(m_content);
                    widget->show();
                }
                m_items.last().append(widget);
            }
        }
    }
    collectionViewLayoutInvalidated();
}

void CollectionContainerView::discardWidgets()
{
    // Deleted later: the reload may have been started from inside one of these widgets.
    for (const auto &section : std::as_const(m_items)) {
        for (const QPointer<QWidget> &widget : section) {
            if (widget) {
                widget->hide();
                widget->deleteLater();
            }
        }
    }
    for (const auto &entry : m_supplementaryViews) {
        if (entry.second) {
            entry.second->hide();
            entry.second->deleteLater();
        }
    }
    m_items.clear();
    m_supplementaryViews.clear();
}

QWidget *CollectionContainerView::itemAtIndexPath(const CollectionIndexPath &indexPath) const
{
    if (indexPath.section < 0 || indexPath.section >= m_items.size())
        return nullptr;
    const auto &items = m_items.at(indexPath.section);
    return indexPath.item >= 0 && indexPath.item < items.size() ? items.at(indexPath.item).data() : nullptr;
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
    return section >= 0 && section < m_items.size() ? static_cast<int>(m_items.at(section).size()) : 0;
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
    const QSizeF contentSize = m_layout->collectionViewContentSize();
    m_content->resize(viewport()->width(), qCeil(contentSize.height()));
    for (int section = 0; section < m_items.size(); ++section) {
        const auto &items = m_items.at(section);
        for (int item = 0; item < items.size(); ++item) {
            const auto attributes = m_layout->layoutAttributesForItemAtIndexPath({section, item});
            if (items.at(item) && attributes)
                items.at(item)->setGeometry(attributes->frame.toRect());
        }
        placeSupplementary(CollectionElementKind::SectionHeader, section);
        placeSupplementary(CollectionElementKind::SectionFooter, section);
    }
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
