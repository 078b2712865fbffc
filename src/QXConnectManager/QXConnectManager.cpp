#include "QXConnectManager.h"

#include "NetworkingDevice.h"
#include "QXDevice.h"
#include "QXLog.h"
#include "QXUserDefaults.h"

#include <QObject>
#include <QVariantList>
#include <QVariantMap>

#include <algorithm>
#include <utility>

namespace {

// The file socket waits this long for a device's answer byte after a whole file.
constexpr qint64 fileReadTimeout = 10;
// Large files go out in many slices; one slice may wait this long.
constexpr qint64 fileWriteTimeout = 180;

const QString nameKey = QStringLiteral("name");
const QString pwdKey = QStringLiteral("pwd");

// Passwords never reach a log: only whether one is there.
QString maskedPassword(const QString &password)
{
    return password.isEmpty() ? QStringLiteral("(none)") : QStringLiteral("********");
}

QByteArray passwordBytes(const QString &password)
{
    return password.isEmpty() ? QByteArray() : password.toUtf8();
}

QVariantList toVariant(const QList<QXWifi> &networks)
{
    QVariantList list;
    for (const QXWifi &wifi : networks)
        list.append(QVariantMap{{nameKey, wifi.name}, {pwdKey, wifi.pwd}});
    return list;
}

} // namespace

QXConnectManager &QXConnectManager::sharedManager()
{
    // Never released: sockets may still call their delegate while the process winds down.
    static QXConnectManager *instance = new QXConnectManager;
    return *instance;
}

QXConnectManager::QXConnectManager()
    : m_modeWatcher(std::make_unique<QObject>())
{
}

QXConnectManager::~QXConnectManager()
{
    QObject::disconnect(m_modeWatch);
    QList<QXAsyncSocket *> sockets{m_insSocket.get(), m_fileSocket.get()};
    for (const QXConnectConfig &entry : std::as_const(m_connectPool))
        sockets << entry.insSocket.get() << entry.fileSocket.get();
    for (QXAsyncSocket *socket : std::as_const(sockets)) {
        if (socket)
            socket->setDelegate(nullptr);
    }
}

// --- Current device and default sockets ----------------------------------------------------------

std::shared_ptr<QXDevice> QXConnectManager::device()
{
    QMutexLocker lock(&m_mutex);
    return deviceLocked();
}

std::shared_ptr<QXDevice> QXConnectManager::deviceLocked()
{
    if (!m_device)
        m_device = std::make_shared<QXDevice>(qint64(-1));
    return m_device;
}

std::shared_ptr<QXInsSocket> QXConnectManager::insSocket()
{
    std::shared_ptr<QXDevice> record;
    {
        QMutexLocker lock(&m_mutex);
        if (m_insSocket)
            return m_insSocket;
        record = deviceLocked();
    }
    // Made outside the lock; should another thread have made one meanwhile, this one is
    // dropped (after the lock is released) and everybody shares the first.
    auto made = std::make_shared<QXInsSocket>(QString(), quint16(0));
    made->setPort(record->noSafeInsPort());
    made->setDelegate(this);
    QMutexLocker lock(&m_mutex);
    if (!m_insSocket)
        m_insSocket = made;
    std::shared_ptr<QXInsSocket> socket = m_insSocket;
    lock.unlock();
    return socket;
}

std::shared_ptr<QXFileSocket> QXConnectManager::fileSocket()
{
    std::shared_ptr<QXDevice> record;
    {
        QMutexLocker lock(&m_mutex);
        if (m_fileSocket)
            return m_fileSocket;
        record = deviceLocked();
    }
    auto made = std::make_shared<QXFileSocket>(QString(), quint16(0));
    made->setPort(record->noSafeFilePort());
    made->setWriteTimeout(fileWriteTimeout);
    made->setDelegate(this);
    QMutexLocker lock(&m_mutex);
    if (!m_fileSocket) {
        m_fileSocket = made;
        watchModeLocked();
    }
    std::shared_ptr<QXFileSocket> socket = m_fileSocket;
    // Read once the socket is in place: a runner handed in from now on reaches it through
    // setFfmpeg_mac().
    const QXConverterRunner runner = m_ffmpegMac;
    lock.unlock();
    if (socket == made)
        made->setFfmpeg_mac(runner);
    return socket;
}

