#include "FakeNetworkManager.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QMutex>
#include <QProcess>
#include <QThread>
#include <QUuid>

namespace orvane::test {

namespace {

const QString managerPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString ethernetPath = QStringLiteral("/org/freedesktop/NetworkManager/Devices/1");
const QString wifiPath = QStringLiteral("/org/freedesktop/NetworkManager/Devices/2");
const QString accessPointPrefix = QStringLiteral("/org/freedesktop/NetworkManager/AccessPoint/");

} // namespace

struct FakeNetworkManager::State {
    QMutex mutex;
    QList<QByteArray> ssids;
    int active = -1;
    QString interfaceName = QStringLiteral("wlan0");
    bool silent = false;
    QString joinError;
    QList<FakeNetworkManager::Join> joins;
};

namespace {

// Answers NetworkManager's calls from the test's state. D-Bus calls it on its own thread.
class NetworkManagerObject : public QDBusVirtualObject
{
public:
    explicit NetworkManagerObject(std::shared_ptr<FakeNetworkManager::State> state)
        : m_state(std::move(state))
    {
    }

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        QMutexLocker locker(&m_state->mutex);
        if (m_state->silent)
            return true;
        const QString member = message.member();
        const QString path = message.path();
        QDBusMessage reply;
        if (member == QLatin1String("GetDevices") && path == managerPath) {
            reply = message.createReply(QVariant::fromValue(
                QList<QDBusObjectPath>{QDBusObjectPath(ethernetPath), QDBusObjectPath(wifiPath)}));
        } else if (member == QLatin1String("GetAccessPoints") && path == wifiPath) {
            QList<QDBusObjectPath> points;
            for (int i = 0; i < m_state->ssids.size(); ++i)
                points.append(QDBusObjectPath(accessPointPrefix + QString::number(i)));
            reply = message.createReply(QVariant::fromValue(points));
        } else if (member == QLatin1String("AddAndActivateConnection") && path == managerPath
                   && message.arguments().size() == 3) {
            reply = join(message);
        } else if (member == QLatin1String("Get") && message.arguments().size() == 2) {
            const QVariant value = property(path, message.arguments().at(1).toString());
            reply = value.isValid() ? message.createReply(QVariant::fromValue(QDBusVariant(value)))
                                    : message.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("no such property"));
        } else {
            reply = message.createErrorReply(QDBusError::UnknownMethod, member);
        }
        connection.send(reply);
        return true;
    }

private:
    QDBusMessage join(const QDBusMessage &message)
    {
        QMap<QString, QVariantMap> settings;
        message.arguments().at(0).value<QDBusArgument>() >> settings;
        m_state->joins.append({message.arguments().at(1).value<QDBusObjectPath>().path(),
                               message.arguments().at(2).value<QDBusObjectPath>().path(),
                               settings.value(QStringLiteral("802-11-wireless-security"))});
        if (!m_state->joinError.isEmpty())
            return message.createErrorReply(QStringLiteral("org.freedesktop.NetworkManager.Device.Failed"),
                                            m_state->joinError);
        return message.createReply({QVariant::fromValue(QDBusObjectPath(managerPath + QStringLiteral("/Settings/1"))),
                                    QVariant::fromValue(QDBusObjectPath(managerPath + QStringLiteral("/ActiveConnection/1")))});
    }

    QVariant property(const QString &path, const QString &name) const
    {
        if (path == ethernetPath && name == QLatin1String("DeviceType"))
            return QVariant::fromValue(uint(1));
        if (path == wifiPath && name == QLatin1String("DeviceType"))
            return QVariant::fromValue(uint(2));
        if (path == ethernetPath && name == QLatin1String("Interface"))
            return QStringLiteral("eth0");
        if (path == wifiPath && name == QLatin1String("Interface"))
            return m_state->interfaceName;
        if (path == wifiPath && name == QLatin1String("ActiveAccessPoint")) {
            const QString active = m_state->active < 0 ? QStringLiteral("/")
                                                       : accessPointPrefix + QString::number(m_state->active);
            return QVariant::fromValue(QDBusObjectPath(active));
        }
        if (path.startsWith(accessPointPrefix) && name == QLatin1String("Ssid")) {
            const int index = path.mid(accessPointPrefix.size()).toInt();
            return index >= 0 && index < m_state->ssids.size() ? QVariant(m_state->ssids.at(index)) : QVariant();
        }
        return {};
    }

