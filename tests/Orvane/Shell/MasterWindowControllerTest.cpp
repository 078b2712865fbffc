#include "Core/Language.h"
#include "Shell/HomeViewController.h"
#include "Shell/MasterWindowController.h"
#include "AnsweringPresenter.h"

#include "ChildProcesses.h"
#include "EventLoop.h"
#include "HomeMenuCell.h"
#include "QXConnect.h"
#include "QXConnectManager.h"
#include "QXLocalized.h"
#include "QXUserDefaults.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QLineEdit>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <unistd.h>

using orvane::test::waitUntil;

namespace {

QString menuTitle(const MasterWindowController &window, int row)
{
    HomeViewController *home = window.homeViewController();
    auto *cell = qobject_cast<HomeMenuCell *>(home->menuView()->itemWidget(home->menuView()->item(row)));
    return cell ? cell->titleLabel()->text() : QString();
}

class MasterWindowControllerTest : public ::testing::Test
{
protected:
    void SetUp() override { orvane::language::setLanguage(QStringLiteral("en")); }

    void TearDown() override
    {
        QXUserDefaults::standardUserDefaults().removeObjectForKey(QStringLiteral("AppleLanguages"));
        orvane::language::setLanguage(QStringLiteral("en"));
        qunsetenv("ORVANE_FFMPEG");
    }
};

} // namespace

TEST_F(MasterWindowControllerTest, TitleIsTheDisplayNameAndTheVersionAlone)
{
    QCoreApplication::setApplicationVersion(QStringLiteral("2.4.1"));
    MasterWindowController window;
    EXPECT_EQ(window.windowTitle(), "Orvane 2.4.1");
    EXPECT_NE(window.homeViewController(), nullptr);
    EXPECT_EQ(window.centralWidget(), window.homeViewController());
}

TEST_F(MasterWindowControllerTest, LaunchRegistersTheDefaultsWithoutWritingThemAndStoredValuesWin)
{
    QXUserDefaults &defaults = QXUserDefaults::standardUserDefaults();
    defaults.setObject(QStringLiteral("1024"), QStringLiteral("Resolution"));
    MasterWindowController window;
    window.applicationDidFinishLaunching();

    EXPECT_EQ(defaults.stringForKey(QStringLiteral("IsApMode")), "0");
    EXPECT_EQ(defaults.stringForKey(QStringLiteral("Resolution")), "1024");
    EXPECT_FALSE(defaults.hasStoredValueForKey(QStringLiteral("IsApMode")));
    defaults.synchronize();
    QFile file(defaults.fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("IsApMode"));

    // The manager holds both blocks; nothing was connected.
    QXConnectManager &manager = QXConnect::connectManager();
    EXPECT_TRUE(static_cast<bool>(manager.ffmpeg_mac()));
    EXPECT_TRUE(static_cast<bool>(manager.inputCallback()));
    EXPECT_TRUE(manager.insSocket()->isDisconnected());
}

TEST_F(MasterWindowControllerTest, TheLaunchDefaultsHoldTheDevicesFactoryValues)
{
    const QVariantMap defaults = MasterWindowController::launchDefaults();
    const QList<std::pair<const char *, const char *>> expected = {
        {"Address_IP", "192.168.2.1"}, {"Resolution", "512"},      {"Address_Port1", "8000"},
        {"Address_Port2", "8001"},     {"Address_Port3", "8002"},  {"ImageQuality", "40"},
        {"FrameRate", "7"},            {"VolumeNum", "3"},         {"LightNum", "5"},
        {"AngleNum", "0"},             {"AutoStart", "0"},         {"BlueTooth", "1"},
        {"BreathLamp", "1"},           {"SwitchTimer", "0"},       {"OpenTime", "00:00:00"},
        {"CloseTime", "00:00:00"},     {"IsApMode", "0"}};
    for (const auto &[key, value] : expected)
        EXPECT_EQ(defaults.value(QString::fromLatin1(key)).toString(), QString::fromLatin1(value)) << key;
    EXPECT_EQ(defaults.value(QStringLiteral("Device_Type")).toString(), qxLocalized("ov_default_device_type"));
    EXPECT_EQ(defaults.size(), 18);
}

TEST_F(MasterWindowControllerTest, ConverterRunnerReturnsTheExitStatusAndSurvivesAMissingProgram)
{
    {
        // ffmpeg is asked for its progress report first; the rest is a shell's command line here.
        const orvane::test::StandInFfmpeg shell("[ \"$1 $2\" = \"-progress pipe:1\" ] || exit 99\nshift 2\nexec /bin/sh \"$@\"");
        EXPECT_EQ(MasterWindowController::runFfmpeg({QStringLiteral("-c"), QStringLiteral("echo converted; exit 3")}), 3);
        EXPECT_EQ(MasterWindowController::runFfmpeg({QStringLiteral("-c"), QStringLiteral("exit 0")}), 0);

        // The older form hands over a whole command line; its program name is not an argument.
        const char *const commandLine[] = {"ffmpeg", "-c", "exit 4", nullptr};
        EXPECT_EQ(MasterWindowController::runFfmpegMain(3, commandLine), 4);
    }
    qputenv("ORVANE_FFMPEG", "/nonexistent/ffmpeg");
    EXPECT_EQ(MasterWindowController::runFfmpeg({QStringLiteral("-version")}), -1);
    const char *const programOnly[] = {"ffmpeg", nullptr};
    qputenv("ORVANE_FFMPEG", "/bin/true");
    EXPECT_EQ(MasterWindowController::runFfmpegMain(1, programOnly), 0);
}

