// The union grid, its tiles and the small union views: geometry, colours and stacking, sync
// colours, resizing and placing fans, and what the keyboard and screen readers reach.
#include "Core/Language.h"
#include "CoverBox.h"
#include "Modules/Union/UnionContainer.h"
#include "Modules/Union/UnionContainerDelegate.h"
#include "Modules/Union/UnionDeviceCell.h"
#include "Modules/Union/UnionDeviceItemView.h"
#include "Modules/Union/UnionOperationItem.h"
#include "NetworkingDevice.h"
#include "QXColor.h"
#include "QXView.h"
#include "Screenshots.h"
#include "UnionScreenSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <cmath>

#include <gtest/gtest.h>

namespace {

using Slaves = QList<WifiSyncModel::Slave>;

std::shared_ptr<NetworkingDevice> fan(const QString &name, const QString &ip = QStringLiteral("192.168.1.9"))
{
    return std::make_shared<NetworkingDevice>(name, ip);
}

QColor rgb(quint32 hex)
{
    return qxkit::hexWithHex(hex);
}

// Counts the clicks each tile target forwards.
class ClickRecorder : public QObject, public UnionContainerDelegate
{
public:
    void unionContainerDidClick(UnionContainer *, UnionDeviceItemView *tile) override { record("disc", tile); }
    void unionContainerDidClickSetting(UnionContainer *, UnionDeviceItemView *tile) override
    {
        record("setting", tile);
    }
    void unionContainerDidClickName(UnionContainer *, UnionDeviceItemView *tile) override { record("name", tile); }

    QStringList clicks;

private:
    void record(const char *target, const UnionDeviceItemView *tile)
    {
        clicks << QStringLiteral("%1 %2-%3").arg(QLatin1String(target)).arg(tile->row()).arg(tile->colomn());
    }
};

// 2 x 3 with a master at (0,0), a fan at (1,2) and the rest empty.
std::shared_ptr<NetworkingDevice> masterFan(const QString &name, const QString &ip)
{
    auto master = fan(name, ip);
    master->setIsMaster(true);
    return master;
}

struct TwoByThree
{
    std::shared_ptr<NetworkingDevice> master = masterFan(QStringLiteral("FAN-A"), QStringLiteral("192.168.1.20"));
    std::shared_ptr<NetworkingDevice> last = fan(QStringLiteral("FAN-F"), QStringLiteral("192.168.1.25"));
    UnionContainer grid{2, 3, 100, false, true, true, UnionGrid{{master, nullptr, nullptr}, {nullptr, nullptr, last}}};