    std::shared_ptr<FakeNetworkManager::State> m_state;
};

} // namespace

FakeNetworkManager::FakeNetworkManager()
    : m_state(std::make_shared<State>())
{
    qDBusRegisterMetaType<QList<QDBusObjectPath>>();
}

FakeNetworkManager::~FakeNetworkManager()
{
    if (!m_serviceConnectionName.isEmpty()) {
        QDBusConnection(m_serviceConnectionName).unregisterObject(managerPath, QDBusConnection::UnregisterTree);
        QDBusConnection::disconnectFromBus(m_serviceConnectionName);
    }
    for (const QString &name : std::as_const(m_clientConnectionNames))
        QDBusConnection::disconnectFromBus(name);
    if (m_thread) {
        m_thread->quit();
        m_thread->wait();
        delete m_thread;
    }
    m_object.reset();
    if (m_daemon) {
        m_daemon->terminate();
        if (!m_daemon->waitForFinished(2000))
            m_daemon->kill();
        m_daemon->waitForFinished(1000);
        delete m_daemon;
    }
}

bool FakeNetworkManager::startBus()
{
    m_daemon = new QProcess;
    m_daemon->setProcessChannelMode(QProcess::SeparateChannels);
    m_daemon->start(QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!m_daemon->waitForStarted(3000)) {
        m_error = QStringLiteral("dbus-daemon did not start: ") + m_daemon->errorString();
        return false;
    }
    while (!m_daemon->canReadLine()) {
        if (!m_daemon->waitForReadyRead(3000)) {
            m_error = QStringLiteral("dbus-daemon printed no address");
            return false;
        }
    }
    m_address = QString::fromUtf8(m_daemon->readLine()).trimmed();
    return !m_address.isEmpty();
}

bool FakeNetworkManager::registerService()
{
    m_serviceConnectionName = QStringLiteral("fake-nm-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QDBusConnection connection = QDBusConnection::connectToBus(m_address, m_serviceConnectionName);
    if (!connection.isConnected()) {
        m_error = connection.lastError().message();
        return false;
    }
    auto *object = new NetworkManagerObject(m_state);
    m_object.reset(object);
    if (!connection.registerVirtualObject(managerPath, object, QDBusConnection::SubPath)
        || !connection.registerService(QStringLiteral("org.freedesktop.NetworkManager"))) {
        m_error = connection.lastError().message();
        return false;
    }
    m_thread = new QThread;
    m_thread->start();
    object->moveToThread(m_thread);
    return true;
}

QDBusConnection FakeNetworkManager::clientConnection()
{
    const QString name = QStringLiteral("fake-nm-client-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_clientConnectionNames.append(name);
    return QDBusConnection::connectToBus(m_address, name);
}

namespace {

template <typename T>
void assign(FakeNetworkManager::State &state, T FakeNetworkManager::State::*field, const T &value)
{
    QMutexLocker locker(&state.mutex);
    state.*field = value;
}

} // namespace

void FakeNetworkManager::setAccessPoints(const QList<QByteArray> &ssids) { assign(*m_state, &State::ssids, ssids); }
void FakeNetworkManager::setActiveAccessPoint(int index) { assign(*m_state, &State::active, index); }
void FakeNetworkManager::setInterfaceName(const QString &name) { assign(*m_state, &State::interfaceName, name); }
void FakeNetworkManager::setSilent(bool silent) { assign(*m_state, &State::silent, silent); }
void FakeNetworkManager::setJoinError(const QString &error) { assign(*m_state, &State::joinError, error); }

QList<FakeNetworkManager::Join> FakeNetworkManager::joins() const
{
    QMutexLocker locker(&m_state->mutex);
    return m_state->joins;
}

QString FakeNetworkManager::accessPointPath(int index)
{
    return accessPointPrefix + QString::number(index);
}

QString FakeNetworkManager::wifiDevicePath()
{
    return wifiPath;
}

} // namespace orvane::test
