// The real program as a native Wayland client: Weston, on its x11 backend inside a private Xvfb,
// with Qt's wayland platform, driven by real clicks and keys sent with xdotool, so that the
// compositor decides which window gets them, as on a desktop. Weston's scene graph tells where it
// put each window. Where to click is taken from the same main window built here offscreen at the
// same size; whether a window sits at its control is judged from the click that opened it.
#include "ComboBoxView.h"
#include "DesktopSession.h"
#include "EventLoop.h"
#include "Modules/Connect/ConnectViewController.h"
#include "Modules/Union/UnionListCell.h"
#include "Modules/Union/UnionListViewController.h"
#include "QXLocalized.h"
#include "QXUserDefaults.h"
#include "Shell/HomeViewController.h"
#include "Shell/MasterWindowController.h"
#include "Core/Language.h"
#include "UnionStoreFile.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <optional>

namespace {

using orvane::test::ScreenReaderBus;
using orvane::test::waitUntil;

using orvane::test::kDesktopStartMs;
using orvane::test::kDesktopStateMs;
const QString kSocket = QStringLiteral("orvane-desktop");
constexpr QSize kScreen(1400, 900);

// One surface as Weston shows it: its role ("xdg_toplevel", "xdg_popup"), its client and where.
struct View
{
    QString role;
    qint64 pid = 0;
    QRect rect;
};

// Xvfb, Weston in it and the program on Weston, each started by the test, with a screen reader's
// session bus.
class WaylandDesktop
{
public:
    // Starts the three; false with the reason when one does not come up.
    bool start(QString *why)
    {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!m_x.start(kScreen, why) || !m_reader.start(m_x.environment(), why))
            return false;
        const QProcessEnvironment &base = m_reader.environment();

        if (!m_weston.start(QStringLiteral("weston"),
                            {QStringLiteral("--backend=x11-backend.so"), QStringLiteral("--socket=") + kSocket,
                             QStringLiteral("--debug"), QStringLiteral("--no-config"), QStringLiteral("--idle-time=0"),
                             QStringLiteral("--width=%1").arg(kScreen.width()), QStringLiteral("--height=%1").arg(kScreen.height())},
                            base)
            || !waitUntil([&] { return QFile::exists(runtime + QLatin1Char('/') + kSocket) || !m_weston.running(); },
                          kDesktopStartMs)
            || !m_weston.running()) {
            *why = QStringLiteral("Weston does not start: ") + QString::fromLocal8Bit(m_weston.process().readAllStandardError());
            return false;
        }

        // Only Wayland: without an X display the program cannot fall back to X11.
        QProcessEnvironment program = base;
        program.remove(QStringLiteral("DISPLAY"));
        program.insert(QStringLiteral("WAYLAND_DISPLAY"), kSocket);
        program.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        // The window's surface is then its content: a control's place in the window is its place
        // on the surface.
        program.insert(QStringLiteral("QT_WAYLAND_DISABLE_WINDOWDECORATION"), QStringLiteral("1"));
        m_program.process().setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (!m_program.start(QStringLiteral(ORVANE_BINARY), {}, program)) {
            *why = QStringLiteral("the program does not start");
            return false;
        }
        if (!waitUntil([&] { return window().has_value() || !m_program.running(); }, kDesktopStartMs) || !window()) {
            *why = QStringLiteral("the program shows no window on Weston");
            return false;
        }
        return alignPointer(why);
    }

