#include "AnsweringPresenter.h"
#include "ComboBoxDropDownWindow.h"
#include "Core/NSNavigationController.h"
#include "DialogPresenter.h"
#include "EventLoop.h"
#include "Loopback.h"
#include "MiniHttpServer.h"
#include "Modules/Account/LoginViewController.h"
#include "Modules/Account/OrvaneAPI.h"
#include "Modules/Account/User.h"
#include "QXButton.h"
#include "QXDeviceStatus.h"
#include "Screenshots.h"
#include "Shell/SpecialBridge.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QTest>

#include <gtest/gtest.h>

using orvane::User;
using orvane::test::MiniHttpServer;

namespace {

const QByteArray tokenPath = "/quintar/rest/v1/token";
const QByteArray userPath = "/manage-platform/rest/v2/user";

QUrl closedPortUrl()
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(orvane::test::closedPort()));
}

class LoginViewControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.listen());
        for (const OrvaneAPI::Server region : {OrvaneAPI::Server::cn, OrvaneAPI::Server::sg, OrvaneAPI::Server::eu})
            OrvaneAPI::setBaseURL(region, server.baseUrl());
        OrvaneAPI::setServer(OrvaneAPI::Server::cn);
        OrvaneAPI::setToken(std::nullopt);
        User::setCurrent(std::nullopt);
        User::setAccount(std::nullopt);
        User::setPassword(std::nullopt);
    }

    void TearDown() override
    {
        delete navigation;
        Modalia::DialogPresenter::setCurrent(nullptr);
        OrvaneAPI::resetBaseURLs();
        OrvaneAPI::setServer(OrvaneAPI::Server::cn);
        User::setCurrent(std::nullopt);
    }

    // The login screen as the root of a container in a window of its own, shown.
    void showScreen()
    {
        login = new LoginViewController([this] {
            ++nextScreens;
            return new QWidget;
        });
        navigation = new NSNavigationController(login);
        navigation->resize(800, 560);
        navigation->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(navigation));
    }

    void typeAccount(const QString &account, const QString &password)
    {
        login->usernameTF()->setText(account);
        login->pwdTF()->setText(password);
    }

    bool finished() { return orvane::test::waitUntil([this] { return !login->isLoggingIn(); }, 5000); }

    void expectIdleButton()
    {
        EXPECT_FALSE(login->loginBtn()->isHidden());
        EXPECT_TRUE(login->loginIndicator()->isHidden());
    }

    MiniHttpServer server;
    orvane::test::AnsweringPresenter presenter;
    NSNavigationController *navigation = nullptr;
    LoginViewController *login = nullptr;
    int nextScreens = 0;
};