void QXConnectManager::configDeviceWithWifiName(const QString &wifiName)
{
    auto record = std::make_shared<QXDevice>(wifiName);
    record->setTargetMode(device()->targetMode());
    record->setWifiPwd(pwdOfDevice(wifiName));
    std::shared_ptr<QXDevice> previous;
    {
        QMutexLocker lock(&m_mutex);
        previous = std::exchange(m_device, record);
        watchModeLocked();
    }
    configSocket();
}

void QXConnectManager::configDeviceWithType(qint64 type)
{
    auto record = std::make_shared<QXDevice>(type);
    record->setTargetMode(device()->targetMode());
    std::shared_ptr<QXDevice> previous;
    {
        QMutexLocker lock(&m_mutex);
        previous = std::exchange(m_device, record);
        watchModeLocked();
    }
    configSocket();
}

void QXConnectManager::configSocket()
{
    configSocket(insSocket().get());
    configSocket(fileSocket().get());
}

void QXConnectManager::configSocket(QXAsyncSocket *socket)
{
    const std::shared_ptr<QXDevice> record = fethcDeviceFor(socket);
    if (!record)
        return;
    socket->setIP(record->IP());
    const bool verified = record->targetMode() == verifiedMode;
    const QString password = record->wifiPwd();
    if (auto *ins = dynamic_cast<QXInsSocket *>(socket)) {
        // The socket hands this name back when the device accepts the password, so that the
        // password is stored under the device's name.
        ins->setWifiName(record->wifiName());
        if (verified) {
            QXLOG(QStringLiteral("Device Password:%1 for device:%2")
                      .arg(maskedPassword(password))
                      .arg(quintptr(record.get()), 0, 16));
        }
        ins->setShouldVerify(verified);
        ins->setVerifyData(verified ? passwordBytes(password) : QByteArray());
    } else if (auto *file = dynamic_cast<QXFileSocket *>(socket)) {
        file->setResolution(record->resolution());
        file->setRate(record->rate());
        file->setReadTimeout(fileReadTimeout);
        file->setWriteTimeout(fileWriteTimeout);
        file->setWifiName(record->wifiName());
        file->setShouldVerify(verified);
        file->setWifiPwd(verified ? password : QString());
    }
}

std::shared_ptr<QXDevice> QXConnectManager::fethcDeviceFor(const QXAsyncSocket *socket)
{
    if (!socket)
        return nullptr;
    QMutexLocker lock(&m_mutex);
    if (socket == m_insSocket.get() || socket == m_fileSocket.get())
        return deviceLocked();
    for (const QXConnectConfig &entry : std::as_const(m_connectPool)) {
        if (socket == entry.insSocket.get() || socket == entry.fileSocket.get())
            return entry.realDevice;
    }
    return nullptr;
}

QString QXConnectManager::currentDeviceName() const
{
    QMutexLocker lock(&m_mutex);
    return m_currentDeviceName;
}

void QXConnectManager::setCurrentDeviceName(const QString &name)
{
    QMutexLocker lock(&m_mutex);
    m_currentDeviceName = name;
}

void QXConnectManager::watchModeLocked()
{
    if (!m_fileSocket)
        return;
    // The watch follows the record that is current now, so a replaced record never leaves the
    // file socket listening to a device nobody works on.
    QObject::disconnect(m_modeWatch);
    m_modeWatch = QObject::connect(
        deviceLocked().get(), &QXDevice::modeChanged, m_modeWatcher.get(),
        [this](qint64 mode) { modeDidChange(mode); }, Qt::DirectConnection);
}

