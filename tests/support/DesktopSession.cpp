#include "DesktopSession.h"

#include "EventLoop.h"
#include "X11Display.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusVariant>

namespace orvane::test {

namespace {

const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr int kCallMs = 5000;
// How long a registry that runs may leave a listener unanswered before the session is given up.
constexpr int kRegistryMs = 20000;

ScreenReaderBus::Object objectFrom(const QDBusArgument &argument)
{
    ScreenReaderBus::Object object;
    QDBusObjectPath path;
    argument.beginStructure();
    argument >> object.service >> path;
    argument.endStructure();
    object.path = path.path();
    return object;
}

// The event as a screen reader names it, from the signal's interface, member and detail.
QString eventType(const QDBusMessage &message)
{
    const QString interface = message.interface();
    if (interface.endsWith(QLatin1String(".Focus")))
        return QStringLiteral("focus");
    if (interface.endsWith(QLatin1String(".Window")))
        return QStringLiteral("window:") + message.member().toLower();
    const QString detail = message.arguments().value(0).toString();
    return QStringLiteral("state-changed:") + detail;
}

} // namespace

DesktopTestTime::DesktopTestTime()
{
    testDeadline() = QDeadlineTimer(kDesktopTestMs);
}

DesktopTestTime::~DesktopTestTime()
{
    testDeadline() = QDeadlineTimer(QDeadlineTimer::Forever);
}

bool DesktopTestTime::spent()
{
    return testDeadline().hasExpired();
}

ChildProcess::~ChildProcess()
{
    stop();
}

void ChildProcess::stop()
{
    m_output.clear();
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool ChildProcess::start(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment)
{
    m_process.setProcessEnvironment(environment);
    m_process.start(program, arguments);
    return m_process.waitForStarted(within(kDesktopStartMs));
}

QByteArray ChildProcess::firstLine()
{
    waitUntil([&] {
        m_output += m_process.readAllStandardOutput();
        return m_output.contains('\n') || !running();
    }, kDesktopStartMs);
    return m_output.contains('\n') ? m_output.left(m_output.indexOf('\n')).trimmed() : QByteArray();
}

bool XServer::start(const QSize &size, QString *why)
{
    // A held key repeats as on a real keyboard set up for it (xset r rate 300 30): from 300 ms
    // on, 30 times a second.
    if (!m_server.start(QStringLiteral("Xvfb"),
                        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                         QStringLiteral("%1x%2x24").arg(size.width()).arg(size.height()), QStringLiteral("-nolisten"),
                         QStringLiteral("tcp"), QStringLiteral("-ardelay"), QStringLiteral("300"), QStringLiteral("-arinterval"),
                         QStringLiteral("33")},
                        QProcessEnvironment::systemEnvironment())) {
        *why = QStringLiteral("Xvfb does not start");
        return false;
    }
    const QByteArray display = m_server.firstLine();
    if (display.isEmpty()) {
        *why = QStringLiteral("Xvfb names no display");
        return false;
    }
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(display));
    return true;
}

bool XServer::awaitWindowManager() const
{
    // A window manager announces itself on the root window once it manages the screen.
    return waitUntil([this] {
        QProcess query;
        query.setProcessEnvironment(m_environment);
        query.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        query.waitForFinished(within(kDesktopStateMs));
        return query.readAllStandardOutput().contains("window id");
    }, kDesktopStartMs);
}

QByteArray xdotool(const QProcessEnvironment &environment, const QStringList &arguments)
{
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(within(kDesktopStateMs)))
        tool.kill();
    return tool.readAllStandardOutput();
}

void holdWithSplitRepeat(const QProcessEnvironment &environment, qint64 pid, quint32 symbol,
                         const std::function<void()> &whilePressed)
{
    const X11Display display(environment.value(QStringLiteral("DISPLAY")).toLocal8Bit());
    const QByteArray windows = xdotool(environment, {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                     QStringLiteral("--pid"), QString::number(pid)});
    // Any of the program's windows will do: it hands the keys to the window that has the keyboard.
    const xcb_window_t window = windows.left(windows.indexOf('\n')).toUInt();
    const xcb_keycode_t code = display.connected() ? display.keycode(symbol) : 0;
    if (!window || !code)
        return;
    // The moments only need to tell the two halves of the repeat as one.
    display.sendKey(window, true, code, 1);
    whilePressed();
    display.sendKey(window, false, code, 2);
    // Long enough for the program to take the release as the key let go.
    spinFor(100);
    display.sendKey(window, true, code, 2);
    spinFor(100);
    display.sendKey(window, false, code, 3);
}

