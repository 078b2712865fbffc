#pragma once

#include <QWidget>

#include <memory>

class InfoDisplayable;
class NetworkingDevice;

// The base of every editor on the device-settings screen: one item of the screen's collection,
// carrying the device whose settings it edits (none: the current device) and the object that
// shows the editor's success and failure texts. The settings screen's item factory sets both.
class FunctionConfigItem : public QWidget
{
    Q_OBJECT
public:
    explicit FunctionConfigItem(QWidget *parent = nullptr);
    ~FunctionConfigItem() override;

    std::shared_ptr<NetworkingDevice> device() const;
    void setDevice(const std::shared_ptr<NetworkingDevice> &device);
    // Not owned: the settings screen that shows the item outlives it.
    InfoDisplayable *infoDisplayer() const;
    void setInfoDisplayer(InfoDisplayable *infoDisplayer);

private:
    std::shared_ptr<NetworkingDevice> m_device;
    InfoDisplayable *m_infoDisplayer = nullptr;
};