void QXConnectManager::modeDidChange(qint64 mode)
{
    std::shared_ptr<QXFileSocket> socket;
    QString name;
    {
        QMutexLocker lock(&m_mutex);
        socket = m_fileSocket;
        name = m_currentDeviceName;
    }
    const bool verified = mode == verifiedMode;
    socket->setShouldVerify(verified);
    socket->setWifiPwd(verified ? pwdOfDevice(name) : QString());
    QXLOG(QStringLiteral("NewValue:%1").arg(mode));
}

// --- Pool ------------------------------------------------------------------------------------------

qsizetype QXConnectManager::entryIndexLocked(const QString &ip) const
{
    for (qsizetype i = 0; i < m_connectPool.size(); ++i) {
        if (m_connectPool.at(i).device->ip() == ip)
            return i;
    }
    return -1;
}

qsizetype QXConnectManager::refreshEntry(const std::shared_ptr<NetworkingDevice> &device, qint64 mode)
{
    if (!device)
        return -1;
    const QString ip = device->ip();
    qsizetype index = -1;
    std::shared_ptr<QXDevice> record;
    {
        QMutexLocker lock(&m_mutex);
        index = entryIndexLocked(ip);
        if (index < 0) {
            QXLOG(QStringLiteral("Generating New Connect For:{name: %1, ip: %2}").arg(device->name(), ip));
            m_connectPool.append(QXConnectConfig{device, nullptr, nullptr, nullptr});
            index = m_connectPool.size() - 1;
        }
        QXConnectConfig &entry = m_connectPool[index];
        entry.device = device;
        // Made once: another name turning up at the same address keeps the first record.
        if (!entry.realDevice)
            entry.realDevice = std::make_shared<QXDevice>(device->name());
        record = entry.realDevice;
    }
    record->setWifiPwd(pwdOfDevice(record->wifiName()));
    record->setTargetMode(mode);
    record->updateSocketConfigs({{QStringLiteral("IP"), ip}});
    record->updateTranslateConfig(
        {{QStringLiteral("resolution"), device->resolution()}, {QStringLiteral("rate"), device->rate()}});
    return index;
}

QXConnectConfig QXConnectManager::fetchConfigFor(const std::shared_ptr<NetworkingDevice> &device, qint64 mode)
{
    const qsizetype index = refreshEntry(device, mode);
    if (index < 0)
        return {};
    QMutexLocker lock(&m_mutex);
    return m_connectPool.at(index);
}

std::shared_ptr<QXInsSocket> QXConnectManager::fetchInsSocketWithDevice(const std::shared_ptr<NetworkingDevice> &device,
                                                                        qint64 mode)
{
    const qsizetype index = refreshEntry(device, mode);
    if (index < 0)
        return nullptr;
    std::shared_ptr<QXInsSocket> socket;
    std::shared_ptr<QXDevice> record;
    {
        QMutexLocker lock(&m_mutex);
        socket = m_connectPool.at(index).insSocket;
        record = m_connectPool.at(index).realDevice;
    }
    if (!socket) {
        auto made = std::make_shared<QXInsSocket>(device->ip(), quint16(record->noSafeInsPort()));
        made->setDelegate(this);
        QMutexLocker lock(&m_mutex);
        std::shared_ptr<QXInsSocket> &slot = m_connectPool[index].insSocket;
        if (!slot)
            slot = made;
        socket = slot;
        lock.unlock();
    }
    socket->setDelegate(this);
    configSocket(socket.get());
    return socket;
}

std::shared_ptr<QXFileSocket> QXConnectManager::fetchFileSocketWithDevice(
    const std::shared_ptr<NetworkingDevice> &device, qint64 mode)
{
    const qsizetype index = refreshEntry(device, mode);
    if (index < 0)
        return nullptr;
    std::shared_ptr<QXFileSocket> socket;
    std::shared_ptr<QXDevice> record;
    QXConverterRunner runner;
    {
        QMutexLocker lock(&m_mutex);
        socket = m_connectPool.at(index).fileSocket;
        record = m_connectPool.at(index).realDevice;
        runner = m_ffmpegMac;
    }
    if (!socket) {
        auto made = std::make_shared<QXFileSocket>(device->ip(), quint16(record->noSafeFilePort()));
        made->setDelegate(this);
        QMutexLocker lock(&m_mutex);
        std::shared_ptr<QXFileSocket> &slot = m_connectPool[index].fileSocket;
        if (!slot)
            slot = made;
        socket = slot;
        lock.unlock();
    }
    socket->setDelegate(this);
    socket->setFfmpeg_mac(runner);
    configSocket(socket.get());
    return socket;
}

