#include "ComboBoxView.h"

#include "AccessibleFactory.h"
#include "AccessibleFocus.h"
#include "ComboBoxAccessible.h"
#include "ComboBoxDropDownWindow.h"
#include "PopupKeys.h"
#include "QXColor.h"
#include "QXEventLoop.h"
#include "QXLocalized.h"
#include "QXView.h"

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QThread>
#include <QToolButton>

namespace {

QColor controlBackground() { return qxkit::hexWithHex(0x303344); }
constexpr int buttonWidth = 24;

} // namespace

ComboboxDelegate::ComboboxDelegate() : m_anchor(std::make_shared<ComboboxDelegate *>(this)) {}

ComboboxDelegate::~ComboboxDelegate() = default;

std::optional<QStringList> ComboboxDelegate::contentForCombleBox(ComboBoxView *)
{
    return std::nullopt;
}

void ComboboxDelegate::comboBox(ComboBoxView *, qint64, const QString &) {}

ComboBoxView::ComboBoxView(QWidget *parent) : QWidget(parent)
{
    qxkit::installAccessibleInterface<ComboBoxView, ComboBoxAccessible>();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);

    m_contentView = new QWidget(this);
    QPalette palette = m_contentView->palette();
    palette.setColor(QPalette::Window, controlBackground());
    palette.setColor(QPalette::Base, controlBackground());
    palette.setColor(QPalette::Text, qxkit::globalTextColor());
    palette.setColor(QPalette::WindowText, qxkit::globalTextColor());
    palette.setColor(QPalette::Button, controlBackground());
    palette.setColor(QPalette::ButtonText, qxkit::globalTextColor());
    m_contentView->setPalette(palette);
    m_contentView->setAutoFillBackground(true);

    // The control itself holds the keyboard focus; its parts only show and take clicks.
    m_infoField = new QLineEdit(m_contentView);
    m_infoField->setReadOnly(true);
    m_infoField->setFrame(false);
    m_infoField->setFocusPolicy(Qt::NoFocus);
    m_infoField->setContextMenuPolicy(Qt::NoContextMenu);
    m_infoField->setAttribute(Qt::WA_MacShowFocusRect, false);

    m_btnDragDown = new QToolButton(m_contentView);
    m_btnDragDown->setArrowType(Qt::DownArrow);
    m_btnDragDown->setAutoRaise(true);
    m_btnDragDown->setFocusPolicy(Qt::NoFocus);
    m_btnDragDown->setFixedWidth(buttonWidth);
    m_btnDragDown->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    connect(m_btnDragDown, &QToolButton::clicked, this, &ComboBoxView::clickToShowDragWindow);

    auto *contentLayout = new QHBoxLayout(m_contentView);
    contentLayout->setContentsMargins(6, 0, 0, 0);
    contentLayout->setSpacing(0);
    contentLayout->addWidget(m_infoField, 1);
    contentLayout->addWidget(m_btnDragDown);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_contentView);

    connect(&m_outside, &qxkit::TransientWatch::left, this, &ComboBoxView::hideDragWindow);
}

ComboBoxView::~ComboBoxView()
{
    // Nothing may reach this control while its children, the list window among them, go away.
    m_outside.stop();
    qApp->removeEventFilter(this);
    if (m_dragWC) {
        disconnect(m_dragWC, nullptr, this, nullptr);
        delete m_dragWC;
    }
    delete m_closedWC;
}

ComboboxDelegate *ComboBoxView::delegate() const
{
    const auto anchor = m_delegate.lock();
    return anchor ? *anchor : nullptr;
}

dragWindowController *ComboBoxView::dragWC() const
{
    return m_dragWC;
}

void ComboBoxView::setDelegate(ComboboxDelegate *delegate)
{
    m_delegate = delegate ? delegate->m_anchor : std::weak_ptr<ComboboxDelegate *>();
}

void ComboBoxView::clickToShowDragWindow()
{
    if (m_isDragWindowShow)
        hideDragWindow();
    else
        showDragWindow();
}

void ComboBoxView::showDragWindow()
{
    if (ComboboxDelegate *source = delegate()) {
        if (std::optional<QStringList> strings = source->contentForCombleBox(this))
            m_contentArray = std::move(*strings);
    }
    if (m_dragWC) {
        // A controller left over from the last pick; it is replaced by a fresh one.
        disconnect(m_dragWC, nullptr, this, nullptr);
        m_dragWC->deleteLater();
    }
    if (m_closedWC)
        m_closedWC->deleteLater();
    m_dragWC = new dragWindowController(
        m_contentArray,
        accessibleName().isEmpty() ? qxLocalized(QStringLiteral("ov_a11y_choices")) : accessibleName(), this);
    const int width = m_contentView->width();
    const int height = m_showFull ? int(m_contentArray.size()) * dragViewTableCell::rowHeight : width;
    connect(m_dragWC, &dragWindowController::windowWillClose, this, &ComboBoxView::windowWillClose);
    m_dragWC->setGeometry(getdragWindowRect(m_contentView, width, height));
    m_dragWC->show();
    setDragWindowShown(true);
    // The list opens at the value the box shows, and is heard there.
    m_dragWC->dragVC()->highlightRow(getSelectedString().isEmpty() ? -1 : int(selectedIndex()));
}