    UnionDeviceItemView *tile(int r, int c) const { return orvane::test::tileAt(grid, r, c); }
};

TEST(UnionGrid, TilesOverlapByTenPointsAndCoverTheGrid)
{
    TwoByThree union23;
    EXPECT_EQ(union23.grid.size(), QSize(280, 190));
    ASSERT_EQ(union23.grid.items().size(), 6);
    EXPECT_EQ(union23.tile(1, 2)->geometry(), QRect(180, 90, 100, 100));
    EXPECT_EQ(union23.tile(1, 2)->row(), 1);
    EXPECT_EQ(union23.tile(1, 2)->colomn(), 2);
    EXPECT_EQ(union23.grid.relativeView()->geometry(), QRect(0, 0, 280, 190));

    UnionContainer empty(0, 0, 100, false, false, false);
    EXPECT_TRUE(empty.items().isEmpty());
    EXPECT_EQ(empty.size(), QSize(10, 10));
}

TEST(UnionGrid, CheckerboardColoursAndStackingFollowTheTopFlag)
{
    TwoByThree union23;
    for (bool reversed : {false, true}) {
        union23.grid.setIsReversed(reversed);
        for (int r = 0; r < 2; ++r) {
            for (int c = 0; c < 3; ++c) {
                const bool front = ((r + c) % 2 == 1) != reversed;
                UnionDeviceItemView *tile = union23.tile(r, c);
                EXPECT_EQ(tile->contentColor(), rgb(front ? 0x465175 : 0x383E51)) << r << c << reversed;
                const int at = union23.grid.children().indexOf(tile);
                EXPECT_EQ(at > union23.grid.children().indexOf(union23.grid.relativeView()), front) << r << c;
            }
        }
    }

    // The same value again keeps the tiles; another one rebuilds them.
    UnionDeviceItemView *before = union23.tile(0, 0);
    union23.grid.setIsReversed(true);
    EXPECT_EQ(union23.tile(0, 0), before);
    union23.grid.setIsReversed(false);
    EXPECT_NE(union23.tile(0, 0), before);
}

TEST(UnionGrid, NamesTakeTheSynchronisationColours)
{
    TwoByThree union23;
    auto second = fan(QStringLiteral("FAN-B"));
    auto devices = union23.grid.devices();
    devices.at(0).at(1) = second;
    union23.grid.setDevices(devices);

    struct Case
    {
        const char *what;
        std::optional<Slaves> slaves;
        quint32 master, synced, unsynced, empty;
    };
    const Case cases[] = {
        {"no list", std::nullopt, 0x74A781, 0x74A781, 0x74A781, 0x74A781},
        {"empty list", Slaves{}, 0x19FB24, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8},
        // Only the first slave bearing a name counts.
        {"duplicate sn", Slaves{{"FAN-B", "1.1.1.1", 1}, {"FAN-B", "1.1.1.2", 0}, {"FAN-F", "", 0}, {"FAN-F", "", 1}},
         0x19FB24, 0x19FB24, 0xD8D8D8, 0xD8D8D8},
    };
    for (const Case &c : cases) {
        union23.grid.reload(c.slaves);
        EXPECT_EQ(union23.tile(0, 0)->nameColor(), rgb(c.master)) << c.what;
        EXPECT_EQ(union23.tile(0, 1)->nameColor(), rgb(c.synced)) << c.what;
        EXPECT_EQ(union23.tile(1, 2)->nameColor(), rgb(c.unsynced)) << c.what;
        EXPECT_EQ(union23.tile(1, 0)->nameColor(), rgb(c.empty)) << c.what;
    }
}

TEST(UnionGrid, TilesShowNameMasterMarkButtonsAndToolTips)
{
    TwoByThree union23;
    union23.grid.show();
    UnionDeviceItemView *master = union23.tile(0, 0);
    EXPECT_EQ(master->nameLabel()->text(), QStringLiteral("FAN-A"));
    EXPECT_FALSE(master->masterLabel()->isHidden());
    EXPECT_FALSE(master->settingBtn()->isHidden());
    EXPECT_EQ(master->toolTip(), QStringLiteral(" 1-1 192.168.1.20"));
    EXPECT_TRUE(union23.tile(1, 2)->masterLabel()->isHidden());
    // An empty slot never offers settings; its tool tip ends after the position.
    UnionDeviceItemView *empty = union23.tile(1, 0);
    EXPECT_TRUE(empty->settingBtn()->isHidden());
    EXPECT_EQ(empty->toolTip(), QStringLiteral(" 2-1 "));
    EXPECT_FALSE(empty->nameBtn()->isHidden());

    union23.last->setIp(QStringLiteral("10.0.0.7"));
    union23.grid.refreshToolTips();
    EXPECT_EQ(union23.tile(1, 2)->toolTip(), QStringLiteral(" 2-3 10.0.0.7"));
    EXPECT_EQ(union23.tile(1, 2)->bottomBtn()->accessibleDescription(), QStringLiteral("10.0.0.7"));

    UnionContainer plain(1, 1, 100, false, false, false, UnionGrid{{fan(QStringLiteral("X"))}});
    ASSERT_EQ(plain.items().size(), 1);
    EXPECT_TRUE(plain.items().at(0)->settingBtn()->isHidden());
    EXPECT_TRUE(plain.items().at(0)->nameBtn()->isHidden());
}

TEST(UnionGrid, ClicksReachTheDelegateOnlyWhileItLives)
{
    TwoByThree union23;
    UnionDeviceItemView *tile = union23.tile(0, 0);
    {
        ClickRecorder recorder;
        union23.grid.setDelegate(&recorder);
        tile->bottomBtn()->click();
        tile->settingBtn()->click();
        tile->nameBtn()->click();
        EXPECT_EQ(recorder.clicks, (QStringList{"disc 0-0", "setting 0-0", "name 0-0"}));
    }
    EXPECT_EQ(union23.grid.delegate(), nullptr);
    tile->bottomBtn()->click();
}

TEST(UnionGrid, RowsAndColumnsGrowEmptyAndShrinkFromTheEnd)
{
    TwoByThree union23;
    union23.grid.setRow(3);
    ASSERT_EQ(union23.grid.devices().size(), 3u);
    EXPECT_EQ(union23.grid.devices()[2], (std::vector<std::shared_ptr<NetworkingDevice>>(3)));
    EXPECT_EQ(union23.grid.items().size(), 9);
    EXPECT_EQ(union23.grid.size(), QSize(280, 280));

    union23.grid.setColomn(2);
    for (const auto &line : union23.grid.devices())
        EXPECT_EQ(line.size(), 2u);
    EXPECT_EQ(union23.grid.devices().at(1).at(1), nullptr) << "FAN-F sat in the dropped column";
    EXPECT_EQ(union23.grid.size(), QSize(190, 280));

    // Counts outside what a union can hold never reach the grid's memory.
    union23.grid.setRow(-4);
    EXPECT_EQ(union23.grid.row(), 0);
    union23.grid.setColomn(1'000'000'000);
    EXPECT_EQ(union23.grid.colomn(), UnionData::kMaxCount);
}

TEST(UnionGrid, PlacingMovesAFanByNameAndKeepsItsMasterFlag)
{
    TwoByThree union23;
    // Another object with the master's name, as found by a search.
    auto found = fan(QStringLiteral("FAN-A"), QStringLiteral("192.168.1.30"));
    union23.grid.place(found, union23.tile(1, 1));
    EXPECT_EQ(union23.grid.devices().at(0).at(0), nullptr);
    EXPECT_EQ(union23.tile(0, 0)->nameLabel()->text(), QString());
    EXPECT_EQ(union23.grid.devices().at(1).at(1), found);
    EXPECT_TRUE(found->isMaster());
    EXPECT_FALSE(union23.tile(1, 1)->masterLabel()->isHidden());

    // An occupied slot: the fan there leaves the grid.
    union23.grid.place(found, union23.tile(1, 2));
    EXPECT_EQ(union23.grid.devices().at(1).at(2), found);
    EXPECT_EQ(union23.grid.devices().at(1).at(1), nullptr);
    int fans = 0;
    for (const auto &line : union23.grid.devices())
        fans += int(std::count_if(line.begin(), line.end(), [](const auto &f) { return f != nullptr; }));
    EXPECT_EQ(fans, 1);

    // A tile of another grid, outside this one, changes nothing.
    UnionContainer wide(1, 5, 100, false, false, false);
    ASSERT_EQ(wide.items().size(), 5);
    union23.grid.place(fan(QStringLiteral("Z")), wide.items().at(4));
    EXPECT_EQ(union23.grid.devices().at(0).size(), 3u);
}

TEST(UnionGrid, UpdateShowsAStoredUnion)
{
    TwoByThree union23;
    UnionData stored(QStringLiteral("hall"), 1, 2, true, QString(), UnionGrid{{fan(QStringLiteral("Q")), nullptr}});
    union23.grid.update(stored);
    EXPECT_EQ(union23.grid.items().size(), 2);
    EXPECT_TRUE(union23.grid.isReversed());
    EXPECT_EQ(union23.tile(0, 0)->nameLabel()->text(), QStringLiteral("Q"));
    EXPECT_EQ(union23.tile(0, 0)->contentColor(), rgb(UnionContainer::kFrontColor));
}

TEST(UnionGrid, TileTargetsAreNamedFocusableButtons)
{
    orvane::language::setLanguage(QStringLiteral("en"));
    TwoByThree union23;
    UnionDeviceItemView *tile = union23.tile(0, 0);
    for (QWidget *target : {static_cast<QWidget *>(tile->bottomBtn()), static_cast<QWidget *>(tile->nameBtn()),
                            static_cast<QWidget *>(tile->settingBtn())}) {
        EXPECT_TRUE(target->focusPolicy() & Qt::TabFocus);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(target);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->role(), QAccessible::Button);
        EXPECT_TRUE(accessible->text(QAccessible::Name).contains(QStringLiteral("FAN-A")));
    }
    EXPECT_EQ(tile->bottomBtn()->accessibleName(), QStringLiteral("FAN-A, row 1, column 1"));
    EXPECT_EQ(union23.tile(1, 0)->accessibleName(), QStringLiteral("Empty slot, row 2, column 1"));

    union23.grid.move(10, 10);
    QWidget frame;
    frame.resize(300, 210);
    qxkit::setBgColor(&frame, qxkit::globalDark());
    union23.grid.setParent(&frame);
    frame.show();
    QApplication::setActiveWindow(&frame);
    union23.tile(1, 2)->bottomBtn()->setFocus();
    EXPECT_TRUE(union23.tile(1, 2)->bottomBtn()->hasFocus());
    EXPECT_FALSE(orvane::test::grabScreenshot(&frame, QStringLiteral("union-grid")).isNull());
    union23.grid.setParent(nullptr);
    orvane::language::setLanguage(std::nullopt);
}

// Whether every corner of the rectangle lies inside the circle that fills `disc`.
bool insideCircle(const QRect &rect, const QRect &disc)
{
    const QPointF centre = QRectF(disc).center();
    const qreal radius = disc.width() / 2.0;
    const QRectF edges(rect);
    for (const QPointF corner : {edges.topLeft(), edges.topRight(), edges.bottomLeft(), edges.bottomRight()}) {
        if (std::hypot(corner.x() - centre.x(), corner.y() - centre.y()) > radius)
            return false;
    }
    return true;
}

QString withoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

TEST(UnionGrid, LongNamesWrapInsideTheirDiscAndTheTileIsReadWhole)
{
    const QStringList names = {QStringLiteral("orvane_kvi_SN0001"), QStringLiteral("Lobby fan left 02"),
                               QStringLiteral("大厅左侧全息风扇一号"),
                               QStringLiteral("orvane_kvi_SN0001_second_floor_corridor_west_wing")};
    UnionGrid line(1);
    for (const QString &name : names)
        line[0].push_back(masterFan(name, QStringLiteral("192.168.1.40")));
    for (const char *code : {"en", "zh-Hans"}) {
        orvane::language::setLanguage(QString::fromLatin1(code));
        UnionContainer grid(1, names.size(), 100, false, true, true, line);
        ASSERT_EQ(grid.items().size(), names.size());
        for (int c = 0; c < names.size(); ++c) {
            UnionDeviceItemView *tile = grid.items().at(c);
            const QLabel *label = tile->nameLabel();
            const QStringList lines = tile->nameLines();
            ASSERT_FALSE(lines.isEmpty()) << c;
            const QFontMetrics metrics(label->font());
            for (const QString &shown : lines)
                EXPECT_LE(metrics.horizontalAdvance(shown), label->width()) << shown.toStdString();
            EXPECT_TRUE(insideCircle(label->geometry(), tile->rect())) << c;
            EXPECT_FALSE(label->geometry().intersects(tile->masterLabel()->geometry())) << c;
            EXPECT_FALSE(label->geometry().intersects(tile->settingBtn()->geometry())) << c;
            EXPECT_EQ(label->text(), names.at(c));
            const QString drawn = withoutBlanks(lines.join(QString()));
            if (c < names.size() - 1) {
                EXPECT_EQ(drawn, withoutBlanks(names.at(c))) << "every character shows";
                EXPECT_EQ(tile->toolTip(), QStringLiteral(" 1-%1 192.168.1.40").arg(c + 1));
            } else {
                // Too long for the disc: cut with an ellipsis, and whole in the tool tip.
                ASSERT_TRUE(drawn.endsWith(QChar(0x2026)));
                EXPECT_TRUE(withoutBlanks(names.at(c)).startsWith(drawn.chopped(1)));
                EXPECT_TRUE(tile->toolTip().startsWith(names.at(c) + QLatin1Char('\n')));
            }
            const QString place = QString::fromLatin1(code) == QLatin1String("en")
                ? QStringLiteral("%1, row 1, column %2").arg(names.at(c)).arg(c + 1)
                : QStringLiteral("%1，第 1 行，第 %2 列").arg(names.at(c)).arg(c + 1);
            EXPECT_EQ(QAccessible::queryAccessibleInterface(tile)->text(QAccessible::Name), place);
            EXPECT_EQ(tile->bottomBtn()->accessibleName(), place);
        }
        QWidget frame;
        frame.resize(grid.width() + 20, grid.height() + 20);
        qxkit::setBgColor(&frame, qxkit::globalDark());
        grid.setParent(&frame);
        grid.move(10, 10);
        frame.show();
        orvane::test::grabScreenshot(&frame, QStringLiteral("union-grid-long-names-%1").arg(QLatin1String(code)));
        grid.setParent(nullptr);
    }
    orvane::language::setLanguage(std::nullopt);
}

TEST(UnionCells, DeviceCellHighlightFollowsSelectionAndHover)
{
    UnionDeviceCell cell;
    cell.configure(QStringLiteral("FAN-A"), QStringLiteral("192.168.1.20"));
    EXPECT_EQ(cell.toolTip(), QStringLiteral("192.168.1.20"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&cell);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::ListItem);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("FAN-A"));

