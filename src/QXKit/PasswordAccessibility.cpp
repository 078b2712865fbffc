#include "PasswordAccessibility.h"

#include <QAccessible>
#include <QLineEdit>
#include <QStyle>

namespace qxkit {

namespace {

QAccessible::UpdateHandler behindGuard = nullptr;

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

void guard(QAccessibleEvent *event)
{
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

void guardPasswordAccessibility()
{
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&guard);
    if (previous != &guard)
        behindGuard = previous;
}

} // namespace qxkit
