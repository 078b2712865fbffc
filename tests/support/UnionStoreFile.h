#pragma once

#include "Modules/Union/UnionDataUtil.h"

#include <QFile>
#include <QObject>
#include <QStringList>

#include <gtest/gtest.h>

namespace orvane::test {

// The bytes of the process's union store file; none when it is missing.
inline QByteArray storedBytes()
{
    QFile file(UnionDataUtil::localURL());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the union store file as another program would, without telling the screens.
inline void writeStore(const QByteArray &bytes)
{
    QFile file(UnionDataUtil::localURL());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Records every "LocalUnionDataUpdated" while it lives.
class UpdateRecorder
{
public:
    UpdateRecorder()
    {
        m_connection = QObject::connect(UnionDataUtil::notifier(), &UnionDataNotifier::localUnionDataUpdated,
                                        [this](const QString &url) { urls << url; });
    }
    ~UpdateRecorder() { QObject::disconnect(m_connection); }
    UpdateRecorder(const UpdateRecorder &) = delete;
    UpdateRecorder &operator=(const UpdateRecorder &) = delete;

    QStringList urls;

private:
    QMetaObject::Connection m_connection;
};

} // namespace orvane::test
