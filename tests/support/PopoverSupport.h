#pragma once

#include "EventLoop.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>

namespace orvane::test {

// The window as a screen reader finds it: above the widget that holds the keyboard focus in it
// (a popup window, like a menu, is not listed among the application's windows); nullptr when the
// focus is elsewhere or the window does not lie above it.
inline QAccessibleInterface *accessibleWindow(const QWidget *window)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != window)
        return nullptr;
    for (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(focus); iface; iface = iface->parent()) {
        if (iface->object() == window)
            return iface;
        if (iface->role() == QAccessible::Application)
            break;
    }
    return nullptr;
}

// The window with the popover drawn where it stands over it, as the operator sees them.
inline QImage grabWithPopover(QWidget *window, QWidget *popover)
{
    QImage image = window->grab().toImage();
    QPainter painter(&image);
    painter.drawPixmap(popover->geometry().topLeft() - window->geometry().topLeft(), popover->grab());
    return image;
}

// Presses Space on the opener as the operator does and returns the content of the popover it
// opened in `window`, once `focused(content)` holds the focus; nullptr when no popover opens or
// the focus stays outside it.
template<typename Content, typename Focused>
Content *openByKeyboard(QWidget *opener, QWidget *window, Focused focused)
{
    // A popover closed before goes first, so that the new one is found.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::keyClick(opener, Qt::Key_Space);
    auto *content = window->findChild<Content *>();
    if (!content || !waitUntil([&] { return focused(content)->hasFocus(); }))
        return nullptr;
    return content;
}

} // namespace orvane::test
