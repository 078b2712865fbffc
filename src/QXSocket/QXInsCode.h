#pragma once

#include <QtGlobal>

// The instruction codes of the instruction port; one byte on the wire.
enum class QXInsCode : qint64 {
    powerOn = 1,
    powerOff = 2,
    light = 3,
    deleteItem = 4,
    clearList = 5,
    pause = 6,
    play = 7,
    playItem = 8,
    status = 10,
    fetchList = 11,
    currentPlayList = 12,
    setTimer = 13,
    closeTimer = 14,
    angle = 17,
    apToSta = 18,
    volume = 20,
    breathLamp = 21,
    autoStart = 23,
    staToAp = 24,
    screenMoveX = 32,
    screenMoveY = 33,
    maskMode = 34,
    whiteBlank = 35,
    innerRadius = 36,
    coverLength = 37,
    rightMaskAngle = 38,
    rightMaskLength = 39,
    topMaskAngle = 40,
    topMaskLength = 41,
    leftMaskAngle = 42,
    leftMaskLength = 43,
    bottomMaskAngle = 44,
    bottomMaskLength = 45,
    mask = 46,
    bluetoothList = 47,
    connectBluetooth = 48,
    serverIndex = 49,
    restart = 51,
    useList = 52,
    deleteList = 53,
    switchGap = 54,
    rotationRate = 55,
    remoteControl = 56,
    emergencyStop = 57,
    json = 64,
    changeWifiPassword = 65,
    cellular4G = 67,
    hotspot = 68,
    unity = 152,
};

constexpr qint64 qxInsValue(QXInsCode code)
{
    return static_cast<qint64>(code);
}

// The code as it travels on the wire.
constexpr quint8 qxInsByte(QXInsCode code)
{
    return static_cast<quint8>(static_cast<qint64>(code) & 0xFF);
}
