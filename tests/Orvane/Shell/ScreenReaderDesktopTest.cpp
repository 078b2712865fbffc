// The real program on an X11 desktop with a window manager, driven by real keys and the pointer
// (xdotool), and heard on the accessibility bus as a screen reader hears it. The drop-down lists
// and popovers keep the screen reader on what has the keyboard, and a window that a dialog
// leaves takes the keyboard again. A fan model at a router address answers inside the private
// network of scripts/in-test-lan.
#include "DesktopSession.h"
#include "EventLoop.h"
#include "FakeFanModel.h"
#include "QXInsCode.h"
#include "QXUserDefaults.h"
#include "UnionStoreFile.h"

#include <QHostAddress>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <cstdio>

namespace {

using orvane::test::FakeFan;
using orvane::test::FakeFanFileServer;
using orvane::test::FakeFanModel;
using orvane::test::kDesktopStartMs;
using orvane::test::kDesktopStateMs;
using orvane::test::ScreenReaderBus;
using orvane::test::waitUntil;
using Object = ScreenReaderBus::Object;
using State = ScreenReaderBus::State;

const QString kFanAddress = QStringLiteral("192.168.1.23");
const QString kFanName = QStringLiteral("Orvane_kvi_SN0001");
const QString kFanPassword = QStringLiteral("12345678");
// What the progress sheet is heard on as it comes up: its first member's row.
const QString kSheetFocus = QStringLiteral("progress bar FAN-A");

// The X server, a window manager, the screen reader's buses and the program, started by the test
// with what an earlier run left: the fan found by the last search and its password, and a union.
class ScreenReaderDesktop : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        QXUserDefaults &defaults = QXUserDefaults::standardUserDefaults();
        defaults.setObject(QVariantList{QVariantMap{{QStringLiteral("name"), kFanName}, {QStringLiteral("ip"), kFanAddress}}},
                           QStringLiteral("search_device_list"));
        defaults.setObject(QVariantMap{{kFanName, kFanPassword}}, QStringLiteral("DeviceDic"));
        defaults.synchronize();
        orvane::test::writeStore("hall,1,2,0\nFAN-A,192.168.2.20#FAN-B,192.168.2.21");

