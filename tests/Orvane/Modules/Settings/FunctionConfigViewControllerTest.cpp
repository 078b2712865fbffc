#include "QXLocalized.h"
#include "SettingsTestSupport.h"

#include "CollectionContainerView.h"
#include "Core/Language.h"
#include "Loopback.h"
#include "Modules/Settings/ConnectServerItem.h"
#include "Modules/Settings/DeviceConfigSliderItem.h"
#include "Modules/Settings/DeviceInfoItem.h"
#include "Modules/Settings/FunctionConfigViewController.h"
#include "Modules/Settings/FunctionSingleButtonItem.h"
#include "Modules/Settings/NormalButtonItem.h"
#include "NetworkingDevice.h"
#include "QXButton.h"
#include "Screenshots.h"
#include "TestData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QSpinBox>
#include <QTest>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

#include <gtest/gtest.h>

namespace {

using Module = FunctionConfigViewController::FunctionModule;
using Sections = FunctionConfigViewController::Sections;
using orvane::test::AnsweringPresenter;

using orvane::test::bluetoothModel;
using orvane::test::fourGModel;
using orvane::test::plainModel;

class SettingsScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        presenter.setRefusing(true);
        screen = std::make_unique<FunctionConfigViewController>();
        screen->resize(900, 700);
    }

    QWidget *itemAt(int section, int item) const { return screen->collection()->itemAtIndexPath({section, item}); }

    AnsweringPresenter presenter;
    std::unique_ptr<FunctionConfigViewController> screen;
};

TEST_F(SettingsScreenTest, ModulesFollowTheModelAndTheReportedFunctionsInOneOrder)
{
    const QList<Module> basic = {Module::info, Module::lightAngle, Module::switches, Module::timer,
                                 Module::angle, Module::connect, Module::local};
    const QList<Module> masks = {Module::maskMove, Module::maskMode, Module::maskInnerOutter, Module::maskRight,
                                 Module::maskTop, Module::maskLeft, Module::maskBottom};
    struct Case
    {
        qint64 model;
        quint64 functions;
        QList<Module> basic;
        QList<Module> advanced;
    };
    const auto with = [](QList<Module> list, qsizetype at, std::initializer_list<Module> inserted) {
        for (Module module : inserted)
            list.insert(at++, module);
        return list;
    };
    QList<Module> fullAdvanced = with(masks, 0, {Module::restart, Module::cutTime, Module::rotationRate});
    const QList<Case> cases = {
        {plainModel, 0, basic, with(masks, 0, {Module::restart})},
        {plainModel, 0x100, basic, with(masks, 0, {Module::restart, Module::cutTime})},
        {plainModel, 0x200, basic, with(masks, 0, {Module::restart, Module::rotationRate})},
        {plainModel, 0x300, basic, fullAdvanced},
        {bluetoothModel, 0, basic + QList<Module>{Module::bluetooth, Module::volume}, with(masks, 0, {Module::restart})},
        {fourGModel, 0x300, with(basic, 6, {Module::hotSpot}), fullAdvanced},
    };
    for (const Case &c : cases) {
        orvane::test::useCurrentDevice(c.model, c.functions, orvane::test::closedPort());
        screen->buildDatas();
        // A second build changes nothing: nothing is kept between builds.
        screen->buildDatas();
        EXPECT_EQ(screen->datas(), (Sections{c.basic, c.advanced, {Module::advanced}}))
            << c.model << " " << c.functions;
    }
}

