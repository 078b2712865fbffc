#pragma once

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcOrvaneDevice)

// The device link's debug line: the function, its line and the message, in the form
// "<function> 第<line>行 \n <message>\n\n". Never pass a password in the message.
QString qxLogLine(const char *function, int line, const QString &message);
void qxLog(const char *function, int line, const QString &message);

#define QXLOG(message) qxLog(Q_FUNC_INFO, __LINE__, (message))
