#include "Dialog.h"

#include "AlertSheet.h"
#include "ConfirmDialogController.h"
#include "DialogPresenter.h"
#include "InputDialogViewController.h"
#include "QXEventLoop.h"
#include "QXView.h"
#include "PopoverController.h"
#include "SelectDialogController.h"

#include <QApplication>
#include <QPointer>
#include <QPromise>
#include <QScreen>
#include <QThread>
#include <QWidget>

#include <memory>

namespace Modalia {

namespace {

// Dialogs live on the GUI thread. A call from another thread (a socket asking for a password)
// is carried over to it; widgets named by the caller are followed with QPointer so one that went
// away in between counts as not given. Returns true when the call was carried over.
template<typename Show>
bool carriedToGuiThread(Show show)
{
    if (!qApp || QThread::currentThread() == qApp->thread())
        return false;
    qxOnGuiThread(std::move(show));
    return true;
}

QWidget *presentingWindow(QWidget *from)
{
    return from ? from->window() : DialogPresenter::defaultParent();
}

// Shows a dialog made for `parent`; a dialog that cannot be shown is deleted, and its destructor
// gives the "not answered" outcome.
void presentOrDrop(QDialog *dialog, QWidget *parent)
{
    if (!DialogPresenter::current().present(dialog, parent))
        delete dialog;
}

// Where a choice list opens: beside the anchor rectangle on the preferred edge, kept on screen.
QPoint popoverPosition(const QRect &anchor, QWidget *of, const QSize &size, Qt::Edge edge)
{
    const QRect global(of->mapToGlobal(anchor.topLeft()), anchor.size());
    QPoint position;
    switch (edge) {
    case Qt::TopEdge:
        position = QPoint(global.center().x() - size.width() / 2, global.top() - size.height());
        break;
    case Qt::LeftEdge:
        position = QPoint(global.left() - size.width(), global.center().y() - size.height() / 2);
        break;
    case Qt::RightEdge:
        position = QPoint(global.right() + 1, global.center().y() - size.height() / 2);
        break;
    case Qt::BottomEdge:
        position = QPoint(global.center().x() - size.width() / 2, global.bottom() + 1);
        break;
    }
    if (const QScreen *screen = of->screen()) {
        const QRect area = screen->availableGeometry();
        position.setX(qBound(area.left(), position.x(), qMax(area.left(), area.right() - size.width())));
        position.setY(qBound(area.top(), position.y(), qMax(area.top(), area.bottom() - size.height())));
    }
    return position;
}

// Shows a popover beside the anchor over `parent`; the anchor, which opened it, gets the focus
// back when it closes.
void presentPopover(PopoverController *popover, const QRect &anchor, QWidget *of, Qt::Edge edge, QWidget *parent)
{
    popover->move(popoverPosition(anchor, of, popover->size(), edge));
    popover->setOpener(of);
    presentOrDrop(popover, parent);
}

std::shared_ptr<QPromise<int>> startedPromise()
{
    auto promise = std::make_shared<QPromise<int>>();
    promise->start();
    return promise;
}

void settle(QPromise<int> &promise, std::optional<int> value)
{
    if (value)
        promise.addResult(*value);
    else
        promise.setException(DialogException(DialogError::noWindowToPresent));
    promise.finish();
}

} // namespace

const char *DialogException::what() const noexcept
{
    return "no window to present the dialog";
}

void Dialog::showInput(const QString &title, const std::optional<QString> &cancel,
                       const std::optional<QString> &confirm, QWidget *from, InputAction action)
{
    showInputEchoing(false, title, cancel, confirm, from, std::move(action));
}

void Dialog::showPasswordInput(const QString &title, const std::optional<QString> &cancel,
                               const std::optional<QString> &confirm, QWidget *from, InputAction action)
{
    showInputEchoing(true, title, cancel, confirm, from, std::move(action));
}

void Dialog::showInputEchoing(bool password, const QString &title, const std::optional<QString> &cancel,
                              const std::optional<QString> &confirm, QWidget *from, InputAction action)
{
    if (carriedToGuiThread([=, from = QPointer<QWidget>(from)] {
            showInputEchoing(password, title, cancel, confirm, from, action);
        }))
        return;
    QWidget *parent = presentingWindow(from);
    if (!parent) {
        if (action)
            action(std::nullopt);
        return;
    }
    auto *dialog = new InputDialogViewController(title, cancel, confirm, std::move(action), parent);
    if (password)
        qxkit::setPasswordEntry(dialog->valueText());
    presentOrDrop(dialog, parent);
}

void Dialog::showConfirm(const QString &title, const std::optional<QString> &cancel,
                         const std::optional<QString> &confirm, QWidget *from, std::function<void()> confirmed)
{
    if (carriedToGuiThread(
            [=, from = QPointer<QWidget>(from)] { showConfirm(title, cancel, confirm, from, confirmed); }))
        return;
    QWidget *parent = presentingWindow(from);
    if (!parent)
        return;
    presentOrDrop(new ConfirmDialogController(title, cancel, confirm, std::move(confirmed), parent), parent);
}

void Dialog::showSelectAsPopover(const QStringList &items, QSize size, QRect relativeTo, QWidget *of,
                                 Qt::Edge preferredEdge, PopoverBehavior behavior, QWidget *from,
                                 std::function<void(int)> action)
{
    showSelect(items, size, relativeTo, of, preferredEdge, behavior, from,
               [action = std::move(action)](std::optional<int> row) {
                   if (row && action)
                       action(*row);
               });
}

void Dialog::showSelect(const QStringList &items, QSize size, QRect relativeTo, QWidget *of, Qt::Edge preferredEdge,
                        PopoverBehavior behavior, QWidget *from, std::function<void(std::optional<int>)> answer)
{
    if (carriedToGuiThread([=, of = QPointer<QWidget>(of), from = QPointer<QWidget>(from)] {
            if (of)
                showSelect(items, size, relativeTo, of, preferredEdge, behavior, from, answer);
            else
                answer(std::nullopt);
        }))
        return;
    QWidget *parent = presentingWindow(from);
    if (!parent || !of) {
        answer(std::nullopt);
        return;
    }
    presentPopover(new SelectDialogController(size, items, std::move(answer), behavior, parent), relativeTo, of,
                   preferredEdge, parent);
}

void Dialog::showAlert(AlertStyle style, const QString &title, const std::optional<QString> &message,
                       const QIcon &icon, const QStringList &buttons, QWidget *in,
                       std::function<void(int)> completion)
{
    showAlertAnswering(style, title, message, icon, buttons, in,
                       [completion = std::move(completion)](std::optional<int> index) {
                           if (index && completion)
                               completion(*index);
                       });
}

void Dialog::showAlertAnswering(AlertStyle style, const QString &title, const std::optional<QString> &message,
                                const QIcon &icon, const QStringList &buttons, QWidget *in,
                                std::function<void(std::optional<int>)> answer)
{
    if (carriedToGuiThread([=, in = QPointer<QWidget>(in)] {
            showAlertAnswering(style, title, message, icon, buttons, in, answer);
        }))
        return;
    if (!in) {
        answer(std::nullopt);
        return;
    }
    QWidget *window = in->window();
    presentOrDrop(new AlertSheet(style, title, message, icon, buttons, std::move(answer), window), window);
}

QDialog *Dialog::showPopover(QWidget *content, QRect relativeTo, QWidget *of, Qt::Edge preferredEdge,
                             PopoverBehavior behavior)
{
    QWidget *parent = of ? of->window() : nullptr;
    if (!parent) {
        delete content;
        return nullptr;
    }
    QPointer<PopoverController> popover = new PopoverController(content, behavior, parent);
    presentPopover(popover, relativeTo, of, preferredEdge, parent);
    return popover;
}

QFuture<int> Dialog::promiseSelectAsPopover(const QStringList &items, QSize size, QRect relativeTo, QWidget *of,
                                            Qt::Edge preferredEdge, PopoverBehavior behavior, QWidget *from)
{
    auto promise = startedPromise();
    showSelect(items, size, relativeTo, of, preferredEdge, behavior, from,
               [promise](std::optional<int> row) { settle(*promise, row); });
    return promise->future();
}

QFuture<int> Dialog::promiseAlert(AlertStyle style, const QString &title, const std::optional<QString> &message,
                                  const QIcon &icon, const QStringList &buttons, QWidget *in)
{
    auto promise = startedPromise();
    showAlertAnswering(style, title, message, icon, buttons, in,
                       [promise](std::optional<int> index) { settle(*promise, index); });
    return promise->future();
}

} // namespace Modalia