        QString why;
        ASSERT_TRUE(x.start(QSize(1400, 900), &why) && reader.start(x.environment(), &why)) << why.toStdString();
        const QString manager = QString::fromLatin1(GetParam());
        ASSERT_TRUE(windowManager.start(manager, {}, reader.environment()) && x.awaitWindowManager())
            << manager.toStdString() << " does not start";
        QProcessEnvironment environment = reader.environment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.process().setProcessChannelMode(QProcess::ForwardedErrorChannel);
        ASSERT_TRUE(program.start(QStringLiteral(ORVANE_BINARY), {}, environment));
        // The program is on the screen once its first control is heard.
        ASSERT_GE(reader.waitForFocus(0, QStringLiteral("list item"), QStringLiteral("Connect device"), kDesktopStartMs), 0)
            << "the program is heard on its menu";
    }

    // Where a failed step left the operator: the program's windows, the pointer and what the
    // screen reader heard last.
    void TearDown() override
    {
        if (!HasFailure())
            return;
        const bool spent = orvane::test::DesktopTestTime::spent();
        orvane::test::testDeadline() = QDeadlineTimer(orvane::test::kDesktopStateMs);
        std::printf("%s%s\n%s\n",
                    spent ? "the test's time ran out; " : "", qPrintable(orvane::test::describeDisplay(x.environment(), program.pid())),
                    qPrintable(reader.lastHeard()));
    }

    // Switches to the union list with the pointer: the menu's rows switch screens as the keys move
    // onto them, and the play list's row would ask for a fan first.
    void openUnions()
    {
        const Object menu = reader.parent(heardAt(reader.waitForFocus(0, QStringLiteral("list item"), QStringLiteral("Connect device"))));
        const Object unionsRow = reader.find(menu, QStringLiteral("list item"), QStringLiteral("Unions"));
        ASSERT_FALSE(unionsRow.isNull());
        const QPoint rowCentre = reader.extents(unionsRow).center();
        orvane::test::xdotool(x.environment(), {QStringLiteral("mousemove"), QString::number(rowCentre.x()),
                                                QString::number(rowCentre.y()), QStringLiteral("click"), QStringLiteral("1")});
        ASSERT_GE(reader.waitForFocus(0, QStringLiteral("list item"), QStringLiteral("Unions")), 0);
    }

    // Presses the keys; the index of the focus event on the object of the role and name that
    // follows, -1 when none comes.
    qsizetype press(const QString &keys, const QString &role, const QString &name)
    {
        return orvane::test::pressAndHear(x.environment(), reader, keys, role, name);
    }
    void key(const QString &keys) { orvane::test::xdotool(x.environment(), {QStringLiteral("key"), keys}); }
    // Holds the key down past the keyboard's repeat delay, as a person may, so that its repeats
    // come while what its press opened shows: the index of the first event its press brings that
    // matches, -1 when none comes.
    qsizetype hold(const QString &keyName, const std::function<bool(const ScreenReaderBus::Event &)> &match)
    {
        const qsizetype from = reader.events().size();
        orvane::test::xdotool(x.environment(), {QStringLiteral("keydown"), keyName});
        const qsizetype heard = reader.waitFor(from, match);
        orvane::test::spinFor(1200);
        orvane::test::xdotool(x.environment(), {QStringLiteral("keyup"), keyName});
        return heard;
    }
    static std::function<bool(const ScreenReaderBus::Event &)> focusOn(const QString &role, const QString &name)
    {
        return [=](const ScreenReaderBus::Event &event) {
            return event.type == QLatin1String("focus") && event.role == role && event.name == name;
        };
    }
    // Holds Space, once by hand and once with a repeat split as the X server now and then splits
    // them, each time until the focus is heard on the object of the role and name that its press
    // brings; `afterEach` then checks and closes what the press opened.
    void holdSpaceTwice(const QString &role, const QString &name, const std::function<void(qsizetype heard)> &afterEach)
    {
        afterEach(hold(QStringLiteral("space"), focusOn(role, name)));
        const qsizetype from = reader.events().size();
        qsizetype heard = -1;
        orvane::test::holdWithSplitRepeat(x.environment(), program.pid(), XK_space,
                                          [&] { heard = reader.waitFor(from, focusOn(role, name)); });
        afterEach(heard);
    }

    // Presses the key until the focus lands on the object of the role and name: the index of
    // that focus event, -1 when it is not reached in a screen's worth of steps.
    qsizetype moveTo(const QString &keys, const QString &role, const QString &name)
    {
        return orvane::test::moveFocusTo(x.environment(), reader, keys, role, name);
    }

    // The object a focus event named.
    Object heardAt(qsizetype index) const { return reader.events().at(index).source; }

    // A drop-down list was heard open at `opened`: the object heard has the focused state and
    // the box under it has not, the box's one child is the list, and the list is under the box.
    void expectOpenList(qsizetype opened, const QString &boxName, int rows)
    {
        Object heard = heardAt(opened);
        EXPECT_TRUE(reader.hasState(heard, State::Focused)) << "the object heard says it is focused";
        const Object list = reader.role(heard) == QLatin1String("list") ? heard : reader.parent(heard);
        EXPECT_EQ(reader.name(list), boxName);
        const Object box = reader.parent(list);
        EXPECT_EQ(reader.role(box), QStringLiteral("combo box"));
        EXPECT_EQ(reader.name(box), boxName);
        EXPECT_FALSE(reader.hasState(box, State::Focused)) << "the box leaves the focus to its list";
        EXPECT_EQ(reader.children(box), QList<Object>{list}) << "a walk from the box reaches its list";
        EXPECT_EQ(reader.children(list).size(), rows);
    }

    // Nothing but the popup was heard from `from` to `to`: no window told activated, and the
    // focus last on the object heard at `from`.
    void expectHeardOnlyThere(qsizetype from, qsizetype to, const char *step)
    {
        EXPECT_EQ(reader.heardBetween(from, to, QStringLiteral("window:activate")).join(u", ").toStdString(), "") << step;
        EXPECT_EQ(reader.lastFocusBefore(to).source, heardAt(from)) << step;
    }

    orvane::test::DesktopTestTime time;
    orvane::test::XServer x;
    ScreenReaderBus reader;
    orvane::test::ChildProcess windowManager;
    orvane::test::ChildProcess program;
};

