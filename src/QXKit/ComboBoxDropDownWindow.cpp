#include "ComboBoxDropDownWindow.h"

#include "AccessibleFactory.h"
#include "AccessibleFocus.h"
#include "ComboBoxListAccessible.h"
#include "QXColor.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QItemSelectionModel>
#include <QPainter>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

QColor tableBackground() { return qxkit::hexWithHex(0x303344); }
QColor windowBackground() { return qxkit::hexWithHex(0x343A4D); }
QColor rowHighlight() { return qxkit::hexWithHex(0x116CD6); }

void fillBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

QSize dragViewTableCell::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight};
}

void dragViewTableCell::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    const bool highlighted = option.state.testFlag(QStyle::State_MouseOver)
        || (view && view->currentIndex() == index);
    painter->save();
    if (highlighted)
        painter->fillRect(option.rect, rowHighlight());
    painter->setPen(qxkit::globalTextColor());
    painter->setFont(option.font);
    const QRect textRect = option.rect.adjusted(10, 0, -10, 0);
    const QString text = option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight,
                                                       textRect.width());
    painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text);
    painter->restore();
}

dragListView::dragListView(QWidget *parent) : QListView(parent)
{
    qxkit::installAccessibleInterface<dragListView, dragListAccessible>();
}

dragViewController::dragViewController(const QStringList &contentArray, QWidget *parent)
    : QWidget(parent), m_contentArray(contentArray)
{
    // Carriage returns would break the row apart; they are only hidden, the picked string keeps them.
    QStringList shown;
    shown.reserve(contentArray.size());
    for (const QString &string : contentArray)
        shown.append(QString(string).remove(QLatin1Char('\r')));
    m_model = new QStringListModel(shown, this);

    m_infoTable = new dragListView(this);
    m_infoTable->setModel(m_model);
    m_infoTable->setItemDelegate(new dragViewTableCell(m_infoTable));
    m_infoTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_infoTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_infoTable->setUniformItemSizes(true);
    m_infoTable->setSpacing(0);
    m_infoTable->setFrameShape(QFrame::NoFrame);
    m_infoTable->setFocusPolicy(Qt::NoFocus);
    m_infoTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_infoTable->setMouseTracking(true);
    m_infoTable->viewport()->setAttribute(Qt::WA_Hover);
    fillBackground(m_infoTable, tableBackground());
    fillBackground(m_infoTable->viewport(), tableBackground());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_infoTable);

    connect(m_infoTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &dragViewController::tableViewSelectionDidChange);
}

void dragViewController::moveHighlight(int step)
{
    const int count = m_model->rowCount();
    if (count == 0)
        return;
    const QModelIndex current = m_infoTable->currentIndex();
    const int row = current.isValid() ? current.row() + step : (step > 0 ? 0 : count - 1);
    highlightRow(qBound(0, row, count - 1));
}

void dragViewController::highlightEnd(bool last)
{
    if (const int count = m_model->rowCount())
        highlightRow(last ? count - 1 : 0);
}

void dragViewController::highlightRow(int row)
{
    // The list never takes the keyboard focus (its box keeps it); the row the keys are on is
    // heard as the focus all the same, as in any list. A list view announces a new current row
    // itself; the list without one is announced here.
    const QModelIndex next = m_model->index(row);
    if (!next.isValid()) {
        if (!m_infoTable->currentIndex().isValid())
            qxkit::announceFocus(m_infoTable);
        return;
    }
    m_infoTable->selectionModel()->setCurrentIndex(next, QItemSelectionModel::NoUpdate);
    m_infoTable->scrollTo(next);
    m_infoTable->viewport()->update();
}

bool dragViewController::pickHighlighted()
{
    const QModelIndex current = m_infoTable->currentIndex();
    if (!current.isValid())
        return false;
    m_infoTable->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
    return true;
}

void dragViewController::tableViewSelectionDidChange()
{
    const QModelIndexList rows = m_infoTable->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    const int row = rows.first().row();
    if (row < 0 || row >= m_contentArray.size())
        return;
    m_selectedIndex = row;
    m_infoString = m_contentArray.at(row);
    window()->close();
}

dragWindowController::dragWindowController(const QStringList &contentArray, const QString &name, QWidget *owner)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint),
      m_contentArray(contentArray)
{
    setFocusPolicy(Qt::NoFocus);
    fillBackground(this, windowBackground());
    setAccessibleName(name);

    m_dragVC = new dragViewController(contentArray, this);
    // Heard as itself while no row is highlighted: named after its box, not an unnamed list.
    m_dragVC->infoTable()->setAccessibleName(name);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_dragVC);
}

void dragWindowController::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit windowWillClose();
}

void dragWindowController::keyPressEvent(QKeyEvent *event)
{
    // An open popup receives every key; its owner, which holds the focus, answers them.
    if (QWidget *owner = parentWidget())
        QCoreApplication::sendEvent(owner, event);
    else
        QWidget::keyPressEvent(event);
}