qsizetype pressAndHear(const QProcessEnvironment &environment, ScreenReaderBus &reader, const QString &keys,
                       const QString &role, const QString &name)
{
    const qsizetype from = reader.events().size();
    xdotool(environment, {QStringLiteral("key"), keys});
    return reader.waitForFocus(from, role, name);
}

qsizetype moveFocusTo(const QProcessEnvironment &environment, ScreenReaderBus &reader, const QString &keys,
                      const QString &role, const QString &name)
{
    const auto focus = [](const ScreenReaderBus::Event &event) { return event.type == QLatin1String("focus"); };
    for (int step = 0; step < 30; ++step) {
        const qsizetype from = reader.events().size();
        xdotool(environment, {QStringLiteral("key"), keys});
        qsizetype heard = reader.waitFor(from, focus);
        // A move into a list is heard in two steps, the list and then its row; a list without
        // rows is heard alone.
        for (qsizetype next = heard; next >= 0 && reader.events().at(next).role == QLatin1String("list");) {
            next = reader.waitFor(next + 1, focus, kDesktopStateMs / 10);
            heard = qMax(heard, next);
        }
        if (heard < 0)
            return -1;
        if (reader.events().at(heard).role == role && reader.events().at(heard).name == name)
            return heard;
    }
    return -1;
}

QString describeDisplay(const QProcessEnvironment &environment, qint64 pid)
{
    QStringList windows;
    const QList<QByteArray> shown = xdotool(environment, {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                           QStringLiteral("--pid"), QString::number(pid)})
                                        .split('\n');
    for (const QByteArray &id : shown) {
        if (!id.isEmpty())
            windows.append(QString::fromUtf8(
                xdotool(environment, {QStringLiteral("getwindowname"), QString::fromLatin1(id)}).trimmed()));
    }
    const QByteArray pointer = xdotool(environment, {QStringLiteral("getmouselocation")}).trimmed();
    return QStringLiteral("windows shown: [%1]; pointer: %2")
        .arg(windows.join(QStringLiteral(" | ")), QString::fromUtf8(pointer));
}

ScreenReaderBus::~ScreenReaderBus()
{
    leaveBuses();
}

void ScreenReaderBus::leaveBuses()
{
    if (!m_connectionName.isEmpty()) {
        QDBusConnection::disconnectFromBus(m_connectionName);
        QDBusConnection::disconnectFromBus(m_connectionName + QStringLiteral("-session"));
    }
}

bool ScreenReaderBus::start(const QProcessEnvironment &environment, QString *why)
{
    // Now and then, on a loaded machine, the accessibility registry never answers a listener at
    // all, however often it asks: the session is then started anew, with a registry of its own.
    const QDeadlineTimer starting(within(kDesktopStartMs));
    while (!startSession(environment, why)) {
        if (!m_registryUnanswered || starting.hasExpired())
            return false;
        m_sessionBus.stop();
        leaveBuses();
    }
    return true;
}

