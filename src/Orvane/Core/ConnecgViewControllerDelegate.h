#pragma once

class QWidget;

// How the connection screen reports the outcome of a connection at mode 11 (the device's own
// hotspot) or 12 (the device on a router network). Either may be called from any thread.
class ConnecgViewControllerDelegate
{
public:
    virtual ~ConnecgViewControllerDelegate() = default;
    virtual void connectViewControllerSucceededConnectAtMode(QWidget *connectViewController, int mode) = 0;
    virtual void connectViewControllerFailedConnectAtMode(QWidget *connectViewController, int mode) = 0;
};
