#pragma once

#include <QList>
#include <QString>

#include <functional>

class QBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// The parts the older dialogs' contents share.
namespace dialogcontent {

// The message label: light text, word-wrapped.
QLabel *messageLabel();
// Shows the message with 5 points between lines, left-aligned or centred.
void setMessage(QLabel *label, const QString &message, bool leftAligned);
// A theme-coloured button titled by its localisation key. A press runs the action as it is then
// (none set: nothing), so the owner passes its own member and may set it later.
QPushButton *button(const QString &objectName, const QString &key, QWidget *owner,
                    const std::function<void()> &action);
// The buttons centred in one row.
QBoxLayout *buttonRow(const QList<QPushButton *> &buttons);

} // namespace dialogcontent
