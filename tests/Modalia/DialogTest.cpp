#include "AlertSheet.h"
#include "AnsweringPresenter.h"
#include "ConfirmDialogController.h"
#include "Dialog.h"
#include "DialogPresenter.h"
#include "EventLoop.h"
#include "InputDialogViewController.h"
#include "PopoverController.h"
#include "PopoverSupport.h"
#include "PopupKeys.h"
#include "QXButton.h"
#include "QXLocalized.h"
#include "QXView.h"
#include "SelectDialogController.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <thread>

#include <gtest/gtest.h>

namespace {

using Modalia::AlertStyle;
using Modalia::Dialog;
using Modalia::PopoverBehavior;
using orvane::test::AnsweringPresenter;
using orvane::test::press;
using orvane::test::pressEscape;
using orvane::test::waitUntil;

int alertAnswer(const QStringList &buttons, int pressed)
{
    AnsweringPresenter presenter;
    presenter.answerNext([pressed](QDialog *dialog) {
        AnsweringPresenter::press(dialog, QStringLiteral("alertButton%1").arg(pressed));
    });
    QWidget window;
    int answer = -1;
    int calls = 0;
    Dialog::showAlert(AlertStyle::warning, QStringLiteral("Title"), std::nullopt, {}, buttons, &window,
                      [&](int index) {
                          answer = index;
                          ++calls;
                      });
    EXPECT_EQ(calls, 1);
    return answer;
}

Modalia::DialogError rejection(QFuture<int> future)
{
    EXPECT_TRUE(future.isFinished());
    try {
        future.result();
    } catch (const Modalia::DialogException &error) {
        return error.error();
    }
    ADD_FAILURE() << "the promise was fulfilled";
    return Modalia::DialogError::noWindowToPresent;
}

struct InputOutcome {
    int calls = 0;
    std::optional<QString> text;
};

Dialog::InputAction record(InputOutcome &outcome)
{
    return [&outcome](const std::optional<QString> &text) {
        ++outcome.calls;
        outcome.text = text;
    };
}

TEST(Alert, ButtonIndexFollowsTheOrderGiven)
{
    const QStringList three{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    EXPECT_EQ(alertAnswer(three, 0), 0);
    EXPECT_EQ(alertAnswer(three, 1), 1);
    EXPECT_EQ(alertAnswer(three, 2), 2);
    EXPECT_EQ(alertAnswer(three + QStringList{QStringLiteral("D")}, 3), 3);
    // No buttons: the single default button answers 0.
    EXPECT_EQ(alertAnswer({}, 0), 0);
}

TEST(Alert, MessageIsShownOnlyWhenGivenAndEscNeedsASingleButton)
{
    AnsweringPresenter presenter;
    QWidget window;
    int calls = 0;
    Dialog::showAlert(AlertStyle::critical, QStringLiteral("Title"), std::nullopt, {},
                      {QStringLiteral("A"), QStringLiteral("B")}, &window, [&](int) { ++calls; });
    auto *alert = qobject_cast<Modalia::AlertSheet *>(presenter.last());
    ASSERT_NE(alert, nullptr);
    EXPECT_FALSE(alert->hasMessage());
    pressEscape(alert);
    alert->close();
    EXPECT_EQ(calls, 0);
    alert->alertButton(1)->click();
    alert->alertButton(0)->click();
    EXPECT_EQ(calls, 1);

    int single = -1;
    Dialog::showAlert(AlertStyle::informational, QStringLiteral("Title"), QStringLiteral("Details"), {}, {}, &window,
                      [&](int index) { single = index; });
    auto *info = qobject_cast<Modalia::AlertSheet *>(presenter.last());
    EXPECT_TRUE(info->hasMessage());
    pressEscape(info);
    EXPECT_EQ(single, 0);
}

TEST(Alert, WithoutAWindowNothingIsCalledAndThePromiseRejects)
{
    bool called = false;
    Dialog::showAlert(AlertStyle::warning, QStringLiteral("Title"), std::nullopt, {}, {}, nullptr,
                      [&](int) { called = true; });
    EXPECT_FALSE(called);
    EXPECT_EQ(rejection(Dialog::promiseAlert(AlertStyle::warning, QStringLiteral("T"), std::nullopt, {}, {}, nullptr)),
              Modalia::DialogError::noWindowToPresent);
}

TEST(Alert, PromiseFulfilsWithThePressedButton)
{
    AnsweringPresenter presenter;
    presenter.answerNext([](QDialog *dialog) { AnsweringPresenter::press(dialog, QStringLiteral("alertButton1")); });
    QWidget window;
    QFuture<int> future = Dialog::promiseAlert(AlertStyle::warning, QStringLiteral("T"), std::nullopt, {},
                                               {QStringLiteral("A"), QStringLiteral("B")}, &window);
    ASSERT_TRUE(future.isFinished());
    EXPECT_EQ(future.result(), 1);
}

TEST(InputDialog, EveryWayOutAnswersExactlyOnce)
{
    QWidget window;
    window.show();

    InputOutcome confirmed;
    Modalia::InputDialogViewController *dialog = nullptr;
    bool goneWhenAnswered = false; // so that a message the answer opens comes alone
    Dialog::showInput(QStringLiteral("Name?"), std::nullopt, std::nullopt, &window,
                      [&](const std::optional<QString> &text) {
                          record(confirmed)(text);
                          goneWhenAnswered = !dialog->isVisible();
                      });
    dialog = window.findChild<Modalia::InputDialogViewController *>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isModal());
    dialog->valueText()->setText(QStringLiteral("Lobby"));
    dialog->confirmBtn()->click();
    dialog->cancelBtn()->click();
    EXPECT_EQ(confirmed.calls, 1);
    EXPECT_EQ(confirmed.text, QStringLiteral("Lobby"));
    EXPECT_TRUE(goneWhenAnswered);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    AnsweringPresenter presenter;
    InputOutcome empty;
    presenter.answerNext(press("confirmBtn"));
    Dialog::showInput(QStringLiteral("Name?"), std::nullopt, std::nullopt, &window, record(empty));
    EXPECT_EQ(empty.calls, 1);
    EXPECT_EQ(empty.text, QString());
    EXPECT_TRUE(empty.text.has_value());

    InputOutcome cancelled;
    presenter.answerNext(press("cancelBtn"));
    Dialog::showInput(QStringLiteral("Name?"), std::nullopt, std::nullopt, &window, record(cancelled));
    EXPECT_EQ(cancelled.calls, 1);
    EXPECT_FALSE(cancelled.text.has_value());

    InputOutcome escaped;
    presenter.answerNext([](QDialog *d) { pressEscape(d); });
    Dialog::showInput(QStringLiteral("Name?"), std::nullopt, std::nullopt, &window, record(escaped));
    EXPECT_EQ(escaped.calls, 1);
    EXPECT_FALSE(escaped.text.has_value());

    InputOutcome closed;
    presenter.answerNext([](QDialog *d) {
        d->show();
        d->close();
    });
    Dialog::showInput(QStringLiteral("Name?"), std::nullopt, std::nullopt, &window, record(closed));
    EXPECT_EQ(closed.calls, 1);
    EXPECT_FALSE(closed.text.has_value());

    // A dialog that goes away unanswered, with its window.
    InputOutcome dropped;
    {
        QWidget shortLived;
        Dialog::showInput(QStringLiteral("Name?"), std::nullopt, std::nullopt, &shortLived, record(dropped));
        EXPECT_EQ(dropped.calls, 0);
    }
    EXPECT_EQ(dropped.calls, 1);
    EXPECT_FALSE(dropped.text.has_value());
}

TEST(InputDialog, WithoutAWindowOrWhenRefusedAnswersNone)
{
    InputOutcome noWindow;
    Dialog::showInput(QStringLiteral("Password"), std::nullopt, std::nullopt, nullptr, record(noWindow));
    EXPECT_EQ(noWindow.calls, 1);
    EXPECT_FALSE(noWindow.text.has_value());

    AnsweringPresenter refusing;
    refusing.setRefusing(true);
    QWidget window;
    InputOutcome refused;
    Dialog::showInput(QStringLiteral("Password"), std::nullopt, std::nullopt, &window, record(refused));
    EXPECT_EQ(refused.calls, 1);
    EXPECT_FALSE(refused.text.has_value());
}

TEST(InputDialog, ACallFromAnotherThreadIsShownAndAnsweredOnTheGuiThread)
{
    AnsweringPresenter presenter;
    presenter.answerNext(orvane::test::typeAndPress(QStringLiteral("87654321"), "confirmBtn", "valueText"));
    QWidget window;
    window.show();
    QThread *answeredOn = nullptr;
    std::optional<QString> typed;
    std::thread socketThread([&] {
        Dialog::showInput(QStringLiteral("Password"), std::nullopt, std::nullopt, &window,
                          [&](const std::optional<QString> &text) {
                              answeredOn = QThread::currentThread();
                              typed = text;
                          });
    });
    socketThread.join();
    ASSERT_TRUE(orvane::test::waitUntil([&] { return typed.has_value(); }));
    EXPECT_EQ(typed, QStringLiteral("87654321"));
    EXPECT_EQ(answeredOn, qApp->thread());
}

TEST(InputDialog, ButtonTitlesAreTheGivenTextsOrTheKeys)
{
    AnsweringPresenter presenter;
    QWidget window;
    Dialog::showInput(QStringLiteral("Q"), QStringLiteral("No"), std::nullopt, &window, {});
    auto *dialog = qobject_cast<Modalia::InputDialogViewController *>(presenter.last());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->cancelBtn()->text(), QStringLiteral("No"));
    EXPECT_EQ(dialog->confirmBtn()->text(), QStringLiteral("ov_confirm"));
    EXPECT_EQ(dialog->titleLabel()->text(), QStringLiteral("Q"));
}