std::shared_ptr<QXInsSocket> QXConnectManager::fetchInsSocketWithIp(const QString &ip, const QString &name, qint64 mode)
{
    return fetchInsSocketWithDevice(std::make_shared<NetworkingDevice>(name, ip), mode);
}

QList<QXConnectConfig> QXConnectManager::connectPool() const
{
    QMutexLocker lock(&m_mutex);
    return m_connectPool;
}

// --- Password store --------------------------------------------------------------------------------

void QXConnectManager::loadDeviceDicLocked()
{
    if (m_deviceDic)
        return;
    m_deviceDic.emplace();
    const QVariantMap stored = QXUserDefaults::standardUserDefaults().dictionaryForKey(QLatin1String(deviceDicKey));
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        m_deviceDic->insert(it.key(), it.value().toString());
}

QString QXConnectManager::pwdOfDevice(const QString &name)
{
    if (name.isEmpty())
        return QString();
    QMutexLocker lock(&m_mutex);
    loadDeviceDicLocked();
    return m_deviceDic->value(name);
}

void QXConnectManager::addDevice(const QString &name, const QString &pwd)
{
    if (name.isEmpty() || pwd.isEmpty())
        return;
    QMutexLocker lock(&m_mutex);
    loadDeviceDicLocked();
    m_deviceDic->insert(name, pwd);
    QVariantMap stored;
    for (auto it = m_deviceDic->cbegin(); it != m_deviceDic->cend(); ++it)
        stored.insert(it.key(), it.value());
    // Written under the lock, so concurrent additions reach the file in the order they were made.
    QXUserDefaults::standardUserDefaults().setObject(stored, QLatin1String(deviceDicKey));
}

void QXConnectManager::loadWifiArrayLocked()
{
    if (m_wifiArray)
        return;
    QXUserDefaults &defaults = QXUserDefaults::standardUserDefaults();
    QVariantList stored = defaults.arrayForKey(QLatin1String(wifiArrayKey));
    if (stored.isEmpty()) {
        // The older store kept networks in a dictionary; it is carried over once, as many
        // networks as the list offers, and left in place.
        const QVariantMap older = defaults.dictionaryForKey(QLatin1String(wifiDicKey));
        for (auto it = older.cbegin(); it != older.cend() && stored.size() < wifiListLimit; ++it)
            stored.append(QVariantMap{{nameKey, it.key()}, {pwdKey, it.value().toString()}});
        if (!stored.isEmpty())
            defaults.setObject(stored, QLatin1String(wifiArrayKey));
    }
    m_wifiArray.emplace();
    for (const QVariant &entry : std::as_const(stored)) {
        const QVariantMap map = entry.toMap();
        m_wifiArray->append(QXWifi::wifiWithName(map.value(nameKey).toString(), map.value(pwdKey).toString()));
    }
}

QString QXConnectManager::pwdOfWifi(const QString &name)
{
    if (name.isEmpty())
        return QString();
    QMutexLocker lock(&m_mutex);
    loadWifiArrayLocked();
    for (const QXWifi &wifi : std::as_const(*m_wifiArray)) {
        if (wifi.name == name)
            return wifi.pwd;
    }
    return QString();
}