TEST_F(SettingsScreenTest, AdvancedSectionOpensAndClosesWithItsToggle)
{
    orvane::test::useCurrentDevice(plainModel, 0, orvane::test::closedPort());
    screen->reloadItems();
    CollectionContainerView *collection = screen->collection();
    ASSERT_EQ(collection->numberOfSections(), 3);
    EXPECT_EQ(collection->numberOfItemsInSection(0), 7);
    EXPECT_EQ(collection->numberOfItemsInSection(1), 0);
    auto *toggle = qobject_cast<NormalButtonItem *>(itemAt(2, 0));
    ASSERT_NE(toggle, nullptr);
    EXPECT_EQ(toggle->btn()->text(), qxLocalized("ov_advanced"));
    EXPECT_EQ(screen->sizeForItem(collection, nullptr, {2, 0}).height(), 60);
    EXPECT_EQ(screen->sizeForItem(collection, nullptr, {0, 6}).height(), 120);
    EXPECT_EQ(screen->sizeForItem(collection, nullptr, {0, 0}).height(), 240);

    // Collapsed, the toggle follows the last basic item directly.
    collection->layoutIfNeeded();
    const QRect lastBasic = itemAt(0, 6)->geometry();
    EXPECT_GT(toggle->geometry().top(), lastBasic.bottom());
    EXPECT_LT(toggle->geometry().top(), lastBasic.bottom() + 40);

    toggle->btn()->click();
    EXPECT_TRUE(screen->showAdvanced());
    EXPECT_EQ(collection->numberOfItemsInSection(1), 8);
    toggle = qobject_cast<NormalButtonItem *>(itemAt(2, 0));
    ASSERT_NE(toggle, nullptr);
    EXPECT_EQ(toggle->btn()->text(), qxLocalized("ov_collapse"));
    EXPECT_EQ(screen->sizeForItem(collection, nullptr, {1, 0}).height(), 120);
    EXPECT_EQ(screen->sizeForItem(collection, nullptr, {1, 1}).height(), 240);

    toggle->btn()->click();
    EXPECT_FALSE(screen->showAdvanced());
    EXPECT_EQ(collection->numberOfItemsInSection(1), 0);
    EXPECT_EQ(qobject_cast<NormalButtonItem *>(itemAt(2, 0))->btn()->text(), qxLocalized("ov_advanced"));
}

TEST_F(SettingsScreenTest, EditorsAreTiedToTheMemberBeforeTheyReadIt)
{
    orvane::test::useCurrentDevice(fourGModel, 0, orvane::test::closedPort());
    // The member is a plain model whose record differs from the current device's everywhere.
    const auto member = std::make_shared<NetworkingDevice>(QStringLiteral("ORVANE-302-A"), QStringLiteral("127.0.0.1"));
    const std::shared_ptr<QXDevice> memberRecord =
        QXConnect::connectManager().fetchConfigFor(member, QXConnectManager::verifiedMode).realDevice;
    ASSERT_NE(memberRecord, QXConnect::connectManager().device());
    orvane::test::giveFunctions(*memberRecord, 0x40 | 0x20);
    memberRecord->editStatus([](QXDeviceStatus &status) {
        status.version().setCoreVersion1(15);
        status.setServerIndex(2);
        status.setLight(13);
    });
    screen = std::unique_ptr<FunctionConfigViewController>(FunctionConfigViewController::make(member));
    screen->reloadItems();

    // No hotspot page: the member is no 4G model, though the current device is one.
    ASSERT_EQ(screen->collection()->numberOfItemsInSection(0), 7);
    for (int item = 0; item < 7; ++item) {
        auto *editor = qobject_cast<FunctionConfigItem *>(itemAt(0, item));
        ASSERT_NE(editor, nullptr) << item;
        EXPECT_EQ(editor->device(), member);
        EXPECT_EQ(editor->infoDisplayer(), screen.get());
    }
    auto *light = qobject_cast<DeviceConfigSliderItem *>(itemAt(0, 1));
    ASSERT_NE(light, nullptr);
    EXPECT_EQ(light->slider(0)->value(), 13);
    // The server item read the member's status in its own refresh.
    auto *server = qobject_cast<ConnectServerItem *>(itemAt(0, 5));
    ASSERT_NE(server, nullptr);
    EXPECT_EQ(server->serverBox()->selectString(), QXDeviceStatus::serverList().at(2));
    // The member is a plain model: no hotspot page, though the current device is a 4G one.
    EXPECT_TRUE(qobject_cast<DeviceInfoItem *>(itemAt(0, 0)));
}