TEST(ConfirmDialog, CallsBackOnlyOnConfirmAfterDismissal)
{
    AnsweringPresenter presenter;
    QWidget window;
    int confirmed = 0;
    bool hiddenWhenCalled = false;
    presenter.answerNext([&](QDialog *d) {
        d->show();
        AnsweringPresenter::press(d, QStringLiteral("confirmBtn"));
    });
    Dialog::showConfirm(QStringLiteral("Delete?"), std::nullopt, QStringLiteral("Delete"), &window, [&] {
        ++confirmed;
        hiddenWhenCalled = !presenter.last()->isVisible();
    });
    EXPECT_EQ(confirmed, 1);
    EXPECT_TRUE(hiddenWhenCalled);

    using Answer = AnsweringPresenter::Answer;
    const Answer cancel = press("cancelBtn");
    const Answer escape = [](QDialog *d) { pressEscape(d); };
    const Answer closeWindow = [](QDialog *d) {
        d->show();
        d->close();
    };
    for (const Answer &answer : {cancel, escape, closeWindow}) {
        presenter.answerNext(answer);
        Dialog::showConfirm(QStringLiteral("Delete?"), std::nullopt, std::nullopt, &window, [&] { ++confirmed; });
        // A late confirm after the dialog went away calls nothing either.
        if (auto *dialog = qobject_cast<Modalia::ConfirmDialogController *>(presenter.last()))
            dialog->okAction();
    }
    EXPECT_EQ(confirmed, 1);
}

