#pragma once

#include "QXConnectConfig.h"
#include "QXWifi.h"

#include "QXFileSocket.h"
#include "QXInsSocket.h"

#include <QHash>
#include <QList>
#include <QMetaObject>
#include <QMutex>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QObject;

// Asks the operator for a text (the device password): the prompt, the cancel and confirm
// button titles (null for the defaults), and the action that takes the answer exactly once,
// with none when the dialog was cancelled or could not be shown.
using QXInputCallback = std::function<void(const QString &prompt, const QString &cancel, const QString &confirm,
                                           QXPasswordAction action)>;

// The single object through which the application reaches devices: the current device record
// with the default instruction and file sockets, a pool of further connections keyed by device
// address (for unions), and the password store. It is the delegate of every socket it makes:
// before each connection it puts the record's address and password settings on the socket, it
// answers stored passwords, stores a password once a device accepted it, and hands password
// prompts to the application's input callback.
//
// Threads: every method may be called from any thread (the union screens call the pool and the
// store from up to nine workers at once). One lock guards the manager's state; it is never held
// while a socket or a block is called. Sockets live on their own threads wherever they were made.
class QXConnectManager : public QXInsSocketDelegate, public QXFileSocketDelegate
{
public:
    // Keys of the user defaults the store keeps in step.
    static constexpr const char *deviceDicKey = "DeviceDic";
    static constexpr const char *wifiArrayKey = "WifiArray";
    static constexpr const char *wifiDicKey = "WifiDic";
    // At most this many remembered networks are offered (wifiList()) or carried over from the
    // older store.
    static constexpr qsizetype wifiListLimit = 10;
    // Device modes: 11 a plain connection (the device's own hotspot), 12 password-verified.
    static constexpr qint64 plainMode = 11;
    static constexpr qint64 verifiedMode = 12;

    // The process-wide manager, created on first call and never released.
    static QXConnectManager &sharedManager();

    // A manager of its own (tests); the application uses sharedManager().
    QXConnectManager();
    ~QXConnectManager() override;
    QXConnectManager(const QXConnectManager &) = delete;
    QXConnectManager &operator=(const QXConnectManager &) = delete;

    // --- Current device and default sockets ---

    // The current record; made on first use for type id -1.
    std::shared_ptr<QXDevice> device();
    // The default sockets, made on first use and kept for the life of the manager.
    std::shared_ptr<QXInsSocket> insSocket();
    std::shared_ptr<QXFileSocket> fileSocket();

    // Makes a new current record from the Wi-Fi name, with the previous record's target mode
    // and the stored password of the name, then configSocket(). The default sockets are kept.
    void configDeviceWithWifiName(const QString &wifiName);
    // The same from a type id, without the password lookup.
    void configDeviceWithType(qint64 type);
    // Puts the current record on both default sockets: address, password step, and for the
    // file socket conversion size, rate and time-outs. Call it after changing the record
    // (address, password, target mode) and before sending: the instruction socket decides on
    // its password step before a connection is prepared.
    void configSocket();
    // Puts the record that fethcDeviceFor() finds on the socket; nothing for a socket the
    // manager does not know.
    void configSocket(QXAsyncSocket *socket);
    // The record behind a socket: the current record for a default socket, the entry's own
    // record for a pooled one, none for any other.
    std::shared_ptr<QXDevice> fethcDeviceFor(const QXAsyncSocket *socket);

    QString currentDeviceName() const;
    void setCurrentDeviceName(const QString &name);

    // --- Pool ---

    // The entry for the device's address (found or made), refreshed: its record gets the stored
    // password, the mode as target mode, the device's address, resolution and rate.
    QXConnectConfig fetchConfigFor(const std::shared_ptr<NetworkingDevice> &device, qint64 mode);
    // The entry's sockets, made on first request for the device's address and the record's
    // ports, then configured as above.
    std::shared_ptr<QXInsSocket> fetchInsSocketWithDevice(const std::shared_ptr<NetworkingDevice> &device,
                                                          qint64 mode);
    std::shared_ptr<QXFileSocket> fetchFileSocketWithDevice(const std::shared_ptr<NetworkingDevice> &device,
                                                            qint64 mode);
    std::shared_ptr<QXInsSocket> fetchInsSocketWithIp(const QString &ip, const QString &name, qint64 mode);
    // Every entry, in the order they were made; entries are never removed.
    QList<QXConnectConfig> connectPool() const;

    // --- Password store ---

    // The stored password of a device, null when none is stored.
    QString pwdOfDevice(const QString &name);
    // Stores the password under the name when both are non-empty.
    void addDevice(const QString &name, const QString &pwd);
    // The password of a remembered network, null when it is not remembered.
    QString pwdOfWifi(const QString &name);
    // Remembers a network (both non-empty) as the newest, replacing an earlier entry of its name.
    void addWifi(const QString &name, const QString &pwd);
    // The newest remembered networks, at most wifiListLimit.
    QList<QXWifi> wifiList();

    // --- Capabilities ---

    // Whether the record's device supports the function bits (all of them). Bits 8 and 2 follow
    // the model (type ids 603, 783, 1003); the others the record's last status.
    bool device(const std::shared_ptr<QXDevice> &record, quint64 function) const;
    bool supportsFunction(quint64 function);
    // The same for the record behind an instruction socket (default or pooled); false for any
    // other socket, file sockets included.
    bool deviceForSocket(const QXAsyncSocket *socket, quint64 function);

    // --- Blocks from the application ---

    QXConverterRunner ffmpeg_mac() const;
    // Reaches the default and every pooled file socket at once, and every socket made later.
    void setFfmpeg_mac(QXConverterRunner runner);
    QXInputCallback inputCallback() const;
    void setInputCallback(QXInputCallback callback);

    // --- Socket delegate ---

    void prepareForConnectBySocket(QXAsyncSocket *socket) override;
    QString passwordForDeviceName(const QString &deviceName) override;
    void insSocket(QXInsSocket *socket, const QString &password, const QString &deviceName) override;
    void fileSocket(QXFileSocket *socket, const QString &password, const QString &deviceName) override;
    // Hands the prompt to the input callback; without one it answers as cancelled.
    void fileSocket(QXFileSocket *socket, const QString &prompt, const QString &cancel, const QString &confirm,
                    QXPasswordAction action) override;

private:
    std::shared_ptr<QXDevice> deviceLocked();
    void loadDeviceDicLocked();
    void loadWifiArrayLocked();
    // Index of the pool entry for the address, -1 when there is none.
    qsizetype entryIndexLocked(const QString &ip) const;
    // Finds or makes the entry and refreshes its record; returns the entry's index (-1 for no device).
    qsizetype refreshEntry(const std::shared_ptr<NetworkingDevice> &device, qint64 mode);
    // Starts (or moves) the watch on the current record's mode, once the default file socket exists.
    void watchModeLocked();
    void modeDidChange(qint64 mode);

    mutable QMutex m_mutex;
    std::shared_ptr<QXDevice> m_device;
    std::shared_ptr<QXInsSocket> m_insSocket;
    std::shared_ptr<QXFileSocket> m_fileSocket;
    QList<QXConnectConfig> m_connectPool;
    std::optional<QHash<QString, QString>> m_deviceDic;
    std::optional<QList<QXWifi>> m_wifiArray;
    QString m_currentDeviceName;
    QXConverterRunner m_ffmpegMac;
    QXInputCallback m_inputCallback;

    // Receives the current record's mode changes, on the thread that changes the mode.
    std::unique_ptr<QObject> m_modeWatcher;
    QMetaObject::Connection m_modeWatch;
};