TEST(MasterWindowControllerDeathTest, QuittingEndsARunningConversionAtOnce)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // Only quitting can end this run: it never ends, and the stall limit is far away.
            const orvane::test::StandInFfmpeg never("exec sleep 600");
            const orvane::test::StallLimit limit(std::chrono::minutes(10));
            MasterWindowController window;
            window.applicationDidFinishLaunching();
            std::atomic<int> status = 0;
            std::atomic<bool> ended = false;
            std::thread conversion([&] {
                status = MasterWindowController::runFfmpeg({QStringLiteral("-i"), QStringLiteral("in.mp4")});
                ended = true;
            });
            QTimer::singleShot(300, qApp, &QCoreApplication::quit);
            QCoreApplication::exec();
            const bool prompt = waitUntil([&] { return ended.load(); }, 10000);
            if (prompt)
                conversion.join();
            orvane::test::removePrivateHome();
            _exit(prompt && status == -1 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(MasterWindowControllerTest, PasswordPromptFromASocketThreadIsAnsweredOnceOnTheGuiThread)
{
    orvane::test::AnsweringPresenter presenter;
    presenter.setRefusing(true);
    MasterWindowController window;
    window.applicationDidFinishLaunching();
    int answers = 0;
    std::optional<QString> answer = QStringLiteral("unset");
    QThread *answeredOn = nullptr;
    std::thread socketThread([&] {
        QXConnect::connectManager().inputCallback()(QStringLiteral("Password"), QString(), QString(),
                                                     [&](const std::optional<QString> &text) {
                                                         ++answers;
                                                         answer = text;
                                                         answeredOn = QThread::currentThread();
                                                     });
    });
    socketThread.join();
    ASSERT_TRUE(waitUntil([&] { return answers > 0; }, 3000));
    orvane::test::spinFor(50);
    EXPECT_EQ(answers, 1);
    EXPECT_EQ(answer, std::nullopt) << "a dialog that cannot be shown answers as cancelled";
    EXPECT_EQ(answeredOn, QCoreApplication::instance()->thread());
}

TEST_F(MasterWindowControllerTest, TheDevicePasswordIsTypedUnseen)
{
    orvane::test::AnsweringPresenter presenter;
    MasterWindowController window;
    window.show();
    window.applicationDidFinishLaunching();
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    std::optional<QString> answer;
    presenter.answerNext([&](QDialog *dialog) {
        echo = dialog->findChild<QLineEdit *>(QStringLiteral("valueText"))->echoMode();
        orvane::test::typeAndPress(QStringLiteral("12345678"), "confirmBtn", "valueText")(dialog);
    });
    QXConnect::connectManager().inputCallback()(QStringLiteral("Password"), QString(), QString(),
                                                 [&](const std::optional<QString> &text) { answer = text; });
    ASSERT_TRUE(waitUntil([&] { return answer.has_value(); }, 3000));
    EXPECT_EQ(echo, QLineEdit::Password);
    EXPECT_EQ(answer, QStringLiteral("12345678"));
}

TEST_F(MasterWindowControllerTest, SwitchingLanguageRebuildsTheHomeScreenAfterTheCallerReturns)
{
    orvane::language::setLanguageWithType(1);
    MasterWindowController window;
    window.show();
    EXPECT_EQ(menuTitle(window, 1), "Play list");
    QPointer<HomeViewController> oldHome = window.homeViewController();
    oldHome->switchToViewControllerType(110);

    // Asked from a control inside the old home screen, which must survive its own handler.
    bool callerSurvived = false;
    QWidget *caller = oldHome->menuView();
    QTimer::singleShot(0, caller, [&] {
        EXPECT_TRUE(MasterWindowController::switchLanguage(3, caller));
        caller->setObjectName(QStringLiteral("still here"));
        callerSurvived = true;
    });
    ASSERT_TRUE(waitUntil([&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return oldHome.isNull();
    }, 3000));
    EXPECT_TRUE(callerSurvived);
    ASSERT_NE(window.homeViewController(), nullptr);
    EXPECT_EQ(menuTitle(window, 1), QStringLiteral("再生リスト"));
    EXPECT_EQ(window.homeViewController()->currentContentViewType(), 100);
    EXPECT_EQ(QXUserDefaults::standardUserDefaults().arrayForKey(QStringLiteral("AppleLanguages")),
              QVariantList{"ja"});

    // The language already in use changes nothing.
    QPointer<HomeViewController> current = window.homeViewController();
    EXPECT_FALSE(MasterWindowController::switchLanguage(3, current));
    orvane::test::spinFor(50);
    EXPECT_EQ(window.homeViewController(), current.data());
}

TEST_F(MasterWindowControllerTest, TheWindowKeepsItsSizeThroughLanguageSwitches)
{
    orvane::language::setLanguageWithType(1);
    MasterWindowController window;
    window.show();
    QCoreApplication::processEvents();
    const QSize size = window.size();
    for (const int type : {4, 6, 3, 2, 11, 8, 9, 7, 10, 1}) {
        QPointer<HomeViewController> old = window.homeViewController();
        ASSERT_TRUE(MasterWindowController::switchLanguage(type, &window));
        ASSERT_TRUE(waitUntil([&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return old.isNull();
        }, 3000));
        QCoreApplication::processEvents();
        EXPECT_EQ(window.size(), size) << "language " << type;
    }
}

TEST_F(MasterWindowControllerTest, ArabicWindowRunsRightToLeft)
{
    orvane::language::setLanguageWithType(1);
    MasterWindowController window;
    window.show();
    EXPECT_TRUE(MasterWindowController::switchLanguage(2, &window));
    ASSERT_TRUE(waitUntil([&] { return menuTitle(window, 0) == QStringLiteral("توصيل الجهاز"); }, 3000));
    EXPECT_EQ(window.layoutDirection(), Qt::RightToLeft);
}