void QXConnectManager::addWifi(const QString &name, const QString &pwd)
{
    if (name.isEmpty() || pwd.isEmpty())
        return;
    QMutexLocker lock(&m_mutex);
    loadWifiArrayLocked();
    const auto known = std::find_if(m_wifiArray->begin(), m_wifiArray->end(),
                                    [&](const QXWifi &wifi) { return wifi.name == name; });
    if (known != m_wifiArray->end())
        m_wifiArray->erase(known);
    m_wifiArray->prepend(QXWifi::wifiWithName(name, pwd));
    QXUserDefaults::standardUserDefaults().setObject(toVariant(*m_wifiArray), QLatin1String(wifiArrayKey));
}

QList<QXWifi> QXConnectManager::wifiList()
{
    QMutexLocker lock(&m_mutex);
    loadWifiArrayLocked();
    return m_wifiArray->mid(0, wifiListLimit);
}

// --- Capabilities ----------------------------------------------------------------------------------

bool QXConnectManager::device(const std::shared_ptr<QXDevice> &record, quint64 function) const
{
    if (!record)
        return false;
    if (function == 8 || function == 2) {
        // These two follow the model, whatever the status reports.
        const qint64 type = record->typeID();
        return type == 603 || type == 783 || type == 1003;
    }
    return (record->status().functionSet() & function) == function;
}

bool QXConnectManager::supportsFunction(quint64 function)
{
    return device(device(), function);
}

bool QXConnectManager::deviceForSocket(const QXAsyncSocket *socket, quint64 function)
{
    std::shared_ptr<QXDevice> record;
    {
        QMutexLocker lock(&m_mutex);
        if (socket && socket == m_insSocket.get()) {
            record = deviceLocked();
        } else {
            for (const QXConnectConfig &entry : std::as_const(m_connectPool)) {
                if (socket && socket == entry.insSocket.get())
                    record = entry.realDevice;
            }
        }
    }
    return device(record, function);
}

// --- Blocks from the application -------------------------------------------------------------------

QXConverterRunner QXConnectManager::ffmpeg_mac() const
{
    QMutexLocker lock(&m_mutex);
    return m_ffmpegMac;
}

void QXConnectManager::setFfmpeg_mac(QXConverterRunner runner)
{
    QList<std::shared_ptr<QXFileSocket>> sockets;
    {
        QMutexLocker lock(&m_mutex);
        m_ffmpegMac = runner;
        if (m_fileSocket)
            sockets.append(m_fileSocket);
        for (const QXConnectConfig &entry : std::as_const(m_connectPool)) {
            if (entry.fileSocket)
                sockets.append(entry.fileSocket);
        }
    }
    for (const std::shared_ptr<QXFileSocket> &socket : std::as_const(sockets))
        socket->setFfmpeg_mac(runner);
}

QXInputCallback QXConnectManager::inputCallback() const
{
    QMutexLocker lock(&m_mutex);
    return m_inputCallback;
}

void QXConnectManager::setInputCallback(QXInputCallback callback)
{
    QMutexLocker lock(&m_mutex);
    m_inputCallback = std::move(callback);
}

// --- Socket delegate -------------------------------------------------------------------------------

void QXConnectManager::prepareForConnectBySocket(QXAsyncSocket *socket)
{
    configSocket(socket);
    if (const std::shared_ptr<QXDevice> record = fethcDeviceFor(socket))
        QXLOG(QStringLiteral("SocketConfig:%1").arg(record->description()));
}

QString QXConnectManager::passwordForDeviceName(const QString &deviceName)
{
    return pwdOfDevice(deviceName);
}

void QXConnectManager::insSocket(QXInsSocket *, const QString &password, const QString &deviceName)
{
    addDevice(deviceName, password);
}

void QXConnectManager::fileSocket(QXFileSocket *, const QString &password, const QString &deviceName)
{
    addDevice(deviceName, password);
}

void QXConnectManager::fileSocket(QXFileSocket *, const QString &prompt, const QString &cancel, const QString &confirm,
                                  QXPasswordAction action)
{
    const QXInputCallback callback = inputCallback();
    if (!callback) {
        // Nobody can ask the operator: the prompt counts as cancelled, so the upload ends.
        action(std::nullopt);
        return;
    }
    callback(prompt, cancel, confirm, std::move(action));
}