// The language list and the list of fans found: opened, moved in and closed by keys, each heard
// on its row, then on the box again, and the window beneath never heard activated.
TEST_P(ScreenReaderDesktop, TheConnectionScreensListsAreHeardOnTheirRowsAndTheBoxAlone)
{
    const QString language = QStringLiteral("Language");
    ASSERT_GE(press(QStringLiteral("Tab"), QStringLiteral("combo box"), language), 0);
    const qsizetype opened = press(QStringLiteral("alt+Down"), QStringLiteral("list item"), QStringLiteral("English"));
    ASSERT_GE(opened, 0) << "the open list is heard at the shown language";
    expectOpenList(opened, language, 10);
    const qsizetype moved = press(QStringLiteral("Down"), QStringLiteral("list item"), QStringLiteral("日本語"));
    ASSERT_GE(moved, 0);
    expectHeardOnlyThere(opened, moved, "the list opened");
    const qsizetype closed = press(QStringLiteral("Escape"), QStringLiteral("combo box"), language);
    ASSERT_GE(closed, 0) << "Esc: the box is heard again";
    const qsizetype next = press(QStringLiteral("Tab"), QStringLiteral("push button"), QStringLiteral("Direct connection"));
    ASSERT_GE(next, 0);
    expectHeardOnlyThere(closed, next, "the list closed by Esc");

    // Return picks the highlighted row, the shown language again, and leaves the box heard.
    ASSERT_GE(press(QStringLiteral("shift+Tab"), QStringLiteral("combo box"), language), 0);
    ASSERT_GE(press(QStringLiteral("alt+Down"), QStringLiteral("list item"), QStringLiteral("English")), 0);
    const qsizetype picked = press(QStringLiteral("Return"), QStringLiteral("combo box"), language);
    ASSERT_GE(picked, 0) << "Return: the box is heard again";
    const qsizetype after = press(QStringLiteral("Tab"), QStringLiteral("push button"), QStringLiteral("Direct connection"));
    ASSERT_GE(after, 0);
    expectHeardOnlyThere(picked, after, "the list closed by Return");

    // The fans the last search found.
    const QString devices = QStringLiteral("Devices on the network");
    ASSERT_GE(press(QStringLiteral("Tab"), QStringLiteral("push button"), QStringLiteral("Network connection")), 0);
    ASSERT_GE(press(QStringLiteral("space"), QStringLiteral("combo box"), devices), 0) << "the panel opens on the fans found";
    const qsizetype fans = press(QStringLiteral("alt+Down"), QStringLiteral("list item"), kFanName);
    ASSERT_GE(fans, 0) << "the fans' list is heard at the fan";
    expectOpenList(fans, devices, 1);
    const qsizetype fansClosed = press(QStringLiteral("Escape"), QStringLiteral("combo box"), devices);
    ASSERT_GE(fansClosed, 0);
    expectHeardOnlyThere(fans, fansClosed, "the fans' list opened");
    const qsizetype search = press(QStringLiteral("Tab"), QStringLiteral("push button"), QStringLiteral("Search"));
    ASSERT_GE(search, 0);
    expectHeardOnlyThere(fansClosed, search, "the fans' list closed");
}