class SettingsRefreshTest : public ::testing::Test
{
protected:
    void SetUp() override { orvane::language::setLanguage(QStringLiteral("en")); }
    void TearDown() override
    {
        screen.reset();
        EXPECT_TRUE(orvane::test::closeSocket(QXConnect::connectManager().insSocket()));
    }

    // Shows the screen for a device of the model, which starts a refresh, and waits for its end.
    bool showFor(qint64 model)
    {
        record = orvane::test::useCurrentDevice(model, fan.port());
        record->setWifiName(QStringLiteral("ORVANE_FAN"));
        screen = std::make_unique<FunctionConfigViewController>();
        screen->resize(900, 700);
        screen->show();
        EXPECT_FALSE(screen->refreshBtn()->isEnabled());
        return orvane::test::waitUntil([&] { return !screen->isRefreshing(); });
    }

    orvane::test::FakeFan fan;
    AnsweringPresenter presenter;
    std::shared_ptr<QXDevice> record;
    std::unique_ptr<FunctionConfigViewController> screen;
};

TEST_F(SettingsRefreshTest, ReadsStatusAndMaskAndTheBluetoothListOnlyWithBluetoothAudio)
{
    fan.setReply(46, orvane::test::testData(QStringLiteral("QXDeviceMaskFuzzer/QXDeviceMask-districts.bin")));
    fan.setReply(47, orvane::test::FakeFan::listReply(
                         47, R"([{"address":"AA:01","name":"Speaker"},{"name":"no address"},{"address":"BB:02"}])"));
    ASSERT_TRUE(showFor(plainModel));
    EXPECT_EQ(fan.codes(), (QList<quint8>{10, 46}));
    EXPECT_TRUE(screen->refreshBtn()->isEnabled());
    EXPECT_TRUE(screen->bluetoothList().isEmpty());
    EXPECT_EQ(record->mask().horizontalDistance(), 10);
    EXPECT_EQ(screen->infoLabel()->text(), QStringLiteral("ORVANE_FAN"));
    EXPECT_TRUE(presenter.texts.isEmpty());

    ASSERT_TRUE(orvane::test::closeSocket(QXConnect::connectManager().insSocket()));
    fan.clearRecords();
    ASSERT_TRUE(showFor(bluetoothModel));
    EXPECT_EQ(fan.codes(), (QList<quint8>{10, 46, 47}));
    using Bluetooth = DeviceBluetoothItem::Bluetooth;
    EXPECT_EQ(screen->bluetoothList(), (QList<Bluetooth>{{QStringLiteral("AA:01"), QStringLiteral("Speaker")},
                                                         {QStringLiteral("BB:02"), std::nullopt}}));
    // The refresh button runs the same reading again.
    fan.clearRecords();
    screen->refreshBtn()->click();
    EXPECT_FALSE(screen->refreshBtn()->isEnabled());
    ASSERT_TRUE(orvane::test::waitUntil([&] { return !screen->isRefreshing(); }));
    EXPECT_EQ(fan.codes(), (QList<quint8>{10, 46, 47}));
}

TEST_F(SettingsRefreshTest, FailedStatusSaysSoOnceAndTheScreenIsRebuiltFromTheMask)
{
    fan.setReply(10, QByteArray::fromHex("35a40b01"));
    fan.setReply(46, orvane::test::testData(QStringLiteral("QXDeviceMaskFuzzer/QXDeviceMask-districts.bin")));
    ASSERT_TRUE(showFor(plainModel));
    EXPECT_TRUE(orvane::test::waitUntil([&] { return presenter.texts.size() == 1; }));
    orvane::test::spinFor(50);
    EXPECT_EQ(presenter.texts, QStringList{qxLocalized("ov_conn_fail_tip")});
    EXPECT_TRUE(screen->refreshBtn()->isEnabled());
    EXPECT_EQ(record->mask().horizontalDistance(), 10);
    // The rebuilt items start from the new mask.
    screen->toggleAdvanced();
    auto *move = orvane::test::itemOf<DeviceConfigSliderItem>(*screen, Module::maskMove);
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(move->slider(0)->value(), 10);
}

