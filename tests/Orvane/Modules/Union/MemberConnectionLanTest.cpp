// Connecting one union member with its stored or a typed password.
#include "QXLocalized.h"
#include "UnionFans.h"

#include "AccessibilityEvents.h"
#include "QXView.h"

#include <QLineEdit>
#include <QTest>

namespace {

using namespace orvane::test;

class MemberConnection : public UnionFans
{
protected:
    void SetUp() override
    {
        UnionFans::SetUp();
        addFans(1);
        fan = fans.front().get();
    }

    // Connects the fan and waits for the answer; then makes sure no second answer follows.
    QList<bool> connectFan()
    {
        auto answers = std::make_shared<QList<bool>>();
        connector().connect(fan->device, [answers](bool connected) { answers->append(connected); });
        EXPECT_TRUE(waitUntil([&] { return !answers->isEmpty(); }));
        spinFor(100);
        return *answers;
    }

    UnionFan *fan = nullptr;
};

TEST_F(MemberConnection, StoredPasswordsConnectFromEightCharactersOn)
{
    manager->addDevice(fan->name, QStringLiteral("1234567"));
    EXPECT_EQ(connectFan(), QList<bool>{false});
    EXPECT_EQ(fan->ins->connectionCount(), 0) << "a short password is refused without traffic";
    EXPECT_TRUE(presenter.texts.contains(qxLocalized(QStringLiteral("ov_psd_wrong"))));

    manager->addDevice(fan->name, QString::fromLatin1(kFanPassword));
    EXPECT_EQ(connectFan(), QList<bool>{true});
    EXPECT_EQ(connectFan(), QList<bool>{true});
    EXPECT_EQ(fan->ins->passwordAttempts(), 1) << "a member still verified is not checked again";
}

TEST_F(MemberConnection, EightChineseCharactersGoOutAsTheirUtf8Bytes)
{
    const QString password = QStringLiteral("密码密码密码密码");
    fan->ins->requirePassword(password.toUtf8());
    manager->addDevice(fan->name, password);
    EXPECT_EQ(connectFan(), QList<bool>{true});
}

// The prompt is a password entry: what the operator types shows as bullets and no character of
// it reaches a screen reader.
TEST_F(MemberConnection, ARefusedStoredPasswordAsksAndTheTypedOneIsSentAndStored)
{
    AccessibilityEvents heard;
    manager->addDevice(fan->name, QStringLiteral("oldpass1"));
    QString prompt;
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    presenter.answerNext([&](QDialog *dialog) {
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("valueText"));
        prompt = field->accessibleName();
        echo = field->echoMode();
        QTest::keyClicks(field, QString::fromLatin1(kFanPassword));
        AnsweringPresenter::press(dialog, QStringLiteral("confirmBtn"));
    });
    EXPECT_EQ(connectFan(), QList<bool>{true});
    EXPECT_TRUE(prompt.contains(fan->name)) << prompt.toStdString();
    EXPECT_EQ(echo, QLineEdit::Password);
    for (const auto &event : heard.events()) {
        for (const QString &carried : event.texts)
            EXPECT_FALSE(std::any_of(kFanPassword.cbegin(), kFanPassword.cend(),
                                     [&carried](char c) { return carried.contains(QLatin1Char(c)); }))
                << int(event.type) << " " << carried.toStdString();
    }
    EXPECT_EQ(fan->ins->passwordAttempts(), 2);
    EXPECT_EQ(manager->pwdOfDevice(fan->name), QString::fromLatin1(kFanPassword));
}

TEST_F(MemberConnection, ATypedPasswordEndsTheAttemptWhenRefusedOrCancelled)
{
    QXUserDefaults::standardUserDefaults().removeObjectForKey(QStringLiteral("DeviceDic"));
    manager = std::make_unique<QXConnectManager>();
    presenter.answerNext(typeAndPress(QStringLiteral("badpass99"), "confirmBtn", "valueText"));
    EXPECT_EQ(connectFan(), QList<bool>{false});
    EXPECT_TRUE(presenter.texts.contains(qxLocalized(QStringLiteral("ov_conn_fail_tip"))));
    EXPECT_TRUE(manager->pwdOfDevice(fan->name).isEmpty());

    presenter.answerNext(press("cancelBtn"));
    const qsizetype shown = presenter.texts.size();
    EXPECT_EQ(connectFan(), QList<bool>{false});
    EXPECT_EQ(presenter.texts.size(), shown + 1) << "a cancelled prompt shows nothing more";

    presenter.setRefusing(true);
    EXPECT_EQ(connectFan(), QList<bool>{false}) << "a prompt that cannot be shown counts as cancelled";
}

TEST_F(MemberConnection, AnUnreachableMemberOrAClosedScreenEndsWithOneFalse)
{
    const auto away = std::make_shared<NetworkingDevice>(QStringLiteral("Orvane_kvi_away"), QStringLiteral("192.168.2.99"));
    manager->addDevice(away->name(), QString::fromLatin1(kFanPassword));
    auto answers = std::make_shared<QList<bool>>();
    connector().connect(away, [answers](bool connected) { answers->append(connected); });
    ASSERT_TRUE(waitUntil([&] { return !answers->isEmpty(); }));
    EXPECT_EQ(*answers, QList<bool>{false});
    EXPECT_FALSE(std::any_of(presenter.presented().cbegin(), presenter.presented().cend(),
                             [](const QPointer<QDialog> &dialog) { return dialog && dialog->findChild<QLineEdit *>("valueText"); }))
        << "no password can help a fan that does not answer";

    QXUserDefaults::standardUserDefaults().removeObjectForKey(QStringLiteral("DeviceDic"));
    manager = std::make_unique<QXConnectManager>();
    answers->clear();
    connector().connect(fan->device, [answers](bool connected) { answers->append(connected); });
    screen.reset();
    ASSERT_TRUE(waitUntil([&] { return !answers->isEmpty(); }));
    spinFor(100);
    EXPECT_EQ(*answers, QList<bool>{false});
}

} // namespace
