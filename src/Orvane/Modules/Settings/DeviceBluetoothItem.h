#pragma once

#include "Modules/Settings/FunctionConfigItem.h"

#include <QString>

#include <optional>

// The editor of the device's Bluetooth audio connection.
class DeviceBluetoothItem : public FunctionConfigItem
{
    Q_OBJECT
public:
    // One Bluetooth device the fan reported: its address and, when it gave one, its name.
    struct Bluetooth
    {
        QString address;
        std::optional<QString> name;

        bool operator==(const Bluetooth &) const = default;
    };

    using FunctionConfigItem::FunctionConfigItem;
};