TEST(ChoicePopover, AnswersThePressedRowAndCloses)
{
    QWidget window;
    window.resize(400, 300);
    window.show();
    int chosen = -1;
    int calls = 0;
    Dialog::showSelectAsPopover({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")}, QSize(),
                                QRect(10, 10, 40, 20), &window, Qt::BottomEdge, PopoverBehavior::transient, &window,
                                [&](int row) {
                                    chosen = row;
                                    ++calls;
                                });
    auto *list = window.findChild<Modalia::SelectDialogController *>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_EQ(list->rowButton(0)->height(), 40);
    EXPECT_TRUE(list->isVisible());
    list->rowButton(1)->click();
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(list->isVisible());
}

TEST(DialogKeys, EnterConfirmsEveryForm)
{
    AnsweringPresenter presenter;
    QWidget window;
    const AnsweringPresenter::Answer enter = [](QDialog *d) { orvane::test::pressEnter(d); };

    InputOutcome typed;
    presenter.answerNext([](QDialog *d) {
        AnsweringPresenter::type(d, QStringLiteral("valueText"), QStringLiteral("Lobby"));
        orvane::test::pressEnter(d);
    });
    Dialog::showInput(QStringLiteral("Name?"), std::nullopt, std::nullopt, &window, record(typed));
    EXPECT_EQ(typed.text, QStringLiteral("Lobby"));

    int confirmed = 0;
    presenter.answerNext(enter);
    Dialog::showConfirm(QStringLiteral("Delete?"), std::nullopt, std::nullopt, &window, [&] { ++confirmed; });
    EXPECT_EQ(confirmed, 1);

    // Esc presses the button titled as a cancel, wherever it stands.
    int escaped = -1;
    presenter.answerNext([](QDialog *d) { pressEscape(d); });
    Dialog::showAlert(AlertStyle::warning, QStringLiteral("Title"), std::nullopt, {},
                      {QStringLiteral("Delete"), qxLocalized(QStringLiteral("ov_cancel"))}, &window,
                      [&](int index) { escaped = index; });
    EXPECT_EQ(escaped, 1);

    int pressed = -1;
    presenter.answerNext(enter);
    Dialog::showAlert(AlertStyle::warning, QStringLiteral("Title"), std::nullopt, {},
                      {QStringLiteral("Keep"), QStringLiteral("Drop")}, &window, [&](int index) { pressed = index; });
    EXPECT_EQ(pressed, 0);

    // In a choice list Enter picks the row the keyboard is on.
    int row = -1;
    presenter.answerNext([](QDialog *d) {
        d->show();
        QApplication::setActiveWindow(d);
        d->findChild<QPushButton *>(QStringLiteral("DialogSelectButtonCell1"))->setFocus();
        orvane::test::pressEnter(d);
    });
    Dialog::showSelectAsPopover({QStringLiteral("One"), QStringLiteral("Two")}, QSize(), QRect(), &window,
                                Qt::BottomEdge, PopoverBehavior::transient, &window, [&](int picked) { row = picked; });
    EXPECT_EQ(row, 1);
}

TEST(Alert, ClosingAOneButtonAlertsWindowAnswersZeroOnce)
{
    AnsweringPresenter presenter;
    QWidget window;
    QList<int> answers;
    presenter.answerNext([](QDialog *d) {
        d->show();
        d->close();
        d->close();
    });
    Dialog::showAlert(AlertStyle::informational, QStringLiteral("Saved"), std::nullopt, {}, {}, &window,
                      [&](int index) { answers.append(index); });
    EXPECT_EQ(answers, QList<int>{0});
}

TEST(ContentPopover, HoldsItsContentBesideTheAnchorOrDropsItWhenItCannotBeShown)
{
    AnsweringPresenter presenter;
    QWidget window;
    window.resize(400, 300);
    auto *content = new QWidget;
    content->setAccessibleName(QStringLiteral("Pick one"));
    QPointer<QDialog> popover = Dialog::showPopover(content, QRect(10, 10, 40, 20), &window, Qt::BottomEdge,
                                                    PopoverBehavior::transient);
    ASSERT_TRUE(popover);
    EXPECT_EQ(presenter.texts, QStringList{"Pick one"});
    EXPECT_EQ(qobject_cast<Modalia::PopoverController *>(popover.data())->content(), content);
    pressEscape(popover);
    EXPECT_FALSE(popover->isVisible());

    presenter.setRefusing(true);
    QPointer<QWidget> dropped = new QWidget;
    EXPECT_EQ(Dialog::showPopover(dropped, QRect(), &window, Qt::TopEdge, PopoverBehavior::applicationDefined),
              nullptr);
    EXPECT_TRUE(dropped.isNull());
    QPointer<QWidget> orphan = new QWidget;
    EXPECT_EQ(Dialog::showPopover(orphan, QRect(), nullptr, Qt::TopEdge, PopoverBehavior::transient), nullptr);
    EXPECT_TRUE(orphan.isNull());
}

TEST(ChoicePopover, TakesTheGivenSize)
{
    AnsweringPresenter presenter;
    QWidget window;
    Dialog::showSelectAsPopover({QStringLiteral("One")}, QSize(240, 160), QRect(), &window, Qt::RightEdge,
                                PopoverBehavior::applicationDefined, &window, {});
    ASSERT_NE(presenter.last(), nullptr);
    EXPECT_EQ(presenter.last()->size(), QSize(240, 160));
}

TEST(ChoicePopover, PromiseRejectsWhenClosedWithoutAPickOrWithoutAWindow)
{
    AnsweringPresenter presenter;
    QWidget window;
    presenter.answerNext([](QDialog *d) {
        d->show();
        d->close();
    });
    bool called = false;
    Dialog::showSelectAsPopover({QStringLiteral("One")}, QSize(), QRect(), &window, Qt::BottomEdge,
                                PopoverBehavior::transient, &window, [&](int) { called = true; });
    EXPECT_FALSE(called);

    presenter.answerNext([](QDialog *d) {
        d->show();
        d->close();
    });
    EXPECT_EQ(rejection(Dialog::promiseSelectAsPopover({QStringLiteral("One")}, QSize(), QRect(), &window,
                                                       Qt::BottomEdge, PopoverBehavior::transient, &window)),
              Modalia::DialogError::noWindowToPresent);

    presenter.answerNext(press("DialogSelectButtonCell0"));
    QFuture<int> picked = Dialog::promiseSelectAsPopover({QStringLiteral("One")}, QSize(), QRect(), &window,
                                                         Qt::BottomEdge, PopoverBehavior::transient, &window);
    ASSERT_TRUE(picked.isFinished());
    EXPECT_EQ(picked.result(), 0);

    EXPECT_EQ(rejection(Dialog::promiseSelectAsPopover({QStringLiteral("One")}, QSize(), QRect(), nullptr,
                                                       Qt::BottomEdge, PopoverBehavior::transient, nullptr)),
              Modalia::DialogError::noWindowToPresent);
}

// Beside the control that opened it, a popover holds the focus: Tab stays inside, Enter presses
// its default button, a click outside closes a transient one only, and the opener gets the
// focus back; the choice list alike.
TEST(PopoverFocus, StaysInsideAnswersEnterAndClosesOnAClickOutsideWhenTransient)
{
    QWidget window;
    window.resize(400, 300);
    auto *elsewhere = new QPushButton(QStringLiteral("Elsewhere"), &window);
    auto *opener = new QPushButton(QStringLiteral("Open"), &window);
    opener->move(150, 200);
    window.show();
    window.activateWindow();
    opener->setFocus();
    int confirmed = 0;
    QLineEdit *field = nullptr;
    const auto open = [&](PopoverBehavior behavior) {
        auto *content = new QWidget;
        auto *layout = new QVBoxLayout(content);
        layout->addWidget(field = new QLineEdit);
        layout->addWidget(new QPushButton(QStringLiteral("Cancel")));
        auto *ok = new QPushButton(QStringLiteral("OK"));
        ok->setDefault(true);
        layout->addWidget(ok);
        QObject::connect(ok, &QPushButton::clicked, content, [&confirmed, content] {
            ++confirmed;
            qobject_cast<QDialog *>(content->window())->accept();
        });
        QPointer<QDialog> popover = Dialog::showPopover(content, opener->rect(), opener, Qt::TopEdge, behavior);
        EXPECT_TRUE(waitUntil([&] { return field->hasFocus(); })) << "the first control takes the focus";
        return popover;
    };

    // A click as the platform delivers it: to the window under the pointer, from where Qt hands
    // it to an open popup.
    const auto clickElsewhere = [&] {
        const QPoint point = elsewhere->mapTo(&window, elsewhere->rect().center());
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, point);
        QCoreApplication::processEvents();
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, point);
    };

    QPointer<QDialog> popover = open(PopoverBehavior::applicationDefined);
    ASSERT_TRUE(waitUntil([&] { return QApplication::activePopupWidget() == popover; }));
    // A screen reader finds the popover under the control that opened it, in the window the
    // operator is in, so that it names no window as the focus goes back there.
    QAccessibleInterface *heardAbove = QAccessible::queryAccessibleInterface(popover.data())->parent();
    ASSERT_NE(heardAbove, nullptr);
    EXPECT_EQ(heardAbove->object(), opener);
    EXPECT_EQ(Modalia::DialogPresenter::defaultParent(), &window) << "other dialogs go over the window";
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Tab}) {
        QTest::keyClick(window.windowHandle(), key);
        EXPECT_TRUE(popover->isAncestorOf(QApplication::focusWidget()));
    }
    clickElsewhere();
    ASSERT_TRUE(popover && popover->isVisible()) << "stays until answered";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(confirmed, 1) << "Enter in the field presses the default button";
    EXPECT_TRUE(waitUntil([&] { return opener->hasFocus(); }));

    popover = open(PopoverBehavior::transient);
    QTest::mouseClick(field, Qt::LeftButton);
    EXPECT_TRUE(popover && popover->isVisible()) << "a click inside is no click outside";
    clickElsewhere();
    EXPECT_TRUE(!popover || !popover->isVisible());
    EXPECT_TRUE(waitUntil([&] { return opener->hasFocus(); }));

    int answers = 0;
    Dialog::showSelectAsPopover({QStringLiteral("One")}, QSize(), opener->rect(), opener, Qt::TopEdge,
                                PopoverBehavior::transient, &window, [&](int) { ++answers; });
    QPointer<Modalia::SelectDialogController> list = window.findChild<Modalia::SelectDialogController *>();
    ASSERT_TRUE(list);
    EXPECT_TRUE(waitUntil([&] { return list->rowButton(0)->hasFocus(); }));
    QAccessibleInterface *dialog = orvane::test::accessibleWindow(list);
    ASSERT_NE(dialog, nullptr) << "a screen reader finds the list";
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    clickElsewhere();
    EXPECT_TRUE(!list || !list->isVisible());
    EXPECT_EQ(confirmed + answers, 1);
}

