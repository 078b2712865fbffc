#include "NSNavigationController.h"

#include "QXView.h"

#include <QApplication>
#include <QEasingCurve>
#include <QVariantAnimation>

#include <algorithm>

Q_DECLARE_METATYPE(QPointer<NSNavigationController>)
Q_DECLARE_METATYPE(QPointer<QWidget>)

namespace {

const char *const kNavigationControllerKey = "kNavgationControllerKey";
const char *const kFocusOnReturnKey = "orvaneFocusOnReturn";
constexpr int kSlideMilliseconds = 250;

} // namespace

NSNavigationController::NSNavigationController(QWidget *rootViewController, QWidget *parent)
    : QWidget(parent)
    , m_animation(new QVariantAnimation(this))
{
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(1.0);
    m_animation->setDuration(kSlideMilliseconds);
    m_animation->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        if (!m_transitionFrom || !m_transitionTo)
            return;
        const int toX = static_cast<int>(m_slideDirection * width() * (1.0 - value.toDouble()));
        m_transitionTo->move(toX, 0);
        m_transitionFrom->move(toX - m_slideDirection * width(), 0);
    });
    connect(m_animation, &QVariantAnimation::finished, this, &NSNavigationController::completeTransition);

    adopt(rootViewController);
    rootViewController->setGeometry(rect());
    rootViewController->show();
    m_top = rootViewController;
}

NSNavigationController::~NSNavigationController()
{
    m_animation->stop();
}

QWidget *NSNavigationController::rootViewController() const
{
    return m_stack.isEmpty() ? nullptr : m_stack.first().data();
}

QWidget *NSNavigationController::topViewController() const
{
    return m_top;
}

QList<QWidget *> NSNavigationController::viewControllers() const
{
    QList<QWidget *> controllers;
    for (const QPointer<QWidget> &controller : m_stack) {
        if (controller)
            controllers.append(controller);
    }
    return controllers;
}

QSizeF NSNavigationController::minimunSize() const
{
    return m_minimunSize;
}

void NSNavigationController::setMinimunSize(const QSizeF &size)
{
    m_minimunSize = size;
}

QSizeF NSNavigationController::maximunSize() const
{
    return m_maximunSize;
}

void NSNavigationController::setMaximunSize(const QSizeF &size)
{
    m_maximunSize = size;
}

void NSNavigationController::pushViewController(QWidget *viewController, bool animated)
{
    if (!viewController)
        return;
    finishTransition();
    if (QWidget *focus = QApplication::focusWidget(); focus && m_top && m_top->isAncestorOf(focus))
        orvane::setFocusOnReturn(m_top, focus);
    adopt(viewController);
    QPointer<QWidget> incoming(viewController);
    transition(m_top, viewController, animated ? Slide::left : Slide::none, [this, incoming] {
        if (incoming)
            m_top = incoming;
    });
}

QWidget *NSNavigationController::popViewControllerAnimated(bool animated)
{
    finishTransition();
    const QList<QWidget *> stack = viewControllers();
    if (stack.size() < 2)
        return nullptr;
    QPointer<QWidget> leaving(stack.last());
    QPointer<QWidget> below(stack.at(stack.size() - 2));
    const bool focusGoes = holdsFocus({leaving});
    transition(leaving, below, animated ? Slide::right : Slide::none, [this, leaving, below] {
        m_stack.removeAll(leaving);
        if (leaving)
            leaving->deleteLater();
        m_top = below;
    });
    if (focusGoes)
        returnFocus(below);
    return m_top;
}

QList<QWidget *> NSNavigationController::popToRootViewControllerAnimated(bool animated)
{
    finishTransition();
    const QList<QWidget *> stack = viewControllers();
    if (stack.size() < 2)
        return {};
    const QList<QWidget *> above = stack.mid(1);
    const QList<QPointer<QWidget>> removed(above.cbegin(), above.cend());
    QPointer<QWidget> root(stack.first());
    const bool focusGoes = holdsFocus(above);
    transition(m_top, root, animated ? Slide::right : Slide::none, [this, removed, root] {
        for (const QPointer<QWidget> &controller : removed) {
            m_stack.removeAll(controller);
            if (controller)
                controller->deleteLater();
        }
        m_top = root;
    });
    if (focusGoes)
        returnFocus(root);
    return above;
}