// The union list's delete popover and the editor's master picker, whose box shows no value yet:
// each heard on its own control, and the controls that opened them heard again after Esc.
TEST_P(ScreenReaderDesktop, TheUnionsPopoversAreHeardOnTheirControlsAlone)
{
    ASSERT_NO_FATAL_FAILURE(openUnions());

    const QString deleteName = QStringLiteral("Delete this item: hall");
    ASSERT_GE(moveTo(QStringLiteral("Tab"), QStringLiteral("push button"), deleteName), 0);
    // Held, Space opens it once: its repeats neither confirm nor close it.
    qsizetype back = -1;
    holdSpaceTwice(QStringLiteral("push button"), QStringLiteral("OK"), [&](qsizetype asked) {
        ASSERT_GE(asked, 0) << "the popover is heard on its OK button";
        EXPECT_TRUE(orvane::test::storedBytes().startsWith("hall,")) << "the repeats delete nothing";
        EXPECT_TRUE(reader.hasState(heardAt(asked), State::Focused));
        Object popover = heardAt(asked);
        while (!popover.isNull() && reader.role(popover) != QLatin1String("dialog"))
            popover = reader.parent(popover);
        EXPECT_EQ(reader.name(reader.parent(popover)), deleteName) << "the popover stands under its button";
        const qsizetype cancel = press(QStringLiteral("Tab"), QStringLiteral("push button"), QStringLiteral("Cancel"));
        ASSERT_GE(cancel, 0);
        expectHeardOnlyThere(asked, cancel, "the popover opened");
        back = press(QStringLiteral("Escape"), QStringLiteral("push button"), deleteName);
        ASSERT_GE(back, 0) << "Esc: the delete button is heard again";
    });
    ASSERT_GE(back, 0);
    const qsizetype next = press(QStringLiteral("shift+Tab"), QStringLiteral("push button"), QStringLiteral("Actions: hall"));
    ASSERT_GE(next, 0);
    expectHeardOnlyThere(back, next, "the popover closed");
    EXPECT_TRUE(orvane::test::storedBytes().startsWith("hall,")) << "nothing deleted";

    // The union's editor, saved: the master picker, its box without a value.
    ASSERT_GE(press(QStringLiteral("space"), QStringLiteral("push button"), QStringLiteral("FAN-A, row 1, column 1")), 0);
    ASSERT_GE(moveTo(QStringLiteral("Tab"), QStringLiteral("push button"), QStringLiteral("Edit union")), 0);
    ASSERT_GE(press(QStringLiteral("space"), QStringLiteral("text"), QStringLiteral("Union name")), 0);
    ASSERT_GE(moveTo(QStringLiteral("Tab"), QStringLiteral("push button"), QStringLiteral("Save")), 0);
    const QString master = QStringLiteral("Master");
    const QByteArray stored = orvane::test::storedBytes();
    holdSpaceTwice(QStringLiteral("combo box"), master, [&](qsizetype picker) {
        ASSERT_GE(picker, 0) << "the picker is heard on its box";
        EXPECT_EQ(orvane::test::storedBytes(), stored) << "the picker saves nothing by itself";
        const qsizetype list = press(QStringLiteral("alt+Down"), QStringLiteral("list"), master);
        ASSERT_GE(list, 0) << "a list without a chosen row is heard as itself";
        expectOpenList(list, master, 2);
        const qsizetype first = press(QStringLiteral("Down"), QStringLiteral("list item"), QStringLiteral("FAN-A"));
        ASSERT_GE(first, 0);
        expectHeardOnlyThere(list, first, "the master's list opened");
        const qsizetype closed = press(QStringLiteral("Escape"), QStringLiteral("combo box"), master);
        ASSERT_GE(closed, 0);
        const qsizetype saved = press(QStringLiteral("Escape"), QStringLiteral("push button"), QStringLiteral("Save"));
        ASSERT_GE(saved, 0) << "Esc closes the picker and gives the focus back to Save";
        expectHeardOnlyThere(closed, saved, "the master's list closed");
    });
}