// A button whose click opens a popover takes Space as it goes down, as the platform delivers the
// keys: the press opens the popover once, the key's repeats and its release reach neither the
// popover nor the button, and Esc gives the button the focus back for the next Space. A press
// whose release went elsewhere opens it again.
TEST(PopoverFocus, SpaceOpensItFromItsButtonOnThePressOnce)
{
    QWidget window;
    window.resize(400, 300);
    auto *opener = new QXButton(QStringLiteral("Open"), &window);
    qxkit::clickOnKeyPress(opener);
    int clicks = 0;
    QLineEdit *field = nullptr;
    QObject::connect(opener, &QPushButton::clicked, [&] {
        ++clicks;
        field = new QLineEdit;
        Dialog::showPopover(field, opener->rect(), opener, Qt::TopEdge, PopoverBehavior::transient);
    });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    opener->setFocus();
    QWindow *platform = window.windowHandle();
    const auto space = [platform](bool press, bool repeat) {
        QTest::simulateEvent(platform, press, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
    };

    for (int round = 1; round <= 2; ++round) {
        space(true, false);
        ASSERT_EQ(clicks, round) << "the press opens the popover";
        ASSERT_TRUE(waitUntil([&] { return field->hasFocus(); }));
        for (int repeat = 0; repeat < 3; ++repeat) {
            space(false, true);
            space(true, true);
        }
        space(false, false);
        EXPECT_EQ(clicks, round) << "neither the repeats nor the release click again";
        EXPECT_EQ(field->text().toStdString(), "") << "the popover hears nothing of the key";
        EXPECT_FALSE(opener->isDown());
        QTest::keyClick(platform, Qt::Key_Escape);
        EXPECT_TRUE(waitUntil([&] { return opener->hasFocus(); })) << "Esc gives the focus back";
    }

    space(true, false);
    ASSERT_TRUE(waitUntil([&] { return field->hasFocus(); }));
    QTest::keyClick(platform, Qt::Key_Escape);
    ASSERT_TRUE(waitUntil([&] { return opener->hasFocus(); }));
    space(true, false);
    EXPECT_EQ(clicks, 4) << "a fresh press after a lost release";
    space(false, false);
    QTest::keyClick(platform, Qt::Key_Escape);
    ASSERT_TRUE(waitUntil([&] { return opener->hasFocus(); }));

    // Held on another control of the window while the focus comes to the button, the key's
    // repeats are no press of it.
    auto *other = new QLineEdit(&window);
    other->show();
    other->setFocus();
    space(true, false);
    opener->setFocus();
    space(true, true);
    space(false, false);
    EXPECT_EQ(clicks, 4) << "the repeats click nothing";
}

// A key held down answers the window it went down on alone: Return on a button opens a prompt,
// which hears neither the key's repeats nor its release, only the next press.
TEST(DialogKeys, AKeyHeldDownAnswersTheWindowItWentDownOnAlone)
{
    qxkit::keepKeysToTheirWindow();
    QWidget window;
    window.resize(500, 400);
    auto *ask = new QPushButton(QStringLiteral("Ask"), &window);
    ask->setAutoDefault(true);
    std::optional<QString> typed;
    int answers = 0;
    QObject::connect(ask, &QPushButton::clicked, [&] {
        Dialog::showInput(QStringLiteral("Password:"), std::nullopt, std::nullopt, &window,
                          [&](const std::optional<QString> &text) {
                              ++answers;
                              typed = text;
                          });
    });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ask->setFocus();
    const auto returnKey = [](QWidget *to, bool press, bool repeat) {
        QTest::simulateEvent(to->windowHandle(), press, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), repeat);
    };
    returnKey(&window, true, false);
    QPointer<QWidget> prompt = window.findChild<Modalia::InputDialogViewController *>();
    ASSERT_TRUE(prompt && waitUntil([&] { return QApplication::activeWindow() == prompt; })) << "the press opens it";
    for (int repeat = 0; repeat < 3; ++repeat) {
        returnKey(prompt, false, true);
        returnKey(prompt, true, true);
        ASSERT_EQ(answers, 0) << "the prompt waits";
    }
    returnKey(prompt, false, false);
    ASSERT_TRUE(prompt && prompt->isVisible());
    returnKey(prompt, true, false);
    EXPECT_EQ(answers, 1) << "a press on the prompt answers it";
    EXPECT_EQ(typed, QString());
}

} // namespace

