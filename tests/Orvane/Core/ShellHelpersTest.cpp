#include "Core/AppPaths.h"
#include "Core/BaseViewController.h"
#include "Core/Utils.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

class RecordingScreen : public BaseViewController
{
public:
    QStringList calls;

protected:
    void initData() override
    {
        BaseViewController::initData();
        calls << QStringLiteral("initData");
    }
    void initUI() override { calls << QStringLiteral("initUI"); }
    void initSocket() override { calls << QStringLiteral("initSocket"); }
};

} // namespace

TEST(BaseViewController, LoadsOnceBeforeItFirstAppearsAndPreparesSocketsOnEveryAppearance)
{
    RecordingScreen screen;
    EXPECT_FALSE(screen.isViewLoaded());
    screen.show();
    screen.hide();
    screen.show();
    screen.loadViewIfNeeded();
    EXPECT_EQ(screen.calls, (QStringList{"initData", "initUI", "initSocket", "initSocket"}));
    EXPECT_EQ(screen.utils(), Utils::shareInstance());
}

TEST(AppPaths, SupportFolderIsMadeOnceUnderTheApplicationsName)
{
    const QString expected =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Orvane");
    QDir(expected).removeRecursively();
    EXPECT_EQ(orvane::appSupportDirectory(), expected);
    EXPECT_TRUE(QFileInfo(expected).isDir());
    EXPECT_EQ(orvane::appSupportDirectory(), expected);
    EXPECT_EQ(orvane::appSupportFile(QStringLiteral("unionList.txt")), expected + QStringLiteral("/unionList.txt"));
    EXPECT_EQ(orvane::searchPathDirectory(orvane::SearchPathDirectory::downloads),
              QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
}