// A picture added through the file panel, its path typed and confirmed with Return while the
// panel's completion list shows: afterwards the window takes the keyboard at once, Tab moves on,
// and a row shows its controls under the pointer. Several times in a row.
TEST_P(ScreenReaderDesktop, AfterTheFilePanelTheWindowTakesTheKeyboardAndShowsHover)
{
    FakeFan fan{QHostAddress(kFanAddress), 8000};
    ASSERT_NE(fan.port(), 0);
    fan.requirePassword(kFanPassword.toUtf8());
    FakeFanFileServer files;
    ASSERT_TRUE(files.start(8002, 8003, QHostAddress(kFanAddress)));
    FakeFanModel model(fan, files);
    model.setListText("intro.mp4,1.0M,1,\r\n");

    // Connects with the stored password and lands on the play list.
    ASSERT_GE(moveTo(QStringLiteral("Tab"), QStringLiteral("push button"), QStringLiteral("Network connection")), 0);
    ASSERT_GE(press(QStringLiteral("space"), QStringLiteral("combo box"), QStringLiteral("Devices on the network")), 0);
    ASSERT_GE(moveTo(QStringLiteral("Tab"), QStringLiteral("push button"), QStringLiteral("Connect device")), 0);
    const qsizetype connected = press(QStringLiteral("space"), QStringLiteral("list"), QStringLiteral("Play list"));
    ASSERT_GE(connected, 0) << "the play list is heard after connecting";
    const Object playList = heardAt(connected);

    QTemporaryDir folder;
    for (int run = 1; run <= 3; ++run) {
        SCOPED_TRACE(run);
        const QString name = QStringLiteral("photo%1").arg(run);
        const QString picture = folder.filePath(name + QStringLiteral(".png"));
        ASSERT_EQ(QProcess::execute(QStringLiteral("ffmpeg"), {"-v", "error", "-f", "lavfi", "-i", "testsrc=size=160x120",
                                                               "-frames:v", "1", picture}),
                  0);
        ASSERT_GE(moveTo(QStringLiteral("shift+Tab"), QStringLiteral("push button"), QStringLiteral("Add")), 0);
        ASSERT_GE(press(QStringLiteral("space"), QStringLiteral("text"), QStringLiteral("File name:")), 0);
        orvane::test::xdotool(x.environment(), {QStringLiteral("type"), picture});
        // The panel's completion list opens under the typed path, and is open as Return comes.
        const auto windowsShown = [&] {
            const QByteArray windows = orvane::test::xdotool(
                x.environment(), {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                  QString::number(program.pid())});
            return windows.count('\n');
        };
        EXPECT_TRUE(waitUntil([&] { return windowsShown() == 3; }, kDesktopStateMs))
            << "the completion list shows beside the window and the panel";
        const qsizetype confirmed = press(QStringLiteral("Return"), QStringLiteral("push button"), QStringLiteral("Add"));
        EXPECT_GE(confirmed, 0) << "after the panel the focus is heard back on Add";
        ASSERT_TRUE(waitUntil([&] { return model.listText().contains(name.toUtf8() + ".mp4,"); }, kDesktopStartMs))
            << "the picture reaches the fan";

        EXPECT_GE(press(QStringLiteral("Tab"), QStringLiteral("push button"), QStringLiteral("Clear")), 0)
            << "Tab moves the focus on";
        Object row;
        ASSERT_TRUE(waitUntil([&] {
            for (const Object &child : reader.children(playList)) {
                if (reader.name(child).endsWith(name + QStringLiteral(".mp4")))
                    row = child;
            }
            return !row.isNull();
        }, kDesktopStateMs)) << "the picture is listed";
        const QPoint centre = reader.extents(row).center();
        orvane::test::xdotool(x.environment(), {QStringLiteral("mousemove"), QString::number(centre.x()),
                                                QString::number(centre.y())});
        EXPECT_TRUE(waitUntil([&] {
            const Object count = reader.find(row, QStringLiteral("spin box"), QStringLiteral("Play count"));
            return !count.isNull() && reader.hasState(count, State::Showing);
        }, kDesktopStateMs)) << "the row under the pointer shows its play count";
    }
}

