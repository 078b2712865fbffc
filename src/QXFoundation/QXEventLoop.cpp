#include "QXEventLoop.h"

#include <QCoreApplication>

void qxOnGuiThread(std::function<void()> work)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work), Qt::QueuedConnection);
}

void qxNextTurn(QObject *context, std::function<void()> step)
{
    QMetaObject::invokeMethod(context, std::move(step), Qt::QueuedConnection);
}
