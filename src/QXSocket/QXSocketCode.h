#pragma once

#include <QtGlobal>

// Result codes every socket block reports. They travel as plain signed integers in the blocks;
// compare them with the enum (`code == QXSocketCode::success`) and pass them with qxCode().
enum class QXSocketCode : qint64 {
    success = 200,          // the step or the request is done
    notConnected = 300,     // no connection, and none can be made
    jsonHeadMissing = 301,  // the JSON command's reply head never arrived
    checkFailed = 302,      // a check on the device's answer or on local data failed
    badArgument = 303,      // the arguments were refused before anything was sent
    busy = 304,             // the file socket is busy with another exchange
    disconnected = 305,     // the connection closed while the step waited or ran
};

constexpr qint64 qxCode(QXSocketCode code)
{
    return static_cast<qint64>(code);
}

constexpr bool operator==(qint64 value, QXSocketCode code)
{
    return value == qxCode(code);
}