    // What Weston shows now.
    QList<View> views() const
    {
        QProcess debug;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), kSocket);
        debug.setProcessEnvironment(environment);
        debug.start(QStringLiteral("weston-debug"), {QStringLiteral("scene-graph")});
        if (!debug.waitForFinished(orvane::test::within(kDesktopStateMs)))
            debug.kill();
        static const QRegularExpression head(QStringLiteral(R"(^\s*View \d+ \(role ([^,]+), PID (\d+),)"));
        static const QRegularExpression place(QStringLiteral(R"(^\s*position: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\))"));
        QList<View> found;
        std::optional<View> pending;
        for (const QString &line : QString::fromLocal8Bit(debug.readAllStandardOutput()).split(QLatin1Char('\n'))) {
            if (const auto match = head.match(line); match.hasMatch()) {
                pending = View{match.captured(1), match.captured(2).toLongLong(), {}};
            } else if (const auto at = place.match(line); at.hasMatch() && pending) {
                pending->rect = QRect(QPoint(at.captured(1).toInt(), at.captured(2).toInt()),
                                      QPoint(at.captured(3).toInt() - 1, at.captured(4).toInt() - 1));
                found.append(*pending);
                pending.reset();
            }
        }
        return found;
    }

    // The program's first surface of the role that shows something; none when there is none.
    std::optional<QRect> surface(const QString &role) const
    {
        for (const View &view : views()) {
            if (view.pid == m_program.pid() && view.role == role && !view.rect.isEmpty())
                return view.rect;
        }
        return std::nullopt;
    }
    std::optional<QRect> window() const { return surface(QStringLiteral("xdg_toplevel")); }
    std::optional<QRect> popup() const { return surface(QStringLiteral("xdg_popup")); }
    // Waits for a popup to open, or for none to be left; the popup when there is one.
    std::optional<QRect> awaitPopup(bool open, int boundMs = kDesktopStateMs) const
    {
        std::optional<QRect> shown;
        waitUntil([&] { return (shown = popup()).has_value() == open; }, boundMs);
        return shown;
    }

    // Clicks the screen's menu row, then the control on that screen, until a popup opens: a
    // loaded machine may still be switching screens when the control is clicked.
    std::optional<QRect> openFrom(const QPoint &menuRow, const QPoint &control)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            click(menuRow);
            orvane::test::spinFor(300);
            click(control);
            if (std::optional<QRect> shown = awaitPopup(true, kDesktopStateMs / 4))
                return shown;
        }
        return std::nullopt;
    }

    // Moves the pointer to a point of the screen; false, naming both places, when Weston's
    // pointer does not come to stand there.
    bool moveTo(const QPoint &point, QString *why)
    {
        xdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())});
        std::optional<QRect> cursor;
        if (waitUntil([&] { return (cursor = this->cursor()) && cursor->contains(point); }, kDesktopStateMs))
            return true;
        *why = QStringLiteral("the X pointer is at (%1, %2), but Weston's cursor %3")
                   .arg(point.x())
                   .arg(point.y())
                   .arg(cursor ? QStringLiteral("stands at (%1, %2) to (%3, %4)")
                                     .arg(cursor->left())
                                     .arg(cursor->top())
                                     .arg(cursor->right())
                                     .arg(cursor->bottom())
                                : QStringLiteral("is not shown"));
        return false;
    }

    // A press and a release of the left button at a point of the screen, as separate inputs.
    void click(const QPoint &point)
    {
        if (QString why; !moveTo(point, &why))
            ADD_FAILURE() << "the click misses: " << why.toStdString();
        xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
        orvane::test::spinFor(50);
        xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
    }
    void key(const QString &name) { xdotool({QStringLiteral("key"), name}); }
    // Holds the key down as a person does until a popup shows, then lets it go; the popup that
    // showed, if one did.
    std::optional<QRect> holdUntilPopup(const QString &name)
    {
        xdotool({QStringLiteral("keydown"), name});
        const std::optional<QRect> shown = awaitPopup(true);
        xdotool({QStringLiteral("keyup"), name});
        return shown;
    }
    // Presses the keys; the index of the focus event on the object of the role and name that
    // follows, -1 when none comes.
    qsizetype press(const QString &keys, const QString &role, const QString &name)
    {
        return orvane::test::pressAndHear(m_x.environment(), m_reader, keys, role, name);
    }
    qsizetype tabTo(const QString &role, const QString &name)
    {
        return orvane::test::moveFocusTo(m_x.environment(), m_reader, QStringLiteral("Tab"), role, name);
    }

    // Where a failed step left the program: what Weston shows of it, where the pointer is, and
    // what the screen reader heard last.
    QString describe() const
    {
        QStringList shown;
        for (const View &view : views()) {
            if (view.pid == m_program.pid() || view.role == QLatin1String("wl_pointer-cursor"))
                shown.append(QStringLiteral("%1 at (%2, %3) to (%4, %5)")
                                 .arg(view.role)
                                 .arg(view.rect.left())
                                 .arg(view.rect.top())
                                 .arg(view.rect.right())
                                 .arg(view.rect.bottom()));
        }
        return QStringLiteral("Weston shows: [%1]\n%2").arg(shown.join(QStringLiteral(" | ")), m_reader.lastHeard());
    }

    // Stops the program, or lets it go on: a program too busy to read its input meanwhile.
    void pauseProgram(bool paused) { ::kill(pid_t(m_program.pid()), paused ? SIGSTOP : SIGCONT); }
    bool programRunning() const { return m_program.running(); }
    orvane::test::ScreenReaderBus &reader() { return m_reader; }

