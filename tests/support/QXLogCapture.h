#pragma once

#include <QLoggingCategory>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

namespace orvane::test {

// Collects the debug lines of one logging category (by default the device link's, "orvane.device")
// while alive, although the test run switches them off otherwise. One capture at a time.
class QXLogCapture
{
public:
    explicit QXLogCapture(const char *category = "orvane.device")
    {
        s_category = category;
        s_instance = this;
        m_previousHandler = qInstallMessageHandler(&handle);
        s_previousFilter = QLoggingCategory::installFilter(&filter);
    }
    ~QXLogCapture()
    {
        QLoggingCategory::installFilter(s_previousFilter);
        qInstallMessageHandler(m_previousHandler);
        s_instance = nullptr;
    }
    QXLogCapture(const QXLogCapture &) = delete;
    QXLogCapture &operator=(const QXLogCapture &) = delete;

    QStringList lines() const
    {
        QMutexLocker lock(&m_mutex);
        return m_lines;
    }
    // How many captured lines carry the message.
    qsizetype count(const QString &message) const
    {
        QMutexLocker lock(&m_mutex);
        qsizetype found = 0;
        for (const QString &line : m_lines)
            found += line.contains(message) ? 1 : 0;
        return found;
    }
    bool contains(const QString &message) const { return count(message) > 0; }

private:
    static bool isCapturedCategory(const char *name) { return qstrcmp(name, s_category) == 0; }

    static void filter(QLoggingCategory *category)
    {
        if (s_previousFilter)
            s_previousFilter(category);
        if (isCapturedCategory(category->categoryName()))
            category->setEnabled(QtDebugMsg, true);
    }

    static void handle(QtMsgType, const QMessageLogContext &context, const QString &message)
    {
        if (s_instance && context.category && isCapturedCategory(context.category)) {
            QMutexLocker lock(&s_instance->m_mutex);
            s_instance->m_lines << message;
        }
    }

    static inline QXLogCapture *s_instance = nullptr;
    static inline const char *s_category = nullptr;
    static inline QLoggingCategory::CategoryFilter s_previousFilter = nullptr;
    QtMessageHandler m_previousHandler = nullptr;
    mutable QMutex m_mutex;
    QStringList m_lines;
};

} // namespace orvane::test
