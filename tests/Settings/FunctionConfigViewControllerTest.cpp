#include "SettingsTestSupport.h"

#include "CollectionContainerView.h"
#include "EventLoop.h"
#include "Loopback.h"
#include "Modules/Connect/ConnectServerItem.h"
#include "Modules/Settings/DeviceInfoItem.h"
#include "Modules/Settings/FunctionConfigViewController.h"
#include "Modules/Settings/NormalButtonItem.h"
#include "NetworkingDevice.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using Module = FunctionConfigViewController::FunctionModule;
using Sections = FunctionConfigViewController::Sections;
using orvane::test::AnsweringPresenter;

constexpr qint64 plainModel = 302;
constexpr qint64 bluetoothModel = 603;
constexpr qint64 fourGModel = 604;

class SettingsScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        presenter.setRefusing(true);
        screen = std::make_unique<FunctionConfigViewController>();
        screen->resize(900, 700);
    }

    // The items as the screen makes them, without the refresh of a showing.
    void reload()
    {
        screen->buildDatas();
        screen->collection()->reloadData();
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
    reload();
    CollectionContainerView *collection = screen->collection();
    ASSERT_EQ(collection->numberOfSections(), 3);
    EXPECT_EQ(collection->numberOfItemsInSection(0), 7);
    EXPECT_EQ(collection->numberOfItemsInSection(1), 0);
    auto *toggle = qobject_cast<NormalButtonItem *>(itemAt(2, 0));
    ASSERT_NE(toggle, nullptr);
    EXPECT_EQ(toggle->btn()->text(), qtTrId("ov_advanced"));
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
    EXPECT_EQ(toggle->btn()->text(), qtTrId("ov_collapse"));
    EXPECT_EQ(screen->sizeForItem(collection, nullptr, {1, 0}).height(), 120);
    EXPECT_EQ(screen->sizeForItem(collection, nullptr, {1, 1}).height(), 240);

    toggle->btn()->click();
    EXPECT_FALSE(screen->showAdvanced());
    EXPECT_EQ(collection->numberOfItemsInSection(1), 0);
    EXPECT_EQ(qobject_cast<NormalButtonItem *>(itemAt(2, 0))->btn()->text(), qtTrId("ov_advanced"));
}

TEST_F(SettingsScreenTest, EditorsAreTiedToTheScreensDeviceAndInfoLine)
{
    orvane::test::useCurrentDevice(fourGModel, 0, orvane::test::closedPort());
    const auto member = std::make_shared<NetworkingDevice>(QStringLiteral("ORVANE-302-A"), QStringLiteral("127.0.0.1"));
    screen->setDevice(member);
    reload();
    int editors = 0;
    for (int item = 0; item < screen->collection()->numberOfItemsInSection(0); ++item) {
        auto *editor = qobject_cast<FunctionConfigItem *>(itemAt(0, item));
        ASSERT_NE(editor, nullptr) << item;
        EXPECT_EQ(editor->device(), member);
        EXPECT_EQ(editor->infoDisplayer(), screen.get());
        ++editors;
    }
    EXPECT_EQ(editors, 7);
    EXPECT_TRUE(qobject_cast<ConnectServerItem *>(itemAt(0, 5)));
    // The member is a plain model: no hotspot page, though the current device is a 4G one.
    EXPECT_TRUE(qobject_cast<DeviceInfoItem *>(itemAt(0, 0)));
}

} // namespace
