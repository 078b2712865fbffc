// The union operation screen driving fake fans: a member's play list and settings as windows,
// and a 2 x 2 union from a generated clip to its tiles on the fans, masks and synchronisation.
#include "QXLocalized.h"
#include "UnionFans.h"

#include "Core/NSNavigationController.h"
#include "FilePanelAnswers.h"
#include "Modules/Playlist/PlaylistViewController.h"
#include "Modules/Settings/FunctionConfigViewController.h"
#include "Modules/Union/UnionConfigViewController.h"
#include "Modules/Union/UnionContainer.h"
#include "Modules/Union/UnionDeviceItemView.h"
#include "Modules/Union/UnionOperationItem.h"
#include "QXConnect.h"
#include "QXInsSocket.h"
#include "QXQFileInfo.h"
#include "QXView.h"

#include <QDialog>
#include <QPushButton>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

namespace {

using namespace orvane::test;
using Action = UnionConfigViewController::Operation::Action;

class UnionScreen : public UnionFans
{
protected:
    void SetUp() override
    {
        UnionFans::SetUp();
        firstFan = 31;
    }

    void open(const std::shared_ptr<UnionData> &shown)
    {
        // The screen works through the application's manager.
        for (const auto &fan : fans)
            QXConnect::connectManager().addDevice(fan->name, QString::fromLatin1(kFanPassword));
        config = std::make_unique<UnionConfigViewController>(shown);
        config->resize(1000, 700);
        config->show();
    }

    void run(Action action)
    {
        for (const auto &group : config->operations()) {
            for (const auto &operation : group) {
                if (operation.action == action)
                    return config->operate(operation);
            }
        }
        ADD_FAILURE() << "no operation " << int(action);
    }

    // The content of the member window presented last.
    QWidget *memberWindowContent() const
    {
        QDialog *window = presenter.last();
        if (!window || window->objectName() != QLatin1String("UnionMemberWindow"))
            return nullptr;
        return window->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    }

    std::unique_ptr<UnionConfigViewController> config;
};

TEST_F(UnionScreen, AMembersNameOpensItsPlayListAndItsButtonItsSettings)
{
    addFans(1);
    open(unionOf(1, 2));
    UnionDeviceItemView *tile = config->unionView()->items().at(0);
    config->unionContainerDidClickName(config->unionView(), tile);
    ASSERT_TRUE(waitUntil([&] { return memberWindowContent() != nullptr; }));
    auto *navigation = qobject_cast<NSNavigationController *>(memberWindowContent());
    ASSERT_TRUE(navigation);
    auto *playlist = qobject_cast<PlaylistViewController *>(navigation->rootViewController());
    ASSERT_TRUE(playlist);
    EXPECT_EQ(playlist->device(), fans.front()->device);
    presenter.last()->reject();

    config->unionContainerDidClickSetting(config->unionView(), tile);
    ASSERT_TRUE(waitUntil([&] { return qobject_cast<FunctionConfigViewController *>(memberWindowContent()); }));
    EXPECT_EQ(qobject_cast<FunctionConfigViewController *>(memberWindowContent())->device(), fans.front()->device);
    presenter.last()->reject();

    const qsizetype shown = presenter.presented().size();
    config->unionContainerDidClickName(config->unionView(), config->unionView()->items().at(1));
    spinFor(200);
    EXPECT_EQ(presenter.presented().size(), shown) << "an empty slot opens nothing";
}

TEST_F(UnionScreen, AMembersPlayListWindowConnectsItsFanEachTimeItAppears)
{
    addFans(1);
    fans.front()->ins->setReply(11, FakeFan::listReply(11, "clip,3000,1,\r\n"));
    open(unionOf(1, 1));
    config->unionContainerDidClickName(config->unionView(), config->unionView()->items().at(0));
    ASSERT_TRUE(waitUntil([&] { return memberWindowContent() != nullptr; }));
    auto *playlist = qobject_cast<PlaylistViewController *>(
        qobject_cast<NSNavigationController *>(memberWindowContent())->rootViewController());
    ASSERT_TRUE(playlist);
    QDialog *window = presenter.last();
    const auto dropLink = [&] {
        window->hide();
        fans.front()->ins->disconnectClients();
        return waitUntil([&] { return playlist->insSocket()->isDisconnected(); });
    };
    ASSERT_TRUE(dropLink()) << "the link dropped before the window showed";
    window->show();
    ASSERT_TRUE(waitUntil([&] { return playlist->contentArray().size() == 1; }));
    EXPECT_EQ(playlist->contentArray().front()->fileName(), QStringLiteral("clip"));

    fans.front()->ins->setRefuseConnections(true);
    ASSERT_TRUE(dropLink());
    window->show();
    EXPECT_TRUE(waitUntil([&] { return presenter.texts.contains(qxLocalized("ov_conn_fail_tip")); }));
    window->reject();
}

TEST_F(UnionScreen, AClipIsCutUploadedMaskedSynchronisedAndStoppedOnATwoByTwoUnion)
{
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    ASSERT_FALSE(ffmpeg.isEmpty());
    QTemporaryDir dir;
    const QString clip = dir.filePath(QStringLiteral("clip.mp4"));
    ASSERT_EQ(QProcess::execute(ffmpeg, {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                         "testsrc2=size=160x90:rate=10:duration=1", clip}),
              0);
    addFans(4, true);
    const std::shared_ptr<UnionData> wall = unionOf(2, 2);
    wall->setMasterDevice(fans.front()->device);
    open(wall);

    presenter.answerNext(chooseFiles({clip}));
    run(Action::cutAndUpload);
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(waitUntil([&] { return fans.at(i)->files->transfers().size() == 1; }, 120000)) << i;
        EXPECT_TRUE(fans.at(i)->files->transfers().front().name.startsWith(
            QStringLiteral("clip_result_%1_%2").arg(i / 2 + 1).arg(i % 2 + 1).toUtf8()));
        EXPECT_GT(fans.at(i)->files->transfers().front().bodySize, 0);
    }

