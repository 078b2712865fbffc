#include "QXConnect.h"

#include "MultyConnectProtocol.h"
#include "NetworkingDevice.h"
#include "QXConnectManager.h"
#include "QXDevice.h"

namespace {

std::shared_ptr<NetworkingDevice> memberDevice(const QXConnect *object)
{
    const auto *adopter = dynamic_cast<const MultyConnectProtocol *>(object);
    return adopter ? adopter->device() : nullptr;
}

} // namespace

QXConnect::~QXConnect() = default;

QXConnectManager &QXConnect::connectManager()
{
    return QXConnectManager::sharedManager();
}

std::shared_ptr<QXInsSocket> QXConnect::insSocket() const
{
    if (const std::shared_ptr<NetworkingDevice> member = memberDevice(this))
        return connectManager().fetchInsSocketWithDevice(member, QXConnectManager::verifiedMode);
    return connectManager().insSocket();
}

std::shared_ptr<QXFileSocket> QXConnect::fileSocket() const
{
    if (const std::shared_ptr<NetworkingDevice> member = memberDevice(this))
        return connectManager().fetchFileSocketWithDevice(member, QXConnectManager::verifiedMode);
    return connectManager().fileSocket();
}

std::shared_ptr<QXDevice> QXConnect::currentDevice() const
{
    return connectManager().fethcDeviceFor(insSocket().get());
}

QXDeviceStatus QXConnect::currentDeviceStatus() const
{
    const std::shared_ptr<QXDevice> record = currentDevice();
    return record ? record->status() : QXDeviceStatus();
}