// A union operation on two members whose passwords are not stored: the confirmation gives way to
// the progress sheet and the members' password prompts over it, one prompt to the other, and the
// last to the sheet. Each is heard once as it comes up, a prompt on its field, and the window
// beneath is never heard activated in between. Return, held on the confirmation, answers it alone.
TEST_P(ScreenReaderDesktop, DialogsThatFollowEachOtherAreHeardOnceEach)
{
    FakeFan first{QHostAddress(QStringLiteral("192.168.2.20")), 8000};
    FakeFan second{QHostAddress(QStringLiteral("192.168.2.21")), 8000};
    ASSERT_TRUE(first.port() != 0 && second.port() != 0);
    first.requirePassword(kFanPassword.toUtf8());
    second.requirePassword(kFanPassword.toUtf8());

    ASSERT_NO_FATAL_FAILURE(openUnions());
    ASSERT_GE(moveTo(QStringLiteral("Tab"), QStringLiteral("push button"), QStringLiteral("Actions: hall")), 0);
    ASSERT_GE(press(QStringLiteral("space"), QStringLiteral("push button"), QStringLiteral("FAN-A, row 1, column 1")), 0);
    ASSERT_GE(moveTo(QStringLiteral("Tab"), QStringLiteral("push button"), QStringLiteral("White background on")), 0);
    ASSERT_GE(press(QStringLiteral("space"), QStringLiteral("push button"), QStringLiteral("OK")), 0)
        << "the confirmation is heard on OK";

    const QString sheet = QStringLiteral("dialog Progress");
    const auto prompt = [](const ScreenReaderBus::Event &event) {
        return event.type == QLatin1String("focus") && event.role == QLatin1String("text")
            && event.name.startsWith(QLatin1String("Connect device:"));
    };
    QStringList asked;
    qsizetype from = reader.events().size();
    // Held, Return answers the confirmation alone: the prompts it opens wait for keys pressed on
    // them, and nothing reaches the fans until then.
    ASSERT_GE(hold(QStringLiteral("Return"), prompt), 0) << "a member's password prompt is heard";
    EXPECT_FALSE(first.codes().contains(quint8(QXInsCode::whiteBlank)) || second.codes().contains(quint8(QXInsCode::whiteBlank)))
        << "nothing is carried out before the prompts are answered";
    for (int member = 0; member < 2; ++member) {
        SCOPED_TRACE(member);
        const qsizetype heard = reader.waitFor(from, prompt);
        ASSERT_GE(heard, 0) << "a member's password prompt is heard on its field";
        const QString title = reader.events().at(heard).name;
        // Tab to the prompt's Cancel: whatever the dialogs' coming up told, it was told by then.
        const qsizetype settled = press(QStringLiteral("Tab"), QStringLiteral("push button"), QStringLiteral("Cancel"));
        ASSERT_GE(settled, 0);
        QStringList activated = reader.heardBetween(from, settled, QStringLiteral("window:activate"));
        // The sheet opens with the first prompt and may be heard just before it, once.
        if (member == 0 && !activated.isEmpty() && activated.constFirst() == sheet)
            activated.removeFirst();
        EXPECT_EQ(activated.join(u", ").toStdString(), ("dialog " + title).toStdString());
        QStringList focused = reader.heardBetween(from, settled, QStringLiteral("focus"));
        focused.removeAll(kSheetFocus);
        EXPECT_EQ(focused.join(u", ").toStdString(), ("text " + title).toStdString())
            << "the prompt's field is heard once";
        asked.append(title);

        ASSERT_GE(press(QStringLiteral("shift+Tab"), QStringLiteral("text"), title), 0);
        orvane::test::xdotool(x.environment(), {QStringLiteral("type"), kFanPassword});
        from = reader.events().size();
        key(QStringLiteral("Return"));
    }
    EXPECT_NE(asked.value(0), asked.value(1)) << "each member is asked once";

    // The last prompt gives way to the sheet.
    const qsizetype shown = reader.waitFor(from, [&](const ScreenReaderBus::Event &event) {
        return event.type == QLatin1String("window:activate") && event.role + u' ' + event.name == sheet;
    });
    ASSERT_GE(shown, 0) << "the progress sheet is heard after the last prompt";
    EXPECT_TRUE(waitUntil([&] { return first.codes().contains(quint8(QXInsCode::whiteBlank)) && second.codes().contains(quint8(QXInsCode::whiteBlank)); },
                          kDesktopStateMs))
        << "both members are told the operation";
    const qsizetype settled = reader.waitFor(shown + 1, [&](const ScreenReaderBus::Event &event) {
        return event.type == QLatin1String("focus");
    });
    ASSERT_GE(settled, 0);
    key(QStringLiteral("Tab"));
    const qsizetype moved = reader.waitFor(settled + 1, [&](const ScreenReaderBus::Event &event) {
        return event.type == QLatin1String("focus");
    });
    ASSERT_GE(moved, 0) << "Tab moves on in the sheet";
    EXPECT_EQ(reader.heardBetween(from, moved, QStringLiteral("window:activate")).join(u", ").toStdString(),
              sheet.toStdString());
}

INSTANTIATE_TEST_SUITE_P(WindowManagers, ScreenReaderDesktop, ::testing::Values("openbox", "xfwm4"),
                         [](const auto &info) { return std::string(info.param); });

} // namespace
