#include "QXLog.h"

Q_LOGGING_CATEGORY(lcOrvaneDevice, "orvane.device")

QString qxLogLine(const char *function, int line, const QString &message)
{
    return QStringLiteral("%1 第%2行 \n %3\n\n").arg(QString::fromUtf8(function)).arg(line).arg(message);
}

void qxLog(const char *function, int line, const QString &message)
{
    if (lcOrvaneDevice().isDebugEnabled())
        qCDebug(lcOrvaneDevice).noquote() << qxLogLine(function, line, message);
}
