#include "AccessibilityGuard.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>

namespace qxkit {

namespace {

QAccessible::UpdateHandler behindGuard = nullptr;

// Sees every focus-in before the widget's own handler runs: the line edit that has taken the
// focus and whose focus event has not gone out yet.
class FocusArrival : public QObject
{
public:
    using QObject::QObject;

    QPointer<QLineEdit> arriving;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            if (auto *field = qobject_cast<QLineEdit *>(watched))
                arriving = field;
        } else if (event->type() == QEvent::FocusOut && watched == arriving) {
            arriving.clear();
        }
        return false;
    }
};

QPointer<FocusArrival> focusArrival;

// Whether the event is one a field sends before its focus event, which must not reach a screen
// reader ahead of it. The next focus event ends the wait: the field's own, or that of the control
// a field inside it belongs to (a spin box hands its focus-in on to its line edit).
bool heldBeforeFocus(QAccessibleEvent *event)
{
    if (!focusArrival || !focusArrival->arriving)
        return false;
    if (event->type() == QAccessible::Focus) {
        focusArrival->arriving.clear();
        return false;
    }
    return event->object() == focusArrival->arriving
        && (event->type() == QAccessible::TextCaretMoved || event->type() == QAccessible::TextSelectionChanged);
}

void guard(QAccessibleEvent *event);

// Hands the event on as if the guard were not there: to the handler installed before it, or to
// the platform, which Qt only reaches when no handler is installed. A table's model change was
// already applied to its interface before the guard saw it and must not be applied twice; the
// Linux bridge reports nothing for it.
void handOn(QAccessibleEvent *event)
{
    if (behindGuard) {
        behindGuard(event);
        return;
    }
    if (event->type() == QAccessible::TableModelChanged)
        return;
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&guard);
}

QLineEdit *hiddenField(QAccessibleEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(event->object());
    return field && field->echoMode() != QLineEdit::Normal ? field : nullptr;
}

// Whether the event is a window's activation as reported on a move of the platform's keyboard
// focus, which names the application's state before its active window changed, if it changes.
bool staleActivation(QAccessibleEvent *event)
{
    if (event->type() != QAccessible::StateChanged
        || !static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().active)
        return false;
    const QObject *object = event->object();
    return object && object->isWidgetType() && static_cast<const QWidget *>(object)->isWindow();
}

void guard(QAccessibleEvent *event)
{
    if (heldBeforeFocus(event) || staleActivation(event))
        return;
    QLineEdit *field = hiddenField(event);
    if (!field) {
        handOn(event);
        return;
    }
    const QChar bullet(field->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, field));
    auto masked = [bullet](const QString &text) { return QString(text.size(), bullet); };
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto *typed = static_cast<QAccessibleTextInsertEvent *>(event);
        QAccessibleTextInsertEvent hidden(field, typed->changePosition(), masked(typed->textInserted()));
        hidden.setCursorPosition(typed->cursorPosition());
        handOn(&hidden);
        return;
    }
    case QAccessible::TextRemoved: {
        const auto *removed = static_cast<QAccessibleTextRemoveEvent *>(event);
        QAccessibleTextRemoveEvent hidden(field, removed->changePosition(), masked(removed->textRemoved()));
        hidden.setCursorPosition(removed->cursorPosition());
        handOn(&hidden);
        return;
    }
    case QAccessible::TextUpdated: {
        const auto *updated = static_cast<QAccessibleTextUpdateEvent *>(event);
        QAccessibleTextUpdateEvent hidden(field, updated->changePosition(), masked(updated->textRemoved()),
                                          masked(updated->textInserted()));
        hidden.setCursorPosition(updated->cursorPosition());
        handOn(&hidden);
        return;
    }
    default:
        handOn(event);
        return;
    }
}

} // namespace

void guardAccessibility()
{
    if (!focusArrival && qApp) {
        focusArrival = new FocusArrival(qApp);
        qApp->installEventFilter(focusArrival);
    }
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&guard);
    if (previous != &guard)
        behindGuard = previous;
}

} // namespace qxkit
