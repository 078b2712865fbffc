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

// The width of the older dialogs' window and of the message inside it (the window less the
// contents' side margins).
constexpr int windowWidth = 440;
constexpr int messageWidth = windowWidth - 60;

// The message label: light text, word-wrapped.
QLabel *messageLabel();
// The message set in a frameless area that asks for the whole wrapped text's height and scrolls
// when the window cannot give it that much.
QWidget *messageArea(QLabel *label);
// Shows the message with 5 points between lines, left-aligned or centred.
void setMessage(QLabel *label, const QString &message, bool leftAligned);
// A theme-coloured button titled by its localisation key. A press runs the action as it is then
// (none set: nothing), so the owner passes its own member and may set it later.
QPushButton *button(const QString &objectName, const QString &key, QWidget *owner,
                    const std::function<void()> &action);
// The buttons centred in one row.
QBoxLayout *buttonRow(const QList<QPushButton *> &buttons);

} // namespace dialogcontent
