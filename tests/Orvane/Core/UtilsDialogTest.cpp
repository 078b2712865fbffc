#include "AccessibilityEvents.h"
#include "AnsweringPresenter.h"
#include "Core/Dialog/DialogEnsureViewController.h"
#include "Core/Dialog/DialogInfoViewController.h"
#include "Core/Dialog/DialogWindowController.h"
#include "Core/Utils.h"
#include "EventLoop.h"

#include <QAccessible>
#include <QApplication>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <QTimer>

#include <thread>

#include <gtest/gtest.h>

namespace {

using orvane::test::AnsweringPresenter;
using orvane::test::press;
using orvane::test::pressEscape;
using orvane::test::waitUntil;
using Type = Utils::DialogType;

int blockAnswer(Type type, const AnsweringPresenter::Answer &answer)
{
    AnsweringPresenter presenter;
    presenter.answerNext(answer);
    int result = -1;
    int calls = 0;
    Utils::shareInstance()->showDialogWithType(type, QStringLiteral("Message"), [&](int value) {
        result = value;
        ++calls;
    });
    EXPECT_EQ(calls, 1);
    return result;
}

TEST(UtilsDialogs, BlockFormAnswersOnceForEveryWayOut)
{
    EXPECT_EQ(blockAnswer(Type::info, press("btnOK")), Utils::clickOK);
    EXPECT_EQ(blockAnswer(Type::ensure, press("btnOK")), Utils::clickOK);
    EXPECT_EQ(blockAnswer(Type::ensure, press("btnCancel")), Utils::clickCancel);
    EXPECT_EQ(blockAnswer(Type::input, press("btnCancel")), Utils::clickCancel);
    EXPECT_EQ(blockAnswer(Type::ensure, [](QDialog *d) { pressEscape(d); }), Utils::clickCancel);
    EXPECT_EQ(blockAnswer(Type::info, [](QDialog *d) { pressEscape(d); }), Utils::clickOK);
    // Enter confirms every form, wherever the dialog put the focus.
    for (const Type type : {Type::info, Type::input, Type::ensure})
        EXPECT_EQ(blockAnswer(type, [](QDialog *d) { orvane::test::pressEnter(d); }), Utils::clickOK);
    // Nobody answers: the wait still ends, as a cancel.
    EXPECT_EQ(blockAnswer(Type::ensure, [](QDialog *) {}), Utils::clickCancel);
}

TEST(UtilsDialogs, BlockRunsAfterTheWindowIsGone)
{
    AnsweringPresenter presenter;
    presenter.answerNext(press("btnOK"));
    bool dialogGone = false;
    Utils::shareInstance()->showDialogWithType(Type::info, QStringLiteral("Done"), [&](int) {
        auto *dialog = qobject_cast<DialogWindowController *>(presenter.last());
        dialogGone = Utils::shareInstance()->dialogWC() == nullptr && dialog && dialog->isFinished()
            && !dialog->isVisible();
    });
    EXPECT_TRUE(dialogGone);
}

TEST(UtilsDialogs, RealModalWaitEndsWhenTheOperatorClicks)
{
    QWidget window;
    window.resize(800, 600);
    window.show();
    QApplication::setActiveWindow(&window);
    QTimer::singleShot(0, [] {
        DialogWindowController *dialog = Utils::shareInstance()->dialogWC();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        dialog->findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
    });
    int result = -1;
    Utils::shareInstance()->showDialogWithType(Type::ensure, QStringLiteral("Sure?"), [&](int value) { result = value; });
    EXPECT_EQ(result, Utils::clickOK);
}

TEST(UtilsDialogs, TargetFormReadsTheInputBeforeClosing)
{
    AnsweringPresenter presenter;
    presenter.answerNext(orvane::test::typeAndPress(QStringLiteral("12345678"), "btnOK"));
    Utils *utils = Utils::shareInstance();
    QObject screen;
    QString typed;
    int cancels = 0;
    utils->showDialogWithType(
        Type::input, QStringLiteral("Password"), &screen,
        [&] {
            typed = utils->dialogWC()->getInput();
            utils->clickToOK();
        },
        [&] {
            ++cancels;
            utils->clickToCancel();
        });
    EXPECT_EQ(typed, QStringLiteral("12345678"));
    EXPECT_EQ(cancels, 0);
    EXPECT_EQ(utils->dialogWC(), nullptr);
}

TEST(UtilsDialogs, TargetFormEscapeRunsCancelOnceAndMissingActionsClose)
{
    AnsweringPresenter presenter;
    Utils *utils = Utils::shareInstance();
    QObject screen;
    int oks = 0;
    int cancels = 0;
    presenter.answerNext([](QDialog *d) { pressEscape(d); });
    utils->showDialogWithType(
        Type::input, QStringLiteral("Password"), &screen, [&] { ++oks; },
        [&] {
            ++cancels;
            utils->clickToCancel();
        });
    EXPECT_EQ(oks, 0);
    EXPECT_EQ(cancels, 1);

    // No actions: OK closes the dialog by itself.
    presenter.answerNext(press("btnOK"));
    utils->showDialogWithType(Type::ensure, QStringLiteral("Sure?"), nullptr, {}, {});
    auto *dialog = qobject_cast<DialogWindowController *>(presenter.last());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->result(), Utils::clickOK);
}