namespace {

// A prompt opened over a sheet that is still on screen keeps the keyboard: when the window
// manager hands the activation to the sheet (as it may when another prompt has just gone), the
// prompt takes it back, with the focus in its field.
TEST(DialogFocus, APromptOverASheetTakesTheActivationBack)
{
    QWidget window;
    window.resize(600, 400);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto *sheet = new QDialog;
    new QPushButton(QStringLiteral("OK"), sheet);
    ASSERT_TRUE(Modalia::DialogPresenter::current().present(sheet, &window));
    ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == sheet; }));

    Dialog::showPasswordInput(QStringLiteral("Password:"), {}, {}, &window, nullptr);
    auto *prompt = window.findChild<Modalia::InputDialogViewController *>();
    ASSERT_NE(prompt, nullptr);
    ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == prompt; }));

    bool sheetActivated = false;
    const auto watch = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, [&](QWindow *focused) {
        sheetActivated = sheetActivated || focused == sheet->windowHandle();
    });
    sheet->activateWindow();
    EXPECT_TRUE(waitUntil([&] { return sheetActivated && QApplication::activeWindow() == prompt; }));
    QObject::disconnect(watch);
    EXPECT_EQ(QApplication::focusWidget(), prompt->valueText());
    prompt->reject();
    delete sheet;
}

} // namespace