// The operator has moved on: a failure the screen asked about is not told over whatever follows.
TEST_F(SettingsRefreshTest, AFailedStatusArrivingAfterTheScreenIsGoneShowsNoDialog)
{
    fan.setReply(10, orvane::test::FakeFan::Reply{{QByteArray::fromHex("35a40b01")}, 150});
    record = orvane::test::useCurrentDevice(plainModel, fan.port());
    screen = std::make_unique<FunctionConfigViewController>();
    screen->show();
    ASSERT_TRUE(orvane::test::waitUntil([&] { return fan.codes().contains(10); }));
    screen.reset();
    const std::shared_ptr<QXInsSocket> socket = QXConnect::connectManager().insSocket();
    ASSERT_TRUE(orvane::test::waitUntil([&] { return fan.codes().size() == 2 && socket->isFree(); }));
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(presenter.texts.isEmpty());
}

TEST_F(SettingsRefreshTest, InfoLineShowsATextForTwoSecondsThenTheWifiName)
{
    ASSERT_TRUE(showFor(plainModel));
    QElapsedTimer shown;
    shown.start();
    screen->showLocalizedInfo(QStringLiteral("ov_set_light_success"));
    EXPECT_EQ(screen->infoLabel()->text(), qxLocalized("ov_set_light_success"));
    ASSERT_TRUE(orvane::test::waitUntil([&] { return screen->infoLabel()->text() == QStringLiteral("ORVANE_FAN"); },
                                        4000));
    EXPECT_GE(shown.elapsed(), 1900);

    // A key without a text shows itself; a record without a Wi-Fi name leaves the line empty.
    record->setWifiName(QString());
    screen->showLocalizedInfo(QStringLiteral("ov_no_such_key"));
    EXPECT_EQ(screen->infoLabel()->text(), QStringLiteral("ov_no_such_key"));
    ASSERT_TRUE(orvane::test::waitUntil([&] { return screen->infoLabel()->text().isEmpty(); }, 4000));
}

TEST_F(SettingsRefreshTest, RefreshEndingWhileAnEditorAsksKeepsTheItemsUntilTheAnswer)
{
    // The fan first reports a cut time, which adds one editor to the advanced section.
    QByteArray withCutTime = QByteArray::fromHex("35a40a") + QByteArray(47, '\0');
    withCutTime[49] = 3;
    fan.setReply(10, withCutTime);
    ASSERT_TRUE(showFor(plainModel));
    screen->toggleAdvanced();
    ASSERT_NE(orvane::test::itemOf<QWidget>(*screen, Module::cutTime), nullptr);
    auto *restart = orvane::test::itemOf<FunctionSingleButtonItem>(*screen, Module::restart);
    ASSERT_NE(restart, nullptr);
    CollectionContainerView *collection = screen->collection();
    const auto advancedHeights = [collection] {
        QList<int> heights;
        for (int item = 0; item < collection->numberOfItemsInSection(1); ++item)
            heights.append(collection->itemAtIndexPath({1, item})->height());
        return heights;
    };
    collection->layoutIfNeeded();
    const QList<int> heightsBefore = advancedHeights();
    fan.setReply(10, orvane::test::FakeFan::Reply{{orvane::test::FakeFan::plainReply(10)}, 200});
    fan.clearRecords();
    // A refresh runs and ends while the operator reads the question, in the dialog's own loop,
    // and the fan no longer reports the cut time; the window is widened to one more column meanwhile.
    QList<int> heightsWhileAsking;
    presenter.answerNext([&](QDialog *dialog) {
        screen->refresh();
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (!screen->isRefreshing())
                loop.quit();
        });
        poll.start(10);
        loop.exec();
        screen->resize(1300, screen->height());
        collection->layoutIfNeeded();
        heightsWhileAsking = advancedHeights();
        AnsweringPresenter::press(dialog, QStringLiteral("btnOK"));
    });
    restart->btn()->click();
    ASSERT_TRUE(orvane::test::waitUntil([&] { return fan.codes().contains(51); }));
    EXPECT_EQ(heightsWhileAsking, heightsBefore);
    // The items are made anew once the question is answered, from what the fan now reports.
    EXPECT_TRUE(orvane::test::waitUntil([&] {
        return orvane::test::itemOf<FunctionSingleButtonItem>(*screen, Module::restart) != restart;
    }));
    EXPECT_EQ(orvane::test::itemOf<QWidget>(*screen, Module::cutTime), nullptr);
}