TEST_F(LoginViewControllerTest, FieldsShowTheRememberedAccountAndTheRegionInUse)
{
    showScreen();
    EXPECT_EQ(login->usernameTF()->text(), QString());
    EXPECT_EQ(login->pwdTF()->text(), QString());
    EXPECT_EQ(login->serverBox()->getSelectedString(), QXDeviceStatus::serverList().at(0));
    delete navigation;

    User::setAccount(QStringLiteral("ann@example.org"));
    User::setPassword(QStringLiteral("secret-1"));
    OrvaneAPI::setServer(OrvaneAPI::Server::eu);
    showScreen();
    EXPECT_EQ(login->usernameTF()->text(), QStringLiteral("ann@example.org"));
    EXPECT_EQ(login->pwdTF()->text(), QStringLiteral("secret-1"));
    EXPECT_EQ(login->pwdTF()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(login->serverIndex(), 2);
    EXPECT_EQ(login->serverBox()->getSelectedString(), QXDeviceStatus::serverList().at(2));
}

TEST_F(LoginViewControllerTest, SuccessSignsInRemembersTheAccountAndPushesTheNextScreenOnce)
{
    server.setResponse("POST", tokenPath, {200, R"({"code":200,"data":{"token":{"access_token":"tok-1"}}})"});
    server.setResponse("GET", userPath, {200, R"({"code":200,"data":{"user":{"id":7,"userName":"a"}}})"});
    showScreen();
    int announcements = 0;
    QObject::connect(User::notifier(), &orvane::UserNotifier::userDidChangeNotification, login,
                     [&announcements] { ++announcements; });
    typeAccount(QStringLiteral("ann"), QStringLiteral("pw-1234"));

    QTest::mouseClick(login->loginBtn(), Qt::LeftButton);
    EXPECT_TRUE(login->loginBtn()->isHidden());
    EXPECT_FALSE(login->loginIndicator()->isHidden());
    ASSERT_TRUE(finished());

    ASSERT_TRUE(User::current().has_value());
    EXPECT_EQ(*User::current(), User(7, QStringLiteral("a")));
    EXPECT_EQ(announcements, 1);
    EXPECT_EQ(User::account(), QStringLiteral("ann"));
    EXPECT_EQ(User::password(), QStringLiteral("pw-1234"));
    ASSERT_EQ(server.requests(userPath).size(), 1);
    EXPECT_EQ(server.requests(userPath)[0].header("authorization"), "Bearer tok-1");
    EXPECT_EQ(nextScreens, 1);
    EXPECT_EQ(navigation->viewControllers().size(), 2);
    EXPECT_TRUE(presenter.texts.isEmpty());
    expectIdleButton();

    // Coming back to the screen later does not move on again.
    navigation->popViewControllerAnimated(false);
    navigation->hide();
    navigation->show();
    orvane::test::spinFor(20);
    EXPECT_EQ(nextScreens, 1);
}

TEST_F(LoginViewControllerTest, RejectedTokenShowsLoginFailedAndSendsNothingMore)
{
    server.setResponse("POST", tokenPath, {200, R"({"code":401,"msg":"bad"})"});
    User::setAccount(QStringLiteral("old"));
    showScreen();
    typeAccount(QStringLiteral("ann"), QStringLiteral("wrong"));
    QTest::keyClick(login->pwdTF(), Qt::Key_Return);
    ASSERT_TRUE(finished());

    EXPECT_EQ(presenter.texts, QStringList{QStringLiteral("ov_login_failed")});
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_FALSE(User::isLoggedIn());
    EXPECT_EQ(User::account(), QStringLiteral("old"));
    EXPECT_EQ(User::password(), std::nullopt);
    EXPECT_EQ(nextScreens, 0);
    expectIdleButton();
}

TEST_F(LoginViewControllerTest, TokenWithoutDataStillAsksForTheUserAndAUserWithoutNameFails)
{
    server.setResponse("POST", tokenPath, {200, R"({"code":200})"});
    server.setResponse("GET", userPath, {200, R"({"code":200,"data":{"user":{"id":7}}})"});
    showScreen();
    typeAccount(QStringLiteral("ann"), QStringLiteral("pw"));
    login->login();
    ASSERT_TRUE(finished());

    ASSERT_EQ(server.requests(userPath).size(), 1);
    EXPECT_EQ(server.requests(userPath)[0].header("authorization"), "Bearer ");
    EXPECT_EQ(OrvaneAPI::token(), std::nullopt);
    EXPECT_EQ(presenter.texts, QStringList{QStringLiteral("ov_login_failed")});
    EXPECT_FALSE(User::isLoggedIn());
    expectIdleButton();
}

TEST_F(LoginViewControllerTest, ALoginStartsOnlyWithBothFieldsAndNeverTwiceAtOnce)
{
    server.setResponse("POST", tokenPath, {200, R"({"code":500})"});
    showScreen();
    typeAccount(QStringLiteral("ann"), QString());
    login->login();
    typeAccount(QString(), QStringLiteral("pw"));
    login->login();
    EXPECT_FALSE(login->isLoggingIn());

    typeAccount(QStringLiteral("ann"), QStringLiteral("pw"));
    login->login();
    login->login();
    QTest::keyClick(login->pwdTF(), Qt::Key_Return);
    ASSERT_TRUE(finished());
    orvane::test::spinFor(50);
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_EQ(presenter.texts.size(), 1);
}

TEST_F(LoginViewControllerTest, AnUnreachableServiceEndsTheLoginWithTheMessage)
{
    OrvaneAPI::setBaseURL(OrvaneAPI::Server::cn, closedPortUrl());
    showScreen();
    typeAccount(QStringLiteral("ann"), QStringLiteral("pw"));
    login->login();
    ASSERT_TRUE(finished());
    EXPECT_EQ(presenter.texts, QStringList{QStringLiteral("ov_login_failed")});
    expectIdleButton();
}

TEST_F(LoginViewControllerTest, SignedInOperatorMovesOnAtTheFirstAppearanceOnly)
{
    User::setCurrent(User(1, QStringLiteral("x")));
    showScreen();
    EXPECT_EQ(nextScreens, 1);
    EXPECT_EQ(navigation->viewControllers().size(), 2);
    navigation->popViewControllerAnimated(false);
    navigation->hide();
    navigation->show();
    orvane::test::spinFor(20);
    EXPECT_EQ(nextScreens, 1);
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(LoginViewControllerTest, ChosenRegionServesTheNextLogin)
{
    OrvaneAPI::setBaseURL(OrvaneAPI::Server::cn, closedPortUrl());
    server.setResponse("POST", tokenPath, {200, R"({"code":200,"data":{"token":{"access_token":"eu"}}})"});
    server.setResponse("GET", userPath, {200, R"({"code":200,"data":{"user":{"id":2,"userName":"eu"}}})"});
    showScreen();

    login->serverBox()->showDragWindow();
    QListView *rows = login->serverBox()->dragWC()->dragVC()->infoTable();
    ASSERT_EQ(rows->model()->rowCount(), 3);
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualRect(rows->model()->index(2, 0)).center());
    EXPECT_EQ(login->serverIndex(), 2);
    EXPECT_EQ(OrvaneAPI::server(), OrvaneAPI::Server::eu);

    typeAccount(QStringLiteral("ann"), QStringLiteral("pw"));
    login->login();
    ASSERT_TRUE(finished());
    EXPECT_TRUE(User::isLoggedIn());
    EXPECT_EQ(server.requests().size(), 2);
}

TEST_F(LoginViewControllerTest, ScreenIsLabelledForAssistiveTechnologyAndCanBeDrawn)
{
    User::setAccount(QStringLiteral("ann@example.org"));
    User::setPassword(QStringLiteral("secret-1"));
    showScreen();
    EXPECT_EQ(login->usernameTip()->buddy(), login->usernameTF());
    EXPECT_EQ(login->pwdTip()->buddy(), login->pwdTF());
    EXPECT_EQ(login->serverTip()->buddy(), login->serverBox());
    EXPECT_EQ(login->usernameTip()->text(), QStringLiteral("ov_username:"));
    EXPECT_TRUE(login->loginBtn()->focusPolicy() & Qt::TabFocus);

    EXPECT_FALSE(orvane::test::grabScreenshot(navigation, QStringLiteral("login")).isNull());
}

TEST(SpecialBridgeTest, BuildsALoginScreenThatLeadsToTheUnionList)
{
    User::setCurrent(User(1, QStringLiteral("x")));
    NSNavigationController navigation(SpecialBridge::fetchLoginVCForUnion());
    navigation.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&navigation));
    EXPECT_EQ(navigation.viewControllers().size(), 2);
    User::setCurrent(std::nullopt);
}

} // namespace
