#include "PopoverController.h"

#include "AccessibleFactory.h"
#include "QXColor.h"
#include "QXView.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace Modalia {

namespace {

// A dialog whose parent is the control that opened it. A screen reader that found the popover
// in a window of its own would name the window beneath again as the focus goes back to it.
class PopoverAccessible : public QAccessibleWidget
{
public:
    explicit PopoverAccessible(PopoverController *popover)
        : QAccessibleWidget(popover, QAccessible::Dialog)
    {
    }

    QAccessibleInterface *parent() const override
    {
        QWidget *opener = static_cast<PopoverController *>(widget())->opener();
        return opener ? QAccessible::queryAccessibleInterface(opener) : QAccessibleWidget::parent();
    }
};

} // namespace

PopoverController::PopoverController(QWidget *content, PopoverBehavior behavior, QWidget *parent)
    : QDialog(parent, Qt::Popup | Qt::FramelessWindowHint)
    , m_content(content)
    , m_behavior(behavior)
{
    qxkit::installAccessibleInterface<PopoverController, PopoverAccessible>();
    setPalette(qxkit::darkPalette());
    setAutoFillBackground(true);
    setAccessibleName(content->accessibleName());
    // A thin frame keeps the popover apart from the equally dark window beneath.
    qxkit::setBorderColor(this, QColor(74, 78, 98));
    qxkit::setBorderWidth(this, 1);
    connect(this, &QDialog::finished, this, &PopoverController::returnFocus);
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    connect(&m_outside, &qxkit::TransientWatch::left, this, [this] {
        // The focus stays where the operator went.
        m_opener = nullptr;
        reject();
    });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(content);
    // The content chose its default button before it joined the dialog, which would otherwise
    // make its own first button the default once shown.
    if (QPushButton *preferred = defaultButton()) {
        preferred->setDefault(false);
        preferred->setDefault(true);
    }
    adjustSize();
}

void PopoverController::setOpener(QWidget *opener)
{
    m_opener = opener && opener->focusPolicy() != Qt::NoFocus ? opener : QApplication::focusWidget();
}

void PopoverController::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (isTransient())
        m_outside.start();
    if (focusWidget())
        return;
    // A shown popup already counts as active, so the first control focused is really focused; a
    // button that takes the focus becomes the default. The control is chosen before any takes it.
    QWidget *first = nextInFocusChain();
    while (first != this && !(first->isVisibleTo(this) && first->isEnabled() && (first->focusPolicy() & Qt::TabFocus)))
        first = first->nextInFocusChain();
    if (first == this)
        return;
    QPushButton *preferred = qobject_cast<QPushButton *>(first) ? defaultButton() : nullptr;
    (preferred ? preferred : first)->setFocus(Qt::TabFocusReason);
}

void PopoverController::mousePressEvent(QMouseEvent *event)
{
    // A popup closes on a press outside it; one that waits for its answer stays.
    if (!isTransient() && !rect().contains(event->position().toPoint())) {
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void PopoverController::hideEvent(QHideEvent *event)
{
    m_outside.stop();
    QDialog::hideEvent(event);
}

QPushButton *PopoverController::defaultButton() const
{
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->isDefault() && button->isEnabled() && button->isVisibleTo(this))
            return button;
    }
    return nullptr;
}

void PopoverController::returnFocus()
{
    if (!m_opener)
        return;
    m_opener->window()->activateWindow();
    m_opener->setFocus(Qt::PopupFocusReason);
}

} // namespace Modalia
