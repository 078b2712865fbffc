#pragma once

#include <QIcon>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStyle>

#include <functional>

class QLabel;
class QObject;
class QVBoxLayout;
class QToolButton;
class QWidget;
class QXButton;

// Pieces the list screens (videos, play lists, the list of play lists) are built from.
namespace orvane::screen {

// A bar button showing the key's text, reachable by keyboard, named for screen readers; with a
// tool-tip key, the tip is its accessible description too.
QXButton *barButton(const char *key, const char *toolTipKey = nullptr);
// A flat icon button of a row, reachable by keyboard, its tool tip (the key's text) its name
// for screen readers.
QToolButton *iconButton(const char *toolTipKey, QStyle::StandardPixmap icon);
// The back button: a bar button with a light grey border.
QXButton *backButton();
// A title or column heading showing the key's text.
QLabel *headingLabel(const char *key);
// A screen's title: the key's text in bold.
QLabel *titleLabel(const char *key);
// Gives the screen its dark look.
void applyScreenLook(QWidget *screen);
// Gives the screen its look and its column: a bar of the back button (none for a root screen),
// the title, an optional widget taking the free width (the title takes it otherwise) and the
// buttons, in that order.
// The screen adds the rest below the bar.
QVBoxLayout *screenColumn(QWidget *screen, QXButton *back, QLabel *title, const QList<QXButton *> &buttons,
                          QWidget *middle = nullptr);

} // namespace orvane::screen