TEST(UtilsDialogs, ActionsOfAGoneTargetDoNotRun)
{
    AnsweringPresenter presenter;
    Utils *utils = Utils::shareInstance();
    auto *screen = new QObject;
    bool ran = false;
    presenter.answerNext([screen](QDialog *dialog) {
        delete screen;
        AnsweringPresenter::press(dialog, QStringLiteral("btnOK"));
    });
    utils->showDialogWithType(Type::ensure, QStringLiteral("Sure?"), screen, [&] { ran = true; }, [&] { ran = true; });
    EXPECT_FALSE(ran);
    EXPECT_EQ(utils->dialogWC(), nullptr);
}

TEST(UtilsDialogs, ClosingClosesTheInnermostDialogOnly)
{
    AnsweringPresenter presenter;
    Utils *utils = Utils::shareInstance();
    DialogWindowController *outer = nullptr;
    bool innerSawOuterBeneath = false;
    presenter.answerNext([&](QDialog *dialog) {
        outer = qobject_cast<DialogWindowController *>(dialog);
        AnsweringPresenter::press(dialog, QStringLiteral("btnOK"));
    });
    presenter.answerNext(press("btnOK"));
    utils->showDialogWithType(Type::ensure, QStringLiteral("Outer"), nullptr,
                              [&] {
                                  // A message shown from inside the first dialog's action.
                                  utils->showDialogWithType(Type::info, QStringLiteral("Inner"), [&](int) {
                                      innerSawOuterBeneath = utils->dialogWC() == outer;
                                  });
                                  EXPECT_FALSE(outer->isFinished());
                                  utils->clickToOK();
                              },
                              {});
    EXPECT_TRUE(innerSawOuterBeneath);
    ASSERT_NE(outer, nullptr);
    EXPECT_TRUE(outer->isFinished());
    EXPECT_EQ(outer->result(), Utils::clickOK);
    EXPECT_EQ(utils->dialogWC(), nullptr);
}

// The short-password message, as the connection screen shows it from the password dialog's OK:
// it comes once the password dialog has left the screen, takes the keyboard and is announced
// once, takes the keyboard back when the window manager activates the window beneath, and after
// OK the keyboard is on the control that opened the password dialog.
TEST(UtilsDialogs, AMessageOpenedByAnAnswerComesAloneAndKeepsTheKeyboard)
{
    QWidget window;
    auto *opener = new QPushButton(QStringLiteral("Connect"), &window);
    new QPushButton(QStringLiteral("Search"), &window);
    window.resize(800, 600);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    opener->setFocus();
    orvane::test::AccessibilityEvents log;
    Utils *utils = Utils::shareInstance();
    QObject screen;
    DialogWindowController *password = nullptr;
    DialogWindowController *message = nullptr;
    int messageFocusEvents = 0;

    QTimer::singleShot(0, [&] {
        password = utils->dialogWC();
        ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == password; }));
        QTimer::singleShot(0, [&] {
            message = utils->dialogWC();
            ASSERT_NE(message, password);
            EXPECT_TRUE(password->isHidden());
            ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == message; }));
            EXPECT_TRUE(message->isAncestorOf(QApplication::focusWidget()));
            for (const auto &event : log.events())
                messageFocusEvents += event.type == QAccessible::Focus && event.object
                    && (event.object == message || message->isAncestorOf(qobject_cast<QWidget *>(event.object)));
            // The window manager gives the activation to the main window, blocked by the message.
            bool windowActivated = false;
            const auto watch = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, [&](QWindow *focused) {
                windowActivated = windowActivated || focused == window.windowHandle();
            });
            window.activateWindow();
            EXPECT_TRUE(waitUntil([&] { return windowActivated && QApplication::activeWindow() == message; }));
            QObject::disconnect(watch);
            QTest::keyClick(message->focusWidget() ? message->focusWidget() : message, Qt::Key_Return);
        });
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1234567"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    utils->showDialogWithType(
        Type::input, QStringLiteral("Password"), &screen,
        [&] {
            utils->showDialogWithType(Type::info, QStringLiteral("At least 8 characters"), nullptr);
            utils->clickToOK();
        },
        [&] { utils->clickToCancel(); });

    ASSERT_NE(message, nullptr);
    EXPECT_EQ(messageFocusEvents, 1);
    EXPECT_EQ(utils->dialogWC(), nullptr);
    // The window manager activates the main window again once the dialogs are gone.
    window.activateWindow();
    ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &window; }));
    EXPECT_EQ(QApplication::focusWidget(), opener);
}