    presenter.answerNext(press("btnOK"));
    run(Action::defaultMask);
    for (const auto &fan : fans) {
        const qsizetype planned = wall->maskInstructions(fan->device).size();
        EXPECT_TRUE(waitUntil([&] { return fan->instructions().size() == planned; })) << fan->name.toStdString();
    }

    const QString slave = fans.at(1)->name;
    fans.front()->ins->setScript([slave](const FakeFan::Frame &frame) -> std::optional<FakeFan::Reply> {
        if (frame.code != 0x40)
            return std::nullopt;
        QByteArray body = R"({"type":64,"status":1})";
        if (frame.bytes.contains("\"type\":10"))
            body = QStringLiteral(R"({"type":10,"status":1,"slaveList":[{"sn":"%1","ip":"x","status":1}]})").arg(slave).toUtf8();
        else if (frame.bytes.contains("\"type\":65"))
            body = R"({"type":65,"status":1})";
        return FakeFan::Reply::bytes(FakeFan::jsonReply(body));
    });
    run(Action::openWifiSync);
    UnionDeviceItemView *slaveTile = config->unionView()->items().at(1);
    UnionDeviceItemView *otherTile = config->unionView()->items().at(2);
    ASSERT_TRUE(waitUntil([&] {
        slaveTile = config->unionView()->items().at(1);
        return slaveTile->nameColor() == QColor(QRgb(UnionContainer::kSyncedNameColor));
    }));
    otherTile = config->unionView()->items().at(2);
    EXPECT_EQ(otherTile->nameColor(), QColor(QRgb(UnionContainer::kUnsyncedNameColor)));
    EXPECT_TRUE(config->operationItems().at(12)->titleBtn()->isEnabled()) << "the master answered";

    // Stopped: no name shows a mark, the master's neither.
    run(Action::closeWifiSync);
    const auto plain = [&] {
        const auto tiles = config->unionView()->items();
        return std::all_of(tiles.cbegin(), tiles.cend(), [](UnionDeviceItemView *tile) {
            return tile->nameColor() == QColor(QRgb(UnionContainer::kNameColor));
        });
    };
    EXPECT_TRUE(waitUntil(plain));
}

} // namespace
