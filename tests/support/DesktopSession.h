#pragma once

// A desktop of the test's own for the real program: a private X server, the program and other
// tools as child processes, real keys and clicks sent with xdotool, and the accessibility bus of
// a private session bus as a screen reader sees it. Everything runs on displays and buses that
// the test started, so nothing of the machine's own desktop is touched.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

namespace orvane::test {

// Generous bounds for a loaded machine: they only end a wait for a state that never comes.
inline constexpr int kDesktopStartMs = 60000;
inline constexpr int kDesktopStateMs = 20000;
// All that one desktop test may take, start included: every wait ends by then (see
// testDeadline()), so that a test that cannot go on fails by itself, long before the runner's
// time-out ends every test of the program.
inline constexpr int kDesktopTestMs = 120000;

// Starts the running test's time; its end undoes it.
class DesktopTestTime
{
public:
    DesktopTestTime();
    ~DesktopTestTime();
    DesktopTestTime(const DesktopTestTime &) = delete;
    DesktopTestTime &operator=(const DesktopTestTime &) = delete;
    // Whether the test's time ran out.
    static bool spent();
};

// A child process of the test, stopped with the test.
class ChildProcess
{
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;
    ~ChildProcess();

    QProcess &process() { return m_process; }
    qint64 pid() const { return m_process.processId(); }
    bool start(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment);
    // Ends the process, if it runs, so that it may be started again.
    void stop();
    bool running() const { return m_process.state() == QProcess::Running; }
    // Waits for the first line the process writes to its output; empty when none comes.
    QByteArray firstLine();

private:
    QProcess m_process;
    QByteArray m_output;
};

// Xvfb on a free display it names itself, so that other X servers on the machine are left alone.
class XServer
{
public:
    bool start(const QSize &size, QString *why);
    // Waits until a window manager runs on the display; false when none comes.
    bool awaitWindowManager() const;
    // The test's environment with this display.
    const QProcessEnvironment &environment() const { return m_environment; }

private:
    ChildProcess m_server;
    QProcessEnvironment m_environment;
};

// Runs xdotool on the environment's display and waits for it; what it printed.
QByteArray xdotool(const QProcessEnvironment &environment, const QStringList &arguments);
// Sends the process's windows a key held down as the X server now and then delivers it: its
// press, then one repeat split in two, the release on its own and the press of the same moment a
// little later, then its release. The toolkit cannot tell such a repeat from a release and a
// fresh press; a key held by hand meets one about every three seconds, here every time.
// `whilePressed` runs once the press is sent and returns when the rest may follow.
void holdWithSplitRepeat(const QProcessEnvironment &environment, qint64 pid, quint32 symbol,
                         const std::function<void()> &whilePressed);
// What the display shows of the process, to tell where a failed step left it: the names of its
// windows shown and where the pointer is.
QString describeDisplay(const QProcessEnvironment &environment, qint64 pid);

// A private session bus and, on it, the accessibility bus, heard as a screen reader hears it: it
// registers for the focus, window and state events a screen reader follows, tells the
// applications that a screen reader runs, and records every such event with what its object
// said of itself when the event came.
class ScreenReaderBus : public QObject
{
    Q_OBJECT

public:
    // An object of an application on the accessibility bus.
    struct Object
    {
        QString service;
        QString path;
        bool isNull() const { return service.isEmpty() || path.isEmpty() || path == QLatin1String("/org/a11y/atspi/null"); }
        bool operator==(const Object &) const = default;
    };
    struct Event
    {
        QString type; // "focus", "window:activate", "window:deactivate", "state-changed:focused", ...
        int detail = 0;
        Object source;
        QString role; // as the accessibility bus names roles: "list item", "frame", ...
        QString name;
    };
    // The states of interest, numbered as the accessibility bus numbers them.
    enum class State { Active = 1, Focused = 12, Showing = 25 };

    ScreenReaderBus() = default;
    ~ScreenReaderBus() override;

    // Starts the session bus with the environment's display, and listens on its accessibility bus.
    bool start(const QProcessEnvironment &environment, QString *why);
    // The environment for the programs of this session.
    const QProcessEnvironment &environment() const { return m_environment; }

    const QList<Event> &events() const { return m_events; }
    // The last events heard, one a line, to tell where a failed step left the operator.
    QString lastHeard(int count = 12) const;
    // Waits for an event from the index on that matches; its index, or -1 when none comes.
    qsizetype waitFor(qsizetype from, const std::function<bool(const Event &)> &match, int boundMs = kDesktopStateMs);
    // The same for a focus event on an object of the role and name.
    qsizetype waitForFocus(qsizetype from, const QString &role, const QString &name, int boundMs = kDesktopStateMs);
    // The last focus event before the index; one naming nothing when there is none.
    Event lastFocusBefore(qsizetype end) const;
    // The objects of the events of the type ("focus", "window:activate", ...) from the index
    // `from` to before `to`, each as its role and name.
    QStringList heardBetween(qsizetype from, qsizetype to, const QString &type) const;

    QString role(const Object &object) const;
    QString name(const Object &object) const;
    bool hasState(const Object &object, State state) const;
    Object parent(const Object &object) const;
    QList<Object> children(const Object &object) const;
    // The first object of the role and name at or under the object, searched level by level;
    // a null object when there is none.
    Object find(const Object &root, const QString &role, const QString &name) const;
    // Where the object is on the screen.
    QRect extents(const Object &object) const;

private slots:
    void received(const QDBusMessage &message);

private:
    bool startSession(const QProcessEnvironment &environment, QString *why);
    void leaveBuses();
    QDBusMessage call(const Object &object, const QString &interface, const QString &method,
                      const QVariantList &arguments = {}) const;
    QVariant property(const Object &object, const QString &name) const;

    ChildProcess m_sessionBus;
    QProcessEnvironment m_environment;
    QString m_connectionName;
    bool m_registryUnanswered = false;
    QList<Event> m_events;
};

// Presses the keys on the environment's display: the index of the focus event on the object of
// the role and name that follows, -1 when none comes.
qsizetype pressAndHear(const QProcessEnvironment &environment, ScreenReaderBus &reader, const QString &keys,
                       const QString &role, const QString &name);
// Presses the keys until the focus is heard on the object of the role and name: the index of
// that focus event, -1 when it is not reached in a screen's worth of steps.
qsizetype moveFocusTo(const QProcessEnvironment &environment, ScreenReaderBus &reader, const QString &keys,
                      const QString &role, const QString &name);

} // namespace orvane::test