bool ScreenReaderBus::startSession(const QProcessEnvironment &environment, QString *why)
{
    m_registryUnanswered = false;
    if (!m_sessionBus.start(QStringLiteral("dbus-daemon"),
                            {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")},
                            environment)) {
        *why = QStringLiteral("the session bus does not start");
        return false;
    }
    const QString sessionAddress = QString::fromUtf8(m_sessionBus.firstLine());
    if (sessionAddress.isEmpty()) {
        *why = QStringLiteral("the session bus names no address");
        return false;
    }
    m_environment = environment;
    m_environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), sessionAddress);

    // Each bus a name of its own: a connection's name stays taken while anything still uses it.
    static int buses = 0;
    m_connectionName = QStringLiteral("orvane-screen-reader-%1").arg(++buses);
    QDBusConnection session = QDBusConnection::connectToBus(sessionAddress, m_connectionName + QStringLiteral("-session"));
    const QDBusMessage address = session.call(
        QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                       QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")),
        QDBus::Block, qMax(1, within(kDesktopStartMs)));
    const QString accessibilityAddress = address.arguments().value(0).toString();
    if (accessibilityAddress.isEmpty()) {
        *why = QStringLiteral("no accessibility bus: ") + address.errorMessage();
        return false;
    }
    // What a screen reader does as it starts: applications then report to the accessibility bus.
    QDBusMessage enable = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                                         kProperties, QStringLiteral("Set"));
    enable << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled")
           << QVariant::fromValue(QDBusVariant(true));
    session.call(enable, QDBus::Block, qMax(1, within(kCallMs)));

    QDBusConnection bus = QDBusConnection::connectToBus(accessibilityAddress, m_connectionName);
    if (!bus.isConnected()) {
        *why = QStringLiteral("the accessibility bus does not answer");
        return false;
    }
    // Applications send only the events that a listener registered for. The bus starts the
    // registry as it starts, and a call that comes first may start a second one, which gives way
    // to the first without ever answering: a call that is not answered within moments is made
    // again once the registry runs, until the bound for starting.
    const QString registry = QStringLiteral("org.a11y.atspi.Registry");
    const QDeadlineTimer registering(within(kRegistryMs));
    const auto registryRuns = [&] {
        return waitUntil([&] { return bus.interface()->isServiceRegistered(registry).value(); },
                         int(registering.remainingTime()));
    };
    for (const QString &event : {QStringLiteral("focus:"), QStringLiteral("window:"), QStringLiteral("object:state-changed:")}) {
        QDBusMessage registration = QDBusMessage::createMethodCall(registry, QStringLiteral("/org/a11y/atspi/registry"),
                                                                   registry, QStringLiteral("RegisterEvent"));
        registration << event << QStringList() << QString();
        QDBusMessage reply;
        do {
            reply = bus.call(registration, QDBus::Block, qMax(1, within(kCallMs)));
        } while (reply.type() == QDBusMessage::ErrorMessage && !registering.hasExpired() && registryRuns());
        if (reply.type() == QDBusMessage::ErrorMessage) {
            *why = QStringLiteral("the registry refuses the listener: ") + reply.errorMessage();
            m_registryUnanswered = reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply");
            return false;
        }
    }
    const QList<std::pair<QString, QString>> signals_ = {
        {QStringLiteral("org.a11y.atspi.Event.Focus"), QStringLiteral("Focus")},
        {QStringLiteral("org.a11y.atspi.Event.Window"), QStringLiteral("Activate")},
        {QStringLiteral("org.a11y.atspi.Event.Window"), QStringLiteral("Deactivate")},
        {QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged")}};
    for (const auto &[interface, member] : signals_) {
        if (!bus.connect(QString(), QString(), interface, member, this, SLOT(received(QDBusMessage)))) {
            *why = QStringLiteral("cannot listen for ") + interface;
            return false;
        }
    }
    return true;
}

void ScreenReaderBus::received(const QDBusMessage &message)
{
    const QString type = eventType(message);
    // The states a screen reader follows; the others only fill the record.
    if (type.startsWith(QLatin1String("state-changed:")) && type != QLatin1String("state-changed:focused")
        && type != QLatin1String("state-changed:active"))
        return;
    Event event{type, message.arguments().value(1).toInt(), {message.service(), message.path()}, {}, {}};
    event.role = role(event.source);
    event.name = name(event.source);
    m_events.append(event);
}

QString ScreenReaderBus::lastHeard(int count) const
{
    QStringList lines;
    for (qsizetype index = qMax<qsizetype>(0, m_events.size() - count); index < m_events.size(); ++index) {
        const Event &event = m_events.at(index);
        lines.append(QStringLiteral("heard %1: %2 [%3 | %4] %5")
                         .arg(index)
                         .arg(event.type, event.role, event.name)
                         .arg(event.detail));
    }
    return lines.join(QLatin1Char('\n'));
}

qsizetype ScreenReaderBus::waitFor(qsizetype from, const std::function<bool(const Event &)> &match, int boundMs)
{
    qsizetype found = -1;
    waitUntil([&] {
        for (qsizetype index = from; index < m_events.size() && found < 0; ++index) {
            if (match(m_events.at(index)))
                found = index;
        }
        return found >= 0;
    }, boundMs);
    return found;
}

qsizetype ScreenReaderBus::waitForFocus(qsizetype from, const QString &role, const QString &name, int boundMs)
{
    return waitFor(from, [&](const Event &event) {
        return event.type == QLatin1String("focus") && event.role == role && event.name == name;
    }, boundMs);
}

ScreenReaderBus::Event ScreenReaderBus::lastFocusBefore(qsizetype end) const
{
    for (qsizetype index = qMin(end, m_events.size()) - 1; index >= 0; --index) {
        if (m_events.at(index).type == QLatin1String("focus"))
            return m_events.at(index);
    }
    return {};
}

QStringList ScreenReaderBus::heardBetween(qsizetype from, qsizetype to, const QString &type) const
{
    QStringList heard;
    for (qsizetype index = qMax<qsizetype>(from, 0); index < qMin(to, m_events.size()); ++index) {
        const Event &event = m_events.at(index);
        if (event.type == type)
            heard.append(event.role + QLatin1Char(' ') + event.name);
    }
    return heard;
}

QDBusMessage ScreenReaderBus::call(const Object &object, const QString &interface, const QString &method,
                                   const QVariantList &arguments) const
{
    QDBusMessage message = QDBusMessage::createMethodCall(object.service, object.path, interface, method);
    message.setArguments(arguments);
    // A call that cannot be answered any more fails at once.
    return QDBusConnection(m_connectionName).call(message, QDBus::Block, qMax(1, within(kCallMs)));
}

QVariant ScreenReaderBus::property(const Object &object, const QString &name) const
{
    const QDBusMessage reply = call(object, kProperties, QStringLiteral("Get"), {kAccessible, name});
    return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).value<QDBusVariant>().variant()
                                                      : QVariant();
}