private:
    // Weston's x11 backend moves its pointer by the steps of the X pointer, stopped at the edges
    // of its output, and it may not know where the X pointer started: the two can then stay
    // apart by a fixed offset. A move into the far corner and then into the near one brings
    // both to the same place, wherever they started.
    bool alignPointer(QString *why)
    {
        xdotool({QStringLiteral("mousemove"), QString::number(kScreen.width() - 1), QString::number(kScreen.height() - 1)});
        return moveTo(QPoint(0, 0), why);
    }

    // Weston's cursor: the image drawn around the pointer, which holds the pointer's place.
    std::optional<QRect> cursor() const
    {
        for (const View &view : views()) {
            if (view.role == QStringLiteral("wl_pointer-cursor"))
                return view.rect;
        }
        return std::nullopt;
    }

    void xdotool(const QStringList &arguments) { orvane::test::xdotool(m_x.environment(), arguments); }

    orvane::test::XServer m_x;
    orvane::test::ScreenReaderBus m_reader;
    orvane::test::ChildProcess m_weston;
    orvane::test::ChildProcess m_program;
};

// Tells, once the test has failed, where it left the program.
class ReportOnFailure
{
public:
    explicit ReportOnFailure(const WaylandDesktop &desktop) : m_desktop(desktop) {}
    ReportOnFailure(const ReportOnFailure &) = delete;
    ReportOnFailure &operator=(const ReportOnFailure &) = delete;
    ~ReportOnFailure()
    {
        if (!::testing::Test::HasFailure())
            return;
        const bool spent = orvane::test::DesktopTestTime::spent();
        orvane::test::testDeadline() = QDeadlineTimer(kDesktopStateMs);
        std::printf("%s%s\n", spent ? "the test's time ran out; " : "", qPrintable(m_desktop.describe()));
    }

private:
    const WaylandDesktop &m_desktop;
};

// The centre of a widget in its window's coordinates.
QPoint centreIn(const QWidget *widget)
{
    return widget->mapTo(widget->window(), widget->rect().center());
}

// Space held on the focused button opens its popover as the key goes down. Let go, the popover
// stays open and takes the keys (Tab moves to its Cancel), and Esc closes it and gives the focus
// back to the button.
void expectSpaceHeldOpens(WaylandDesktop &desktop, const QString &button)
{
    ScreenReaderBus &reader = desktop.reader();
    ASSERT_TRUE(desktop.holdUntilPopup(QStringLiteral("space"))) << button.toStdString() << ": Space held opens no popup";
    const qsizetype cancel = desktop.press(QStringLiteral("Tab"), QStringLiteral("push button"), qxLocalized("ov_cancel"));
    EXPECT_GE(cancel, 0) << button.toStdString() << ": after Space is let go, Tab does not reach the popover's Cancel; "
                         << "heard last: " << reader.lastFocusBefore(reader.events().size()).name.toStdString();
    EXPECT_TRUE(desktop.popup()) << button.toStdString() << ": the popover closed once Space was let go";
    ASSERT_GE(desktop.press(QStringLiteral("Escape"), QStringLiteral("push button"), button), 0)
        << button.toStdString() << ": Esc does not give the focus back; heard last: "
        << reader.lastFocusBefore(reader.events().size()).name.toStdString();
    EXPECT_FALSE(desktop.awaitPopup(false)) << button.toStdString() << ": Esc leaves the popover open";
}