TEST(UtilsDialogs, OffTheGuiThreadNothingIsShownAndTheAnswerIsCancel)
{
    AnsweringPresenter presenter;
    int result = -1;
    std::thread worker([&] {
        Utils::shareInstance()->showDialogWithType(Type::ensure, QStringLiteral("Sure?"),
                                                   [&](int value) { result = value; });
    });
    worker.join();
    EXPECT_EQ(result, Utils::clickCancel);

    QObject screen;
    QThread *cancelledOn = nullptr;
    std::thread other([&] {
        Utils::shareInstance()->showDialogWithType(Type::input, QStringLiteral("Password"), &screen, [] {},
                                                   [&] { cancelledOn = QThread::currentThread(); });
    });
    other.join();
    ASSERT_TRUE(orvane::test::waitUntil([&] { return cancelledOn != nullptr; }));
    EXPECT_EQ(cancelledOn, qApp->thread());
    EXPECT_TRUE(presenter.presented().isEmpty());
}

TEST(UtilsDialogs, MessagesWithALineBreakAreLeftAligned)
{
    DialogEnsureViewController ensure;
    ensure.setInfoString(QStringLiteral("First\nSecond"));
    EXPECT_TRUE(ensure.info()->alignment().testFlag(Qt::AlignLeft));
    ensure.setInfoString(QStringLiteral("Short"));
    EXPECT_TRUE(ensure.info()->alignment().testFlag(Qt::AlignHCenter));

    const QFont font;
    EXPECT_TRUE(DialogInfoViewController::leftAligned(QStringLiteral("a\nb"), font));
    EXPECT_FALSE(DialogInfoViewController::leftAligned(QStringLiteral("Short"), font));
    EXPECT_TRUE(DialogInfoViewController::leftAligned(QString(200, QLatin1Char('w')).replace(5, 1, QLatin1Char(' ')), font));
}

TEST(UtilsDialogs, TheInputDialogTakesAPasswordUnread)
{
    AnsweringPresenter presenter;
    QLineEdit *field = nullptr;
    QString announced;
    presenter.answerNext([&](QDialog *dialog) {
        field = dialog->findChild<QLineEdit *>(QStringLiteral("inputField"));
        field->setText(QStringLiteral("secret-pass"));
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(field);
        EXPECT_TRUE(accessible->state().passwordEdit);
        announced = accessible->text(QAccessible::Value);
        EXPECT_EQ(field->echoMode(), QLineEdit::Password);
        AnsweringPresenter::press(dialog, QStringLiteral("btnCancel"));
    });
    Utils::shareInstance()->showDialogWithType(Type::input, QStringLiteral("Password"), nullptr);
    EXPECT_NE(field, nullptr);
    EXPECT_FALSE(announced.contains(QStringLiteral("secret")));
}

TEST(UtilsDialogs, ALongMessageGrowsTheDialogUpToMostOfTheScreenThenScrolls)
{
    auto heightFor = [](const QString &message) {
        AnsweringPresenter presenter;
        int height = 0;
        presenter.answerNext([&](QDialog *dialog) {
            height = dialog->height();
            EXPECT_EQ(dialog->width(), 440);
            AnsweringPresenter::press(dialog, QStringLiteral("btnOK"));
        });
        Utils::shareInstance()->showDialogWithType(Type::info, message, nullptr);
        return height;
    };
    const QString sentence = QStringLiteral("The fan could not be reached over the network just now. ");
    EXPECT_EQ(heightFor(QStringLiteral("Done")), 220);
    const int longer = heightFor(sentence.repeated(12));
    EXPECT_GT(longer, 220);
    const int screen = QGuiApplication::primaryScreen()->availableGeometry().height();
    EXPECT_LE(heightFor(sentence.repeated(400)), screen * 3 / 4);
}

TEST(UtilsDialogs, StandaloneConfirmationAnswersOnce)
{
    int answers = 0;
    int last = -1;
    DialogEnsureViewController ensure(QStringLiteral("Delete the union?"), [&](int value) {
        ++answers;
        last = value;
    });
    ensure.btnCancel()->click();
    ensure.btnOK()->click();
    EXPECT_EQ(answers, 1);
    EXPECT_EQ(last, Utils::clickCancel);
}

} // namespace