void ComboBoxView::hideDragWindow()
{
    if (!m_dragWC)
        return;
    // Closing runs the close rule while the list still counts as open, with nothing picked.
    m_dragWC->close();
    disconnect(m_dragWC, nullptr, this, nullptr);
    if (m_closedWC)
        m_closedWC->deleteLater();
    m_closedWC = std::exchange(m_dragWC, nullptr);
    setDragWindowShown(false);
}

void ComboBoxView::windowWillClose()
{
    if (!m_isDragWindowShow || !m_dragWC)
        return;
    const dragViewController *table = m_dragWC->dragVC();
    const QString picked = table->infoString();
    if (!picked.isNull()) {
        showChoice(picked);
        if (ComboboxDelegate *receiver = delegate())
            receiver->comboBox(this, table->selectedIndex(), picked);
    }
    setDragWindowShown(false);
}

void ComboBoxView::setDragWindowShown(bool shown)
{
    if (m_isDragWindowShow == shown)
        return;
    m_isDragWindowShow = shown;
    if (shown) {
        qApp->installEventFilter(this);
        m_outside.start();
    } else {
        qApp->removeEventFilter(this);
        m_outside.stop();
    }
    QAccessible::State changed;
    changed.expanded = true;
    changed.collapsed = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    // The box kept the keyboard focus while its list was heard; once the list is gone the box
    // is heard again, with the value it now has.
    if (!shown && hasFocus())
        qxkit::announceFocus(this);
}

void ComboBoxView::showChoice(const QString &text)
{
    m_selectString = text;
    m_infoField->setText(text);
    m_infoField->setCursorPosition(0);
    QAccessibleValueChangeEvent event(this, text);
    QAccessible::updateAccessibility(&event);
}

void ComboBoxView::setStringOfIndex(quint64 index)
{
    std::optional<QStringList> strings;
    if (ComboboxDelegate *source = delegate())
        strings = source->contentForCombleBox(this);
    auto apply = [this, index, strings = std::move(strings)] {
        if (strings)
            m_contentArray = *strings;
        if (index < quint64(m_contentArray.size()))
            showChoice(m_contentArray.at(qsizetype(index)));
    };
    // The control's state is touched on its own thread only, so a worker may call this safely.
    if (QThread::currentThread() == thread())
        apply();
    else
        qxOnGuiThread(QPointer<ComboBoxView>(this), std::move(apply));
}

qint64 ComboBoxView::selectedIndex() const
{
    if (m_selectString.isNull())
        return -1;
    return m_contentArray.indexOf(m_selectString);
}

QString ComboBoxView::getSelectedString() const
{
    return m_infoField->text();
}

void ComboBoxView::clearSelectedValue()
{
    m_infoField->setText(QString());
    QAccessibleValueChangeEvent event(this, QString());
    QAccessible::updateAccessibility(&event);
}

void ComboBoxView::setPlaceholderText(const QString &text)
{
    m_infoField->setPlaceholderText(text);
}

QRect ComboBoxView::getdragWindowRect(const QWidget *view, int width, int height) const
{
    return {view->mapToGlobal(QPoint(0, view->height())), QSize(width, height)};
}

bool ComboBoxView::isPointInSubWindow(const QPoint &globalPoint) const
{
    if (!m_dragWC)
        return false;
    QRect area = m_dragWC->geometry();
    area.setTop(area.top() - m_contentView->height());
    return area.contains(globalPoint);
}

bool ComboBoxView::isPoint(const QPoint &globalPoint, const QWidget *view) const
{
    if (!view)
        return false;
    const QRect onScreen(view->mapToGlobal(QPoint(0, 0)), QSize(view->width() - 20, view->height()));
    return onScreen.contains(globalPoint);
}

bool ComboBoxView::eventFilter(QObject *watched, QEvent *event)
{
    // The list stays under the field when the operator moves or resizes the window.
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && m_dragWC && watched == window())
        m_dragWC->move(getdragWindowRect(m_contentView, 0, 0).topLeft());
    // While the list is open every press lands on it, wherever the pointer is, and one outside
    // it closes it there and goes no further (the drop-down button does not open it again). A
    // press on the field keeps it open.
    if (event->type() == QEvent::MouseButtonPress && m_dragWC && watched == m_dragWC) {
        const QPoint point = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        if (!m_dragWC->geometry().contains(point) && isPoint(point, m_contentView))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ComboBoxView::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool alt = event->modifiers().testFlag(Qt::AltModifier);
    if (!m_isDragWindowShow) {
        // Return is left to the dialog around the box, whose default button it presses.
        if (key == Qt::Key_Space || key == Qt::Key_F4 || (alt && key == Qt::Key_Down)) {
            // Held on, the key would pick a row or close the list again.
            qxkit::holdBackKey(*event);
            showDragWindow();
            return;
        }
        QWidget::keyPressEvent(event);
        return;
    }
    dragViewController *table = m_dragWC ? m_dragWC->dragVC() : nullptr;
    switch (key) {
    case Qt::Key_Escape:
    case Qt::Key_F4:
        hideDragWindow();
        return;
    case Qt::Key_Up:
        if (alt)
            hideDragWindow();
        else if (table)
            table->moveHighlight(-1);
        return;
    case Qt::Key_Down:
        if (table)
            table->moveHighlight(1);
        return;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (table)
            table->highlightEnd(key == Qt::Key_End);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (table)
            table->pickHighlighted();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ComboBoxView::focusOutEvent(QFocusEvent *event)
{
    // Tabbing away leaves nothing open behind the operator's back.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        hideDragWindow();
    QWidget::focusOutEvent(event);
}