// The language stored for the next start, as the program wrote it.
QString storedLanguage()
{
    QSettings stored(QXUserDefaults::standardUserDefaults().fileName(), QSettings::IniFormat);
    return stored.value(QStringLiteral("AppleLanguages")).toStringList().value(0);
}

TEST(WaylandDesktop, DropDownsAndPopoversOpenAtTheirControlsAndAnswerKeysAndClicks)
{
    orvane::test::writeStore("hall,1,2,0\nFAN-A,192.168.2.20#FAN-B,192.168.2.21");
    const orvane::test::DesktopTestTime time;
    WaylandDesktop desktop;
    const ReportOnFailure report(desktop);
    QString why;
    ASSERT_TRUE(desktop.start(&why)) << why.toStdString();
    const QRect window = *desktop.window();

    // The same main window, here, at the size Weston shows: where its controls lie.
    orvane::language::applyStartupLanguage();
    MasterWindowController replica;
    replica.applicationDidFinishLaunching();
    replica.resize(window.size());
    replica.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&replica));
    auto *connect = replica.findChild<ConnectViewController *>();
    ASSERT_NE(connect, nullptr);
    ComboBoxView *languageBox = connect->languageBox();
    const QPoint languageButton = window.topLeft() + centreIn(languageBox->btnDragDown());
    QListWidget *menu = replica.homeViewController()->menuView();
    const auto menuRow = [&](int row) {
        return window.topLeft() + menu->viewport()->mapTo(&replica, menu->visualItemRect(menu->item(row)).center());
    };

    // The language list hangs under its box: the click on the box's button lies just above it,
    // within the box's height, and the list is as wide as the box.
    ScreenReaderBus &reader = desktop.reader();
    const QString shownLanguage = languageBox->getSelectedString();
    desktop.click(languageButton);
    std::optional<QRect> list = desktop.awaitPopup(true);
    ASSERT_TRUE(list) << "the language list opens as a popup of the window";
    EXPECT_GT(list->top(), languageButton.y());
    EXPECT_LE(list->top() - languageButton.y(), languageBox->height());
    EXPECT_TRUE(list->left() <= languageButton.x() && languageButton.x() <= list->right());
    EXPECT_EQ(list->width(), languageBox->contentView()->width());
    // A screen reader is on the list's row while the list is open, and on the box once it is
    // gone; the window beneath is never told activated meanwhile.
    const qsizetype opened = reader.waitForFocus(0, QStringLiteral("list item"), shownLanguage);
    ASSERT_GE(opened, 0) << "the open list is heard at its row";
    desktop.key(QStringLiteral("Escape"));
    EXPECT_FALSE(desktop.awaitPopup(false)) << "Esc closes the list";
    const qsizetype closed = reader.waitForFocus(opened, QStringLiteral("combo box"), languageBox->accessibleName());
    ASSERT_GE(closed, 0) << "the box is heard again";
    EXPECT_EQ(reader.heardBetween(opened, closed, QStringLiteral("window:activate")).join(u", ").toStdString(), "");

    // A click beside the box, in the empty strip of the window's top bar, closes it.
    desktop.click(languageButton);
    ASSERT_TRUE(desktop.awaitPopup(true));
    const qsizetype reopened = reader.waitForFocus(closed, QStringLiteral("list item"), shownLanguage);
    ASSERT_GE(reopened, 0);
    EXPECT_EQ(reader.heardBetween(closed, reopened, QStringLiteral("window:activate")).join(u", ").toStdString(), "") << "heard after the list closed";
    desktop.click(languageButton - QPoint(languageBox->width() + 60, 0));
    EXPECT_FALSE(desktop.awaitPopup(false)) << "a click outside closes the list";

    // The delete popover of the first stored union stands to the left of its button.
    replica.homeViewController()->switchToViewControllerType(HomeViewController::unionType);
    auto *unions = replica.findChild<UnionListViewController *>();
    ASSERT_NE(unions, nullptr);
    ASSERT_TRUE(waitUntil([&] { return unions->cell(0) && unions->cell(0)->deleteButton()->isVisible(); }));
    QToolButton *deleteButton = unions->cell(0)->deleteButton();
    const QPoint deletePoint = window.topLeft() + centreIn(deleteButton);
    std::optional<QRect> popover = desktop.openFrom(menuRow(4), deletePoint);
    ASSERT_TRUE(popover) << "the delete popover opens as a popup of the window";
    EXPECT_LE(popover->right(), deletePoint.x());
    EXPECT_GE(popover->right(), deletePoint.x() - deleteButton->width());
    EXPECT_TRUE(popover->top() <= deletePoint.y() && deletePoint.y() <= popover->bottom());
    const QString deleteName = deleteButton->accessibleName();
    ASSERT_GE(desktop.press(QStringLiteral("Escape"), QStringLiteral("push button"), deleteName), 0)
        << "Esc gives the focus back to the delete button";
    EXPECT_FALSE(desktop.awaitPopup(false)) << "Esc closes the popover";

    // A known limit: a Space let go before the program has read it (the program busy, or keys
    // sent faster than a hand) reaches Weston before the popover asks for its grab, and Weston
    // grants a grab only for its latest key event: it closes the popover at once. What holds is
    // that the button gets the focus back.
    const qsizetype busy = reader.events().size();
    desktop.pauseProgram(true);
    desktop.key(QStringLiteral("space"));
    // Weston has handled the key once its cursor follows a move sent after it.
    const bool keyHandled = desktop.moveTo(QPoint(0, 0), &why);
    desktop.pauseProgram(false);
    ASSERT_TRUE(keyHandled) << why.toStdString();
    EXPECT_GE(reader.waitForFocus(busy, QStringLiteral("push button"), deleteName), 0)
        << "the popover Weston refused gives the focus back";
    EXPECT_FALSE(desktop.awaitPopup(false)) << "no popover is left";

    // Space held on the button, as a person holds it, opens the popover as it goes down; let go,
    // the popover stays and takes the keys, and Esc gives the focus back to the button. So does
    // the union editor's Save with its master picker.
    ASSERT_NO_FATAL_FAILURE(expectSpaceHeldOpens(desktop, deleteName));
    EXPECT_TRUE(orvane::test::storedBytes().startsWith("hall,")) << "nothing deleted";
    ASSERT_GE(desktop.press(QStringLiteral("shift+Tab"), QStringLiteral("push button"),
                            unions->cell(0)->detailButton()->accessibleName()), 0);
    ASSERT_GE(desktop.press(QStringLiteral("space"), QStringLiteral("push button"), QStringLiteral("FAN-A, row 1, column 1")), 0)
        << "the union's screen opens";
    ASSERT_GE(desktop.tabTo(QStringLiteral("push button"), QStringLiteral("Edit union")), 0);
    ASSERT_GE(desktop.press(QStringLiteral("space"), QStringLiteral("text"), QStringLiteral("Union name")), 0)
        << "the union's editor opens";
    ASSERT_GE(desktop.tabTo(QStringLiteral("push button"), qxLocalized("ov_save")), 0);
    ASSERT_NO_FATAL_FAILURE(expectSpaceHeldOpens(desktop, qxLocalized("ov_save")));

    // Back on the first screen, Down and Return in the list pick the language after the shown one.
    const qint64 shown = languageBox->selectedIndex();
    ASSERT_GE(shown, 0);
    const QList<QVariantMap> languages = connect->languageList();
    ASSERT_LT(shown + 1, languages.size());
    const QString next = orvane::language::lanStringFromType(languages.at(shown + 1).value(QStringLiteral("type")).toInt());
    ASSERT_TRUE(desktop.openFrom(menuRow(0), languageButton));
    desktop.key(QStringLiteral("Down"));
    desktop.key(QStringLiteral("Return"));
    EXPECT_FALSE(desktop.awaitPopup(false)) << "Return closes the list";
    EXPECT_TRUE(waitUntil([&] { return storedLanguage() == next; }, kDesktopStateMs))
        << "stored " << storedLanguage().toStdString() << ", expected " << next.toStdString();
    EXPECT_TRUE(desktop.programRunning());
}

} // namespace
