#pragma once

#include "AnsweringPresenter.h"
#include "FakeFan.h"
#include "QXConnect.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXInsSocket.h"

#include <memory>

namespace orvane::test {

// The current device as a fan of this model reports it, answering at the port on loopback (a
// model's own address is replaced before anything connects).
inline std::shared_ptr<QXDevice> useCurrentDevice(qint64 type, quint64 functionSet, quint16 port)
{
    QXConnectManager &manager = QXConnect::connectManager();
    manager.configDeviceWithType(type);
    const std::shared_ptr<QXDevice> record = manager.device();
    record->updateSocketConfigs({{QStringLiteral("IP"), QStringLiteral("127.0.0.1")}});
    manager.insSocket()->setPort(port);
    record->configStatusWithData(QByteArray::fromHex("35a40a01"));
    record->editStatus([functionSet](QXDeviceStatus &status) { status.setFunctionSet(functionSet); });
    return record;
}

} // namespace orvane::test