bool NSNavigationController::isTransitioning() const
{
    return static_cast<bool>(m_completion);
}

void NSNavigationController::finishTransition()
{
    if (!isTransitioning())
        return;
    m_animation->stop();
    completeTransition();
}

void NSNavigationController::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    applyWindowSizes();
}

void NSNavigationController::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    finishTransition();
    for (QWidget *controller : {rootViewController(), topViewController()}) {
        if (controller && controller->geometry() != rect())
            controller->setGeometry(rect());
    }
}

void NSNavigationController::adopt(QWidget *viewController)
{
    viewController->setParent(this);
    viewController->setProperty(kNavigationControllerKey,
                                QVariant::fromValue(QPointer<NSNavigationController>(this)));
    m_stack.append(QPointer<QWidget>(viewController));
}

bool NSNavigationController::holdsFocus(const QList<QWidget *> &leaving) const
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != window())
        return !focus;
    return std::any_of(leaving.cbegin(), leaving.cend(),
                       [focus](const QWidget *screen) { return screen && screen->isAncestorOf(focus); });
}

// Done as the screen shows again, before the leaving one hides: the focus goes straight to it
// instead of wandering to whatever follows the leaving screen.
void NSNavigationController::returnFocus(QWidget *viewController)
{
    const auto control = viewController->property(kFocusOnReturnKey).value<QPointer<QWidget>>();
    if (control && viewController->isAncestorOf(control) && control->isVisible() && control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
}

void NSNavigationController::transition(QWidget *from, QWidget *to, Slide slide, std::function<void()> completion)
{
    m_transitionFrom = from;
    m_transitionTo = to;
    m_completion = std::move(completion);
    to->setGeometry(rect());
    to->show();
    to->raise();
    if (slide == Slide::none || !from || from == to) {
        completeTransition();
        return;
    }
    m_slideDirection = slide == Slide::left ? 1 : -1;
    to->move(m_slideDirection * width(), 0);
    m_animation->start();
}

void NSNavigationController::completeTransition()
{
    if (m_transitionTo)
        m_transitionTo->setGeometry(rect());
    if (m_transitionFrom && m_transitionFrom != m_transitionTo) {
        m_transitionFrom->hide();
        m_transitionFrom->setGeometry(rect());
    }
    m_transitionFrom.clear();
    m_transitionTo.clear();
    const std::function<void()> completion = std::exchange(m_completion, nullptr);
    if (completion)
        completion();
}

void NSNavigationController::applyWindowSizes()
{
    QWidget *window = this->window();
    if (m_minimunSize.width() > 0 && m_minimunSize.height() > 0) {
        const QSize minimum = m_minimunSize.toSize();
        const QRect frame = window->geometry();
        // Widened equally on both sides; the window rises: its top edge by five quarters of the
        // height gained, its bottom edge by one quarter. Where the compositor places windows,
        // it keeps the window where it put it.
        const int x = frame.x() - (minimum.width() - frame.width()) / 2;
        const int y = frame.y() - (minimum.height() - frame.height()) * 5 / 4;
        if (qxkit::placesOwnWindows())
            window->setGeometry(x, y, minimum.width(), minimum.height());
        else
            window->resize(minimum);
        window->setMinimumSize(minimum);
    }
    if (m_maximunSize.width() > 0 && m_maximunSize.height() > 0)
        window->setMaximumSize(m_maximunSize.toSize());
}

namespace orvane {

NSNavigationController *navigationController(const QWidget *viewController)
{
    if (!viewController)
        return nullptr;
    return viewController->property(kNavigationControllerKey).value<QPointer<NSNavigationController>>();
}

void setFocusOnReturn(QWidget *viewController, QWidget *control)
{
    viewController->setProperty(kFocusOnReturnKey, QVariant::fromValue(QPointer<QWidget>(control)));
}

QWidget *previewsVC(const QWidget *viewController)
{
    const NSNavigationController *container = navigationController(viewController);
    if (!container)
        return nullptr;
    const QList<QWidget *> stack = container->viewControllers();
    const qsizetype index = stack.indexOf(const_cast<QWidget *>(viewController));
    return index > 0 ? stack.at(index - 1) : nullptr;
}

} // namespace orvane