TEST_F(SettingsRefreshTest, KeyboardFocusStaysOnTheSameControlWhenTheItemsAreMadeAnew)
{
    ASSERT_TRUE(showFor(plainModel));
    screen->activateWindow();
    QApplication::setActiveWindow(screen.get());
    auto *light = orvane::test::itemOf<DeviceConfigSliderItem>(*screen, Module::lightAngle);
    light->stepper(0)->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), light->stepper(0));

    // Tab from Refresh goes straight to the first control of the list: the area that scrolls the
    // list is no stop of its own.
    screen->refreshBtn()->setFocus();
    QTest::keyClick(screen->refreshBtn(), Qt::Key_Tab);
    EXPECT_TRUE(screen->collection()->widget()->isAncestorOf(QApplication::focusWidget()))
        << QApplication::focusWidget()->metaObject()->className();
    light->stepper(0)->setFocus();

    screen->refresh();
    ASSERT_TRUE(orvane::test::waitUntil([&] { return !screen->isRefreshing(); }));
    light = orvane::test::itemOf<DeviceConfigSliderItem>(*screen, Module::lightAngle);
    EXPECT_EQ(QApplication::focusWidget(), light->stepper(0));

    // The advanced toggle, pressed from the keyboard, keeps the focus for the next press.
    auto *toggle = qobject_cast<NormalButtonItem *>(screen->collection()->itemAtIndexPath({2, 0}));
    toggle->btn()->setFocus();
    QTest::keyClick(toggle->btn(), Qt::Key_Space);
    ASSERT_TRUE(screen->showAdvanced());
    toggle = qobject_cast<NormalButtonItem *>(screen->collection()->itemAtIndexPath({2, 0}));
    EXPECT_EQ(QApplication::focusWidget(), toggle->btn());
    QTest::keyClick(toggle->btn(), Qt::Key_Space);
    EXPECT_FALSE(screen->showAdvanced());
}

TEST_F(SettingsRefreshTest, SmallAnd4GDevicesAsTheOperatorSeesThem)
{
    ASSERT_TRUE(showFor(plainModel));
    screen->collection()->layoutIfNeeded();
    EXPECT_FALSE(orvane::test::grabScreenshot(screen.get(), QStringLiteral("settings-small")).isNull());

    ASSERT_TRUE(orvane::test::closeSocket(QXConnect::connectManager().insSocket()));
    ASSERT_TRUE(showFor(fourGModel));
    EXPECT_NE(orvane::test::itemOf<QWidget>(*screen, Module::hotSpot), nullptr);
    QScrollBar *scroll = screen->collection()->verticalScrollBar();
    screen->collection()->layoutIfNeeded();
    scroll->setValue(scroll->maximum());
    EXPECT_FALSE(orvane::test::grabScreenshot(screen.get(), QStringLiteral("settings-4g")).isNull());
    screen->toggleAdvanced();
    screen->collection()->layoutIfNeeded();
    scroll->setValue(orvane::test::itemOf<QWidget>(*screen, Module::restart)->y() - 10);
    EXPECT_FALSE(orvane::test::grabScreenshot(screen.get(), QStringLiteral("settings-4g-choices")).isNull());
    scroll->setValue(scroll->maximum());
    EXPECT_FALSE(orvane::test::grabScreenshot(screen.get(), QStringLiteral("settings-4g-advanced")).isNull());
}

} // namespace
