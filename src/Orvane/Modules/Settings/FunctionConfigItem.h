#pragma once

#include "MultyConnectProtocol.h"
#include "QXConnect.h"
#include "QXInsCode.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <memory>

class InfoDisplayable;
class QLabel;
class NetworkingDevice;

// The socket and the record a send went to, taken when it was sent. A send's outcome writes this
// record, whether or not the item that sent it is still on screen: every refresh of the settings
// screen makes its items anew, and a setting the fan accepted meanwhile must not be lost.
struct SettingTarget
{
    std::shared_ptr<QXDevice> record;
    std::weak_ptr<QXInsSocket> socket;
};

// The base of every editor on the device-settings screen: one item of the screen's collection,
// carrying the device whose settings it edits (none: the current device) and the object that
// shows the editor's success and failure texts. The settings screen's item factory sets both
// before it configures the item, so everything the item reads or sends concerns that device:
// the QXConnect getters follow `device`.
//
// It also holds the send pattern all editors share: the gate on the instruction socket, the
// optional confirmation, and one instruction with a signed 16-bit value.
class FunctionConfigItem : public QWidget, public MultyConnectProtocol, public QXConnect
{
    Q_OBJECT
public:
    explicit FunctionConfigItem(QWidget *parent = nullptr);
    ~FunctionConfigItem() override;

    std::shared_ptr<NetworkingDevice> device() const override;
    void setDevice(const std::shared_ptr<NetworkingDevice> &device);
    // Not owned: the settings screen that shows the item outlives it.
    InfoDisplayable *infoDisplayer() const;
    void setInfoDisplayer(InfoDisplayable *infoDisplayer);

    // What a send's success or failure block hands on: the target taken at sending, the result
    // code and the payload. Called on the socket thread.
    using SendOutcome = std::function<void(const SettingTarget &target, qint64 code, const QVariant &payload)>;

protected:
    enum class Gate {
        open,
        disconnected, // the operator was told
        busy,         // another instruction runs; nothing is shown
    };
    // The first two steps of every send: a disconnected socket gets the modal connection-failed
    // dialog; a busy socket is refused silently.
    Gate passGate();
    // Asks the localised question of `key`; `answered` gets whether the operator confirmed, only
    // while this item still exists.
    void confirm(const QString &key, std::function<void(bool confirmed)> answered);
    // One instruction with its value on this item's socket. Exactly one of the outcomes runs,
    // on the socket thread, even when the item is gone by then.
    void sendSetting(QXInsCode code, qint16 value, SendOutcome accepted, SendOutcome failed);
    // Shows the localised text of `key` in the info line, when there are both.
    void showInfoKey(const QString &key) const;

private:
    std::shared_ptr<NetworkingDevice> m_device;
    InfoDisplayable *m_infoDisplayer = nullptr;
};

// A title of an editor: the text of the localisation key, in the editors' text colour.
QLabel *keyedLabel(const char *key);