QString ScreenReaderBus::role(const Object &object) const
{
    const QDBusMessage reply = call(object, kAccessible, QStringLiteral("GetRoleName"));
    return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).toString() : QString();
}

QString ScreenReaderBus::name(const Object &object) const
{
    return property(object, QStringLiteral("Name")).toString();
}

bool ScreenReaderBus::hasState(const Object &object, State state) const
{
    const QVariant reply = call(object, kAccessible, QStringLiteral("GetState")).arguments().value(0);
    const QList<uint> words = qdbus_cast<QList<uint>>(reply);
    const int bit = int(state);
    return words.size() > bit / 32 && (words.at(bit / 32) >> (bit % 32)) & 1U;
}

ScreenReaderBus::Object ScreenReaderBus::parent(const Object &object) const
{
    const QVariant parent = property(object, QStringLiteral("Parent"));
    return parent.canConvert<QDBusArgument>() ? objectFrom(parent.value<QDBusArgument>()) : Object{};
}

QList<ScreenReaderBus::Object> ScreenReaderBus::children(const Object &object) const
{
    QList<Object> found;
    const QVariant reply = call(object, kAccessible, QStringLiteral("GetChildren")).arguments().value(0);
    if (!reply.canConvert<QDBusArgument>())
        return found;
    const QDBusArgument list = reply.value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd())
        found.append(objectFrom(list));
    list.endArray();
    return found;
}

ScreenReaderBus::Object ScreenReaderBus::find(const Object &root, const QString &role, const QString &name) const
{
    QList<Object> level{root};
    for (int depth = 0; depth < 16 && !level.isEmpty(); ++depth) {
        QList<Object> next;
        for (const Object &object : std::as_const(level)) {
            if (this->role(object) == role && this->name(object) == name)
                return object;
            next.append(children(object));
        }
        level = next;
    }
    return {};
}

QRect ScreenReaderBus::extents(const Object &object) const
{
    const QVariant reply = call(object, QStringLiteral("org.a11y.atspi.Component"), QStringLiteral("GetExtents"),
                                {QVariant::fromValue(0U)})
                               .arguments()
                               .value(0);
    if (!reply.canConvert<QDBusArgument>())
        return {};
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    const QDBusArgument box = reply.value<QDBusArgument>();
    box.beginStructure();
    box >> x >> y >> width >> height;
    box.endStructure();
    return {x, y, width, height};
}

} // namespace orvane::test