    QWidget *cover = cell.coverView();
    cell.setIsSelected(true);
    EXPECT_TRUE(accessible->state().selected);
    EXPECT_FALSE(cover->isHidden());
    // The pointer leaves a selected row: the highlight stays; a row not selected loses it.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&cell, &leave);
    EXPECT_FALSE(cover->isHidden());
    cell.setIsSelected(false);
    EXPECT_TRUE(cover->isHidden());
    cell.setIsSelected(true);
    cell.prepareForReuse();
    EXPECT_TRUE(cover->isHidden());
    EXPECT_TRUE(cell.isSelected()) << "the owner sets the selection of a reused row";

    int activations = 0;
    QObject::connect(&cell, &UnionDeviceCell::activated, [&] { ++activations; });
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(activations, 1);
}

TEST(UnionCells, OperationItemOutlinesOnlyAnEnabledOutlinedButton)
{
    int clicks = 0;
    UnionOperationItem disabled;
    disabled.configure(QStringLiteral("Back"), true, false, true, [&] { ++clicks; });
    EXPECT_FALSE(disabled.titleBtn()->isEnabled());
    EXPECT_EQ(qxkit::borderWidth(disabled.titleBtn()), 0);
    EXPECT_TRUE(disabled.separator()->isHidden());

    UnionOperationItem outlined;
    outlined.configure(QStringLiteral("Back"), true, true, false, [&] { ++clicks; });
    EXPECT_EQ(qxkit::borderWidth(outlined.titleBtn()), 1.0);
    EXPECT_EQ(qxkit::borderColor(outlined.titleBtn()), QColor(Qt::lightGray));
    EXPECT_FALSE(outlined.separator()->isHidden());
    EXPECT_EQ(outlined.titleBtn()->text(), QStringLiteral("Back"));
    outlined.titleBtn()->click();
    EXPECT_EQ(clicks, 1);

    UnionOperationItem bare;
    bare.configure(QStringLiteral("Mask"), false, true, true, {});
    bare.performClick();
    EXPECT_EQ(clicks, 1);
}

} // namespace
