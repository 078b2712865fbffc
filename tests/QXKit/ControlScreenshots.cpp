// Pictures of each control as the offscreen platform draws it, to look at: written when
// ORVANE_SCREENSHOT_DIR names a folder; otherwise the test only checks that each draws something.
#include "CollectionContainerView.h"
#include "ITSwitch.h"
#include "LinearCollectionLayout.h"
#include "QXDashboard.h"
#include "TimerView.h"

#include "Screenshots.h"

#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Cards : CollectionDataSource, LinearCollectionLayoutDelegate
{
    int numberOfItemsInSection(int) override { return 5; }
    QWidget *itemForIndexPath(const CollectionIndexPath &indexPath) override
    {
        auto *card = new QLabel(QStringLiteral("Item %1").arg(indexPath.item));
        card->setAlignment(Qt::AlignCenter);
        card->setStyleSheet(QStringLiteral("background-color: #2B2D39; color: #CFD0D2;"));
        return card;
    }
    QSizeF sizeForItem(CollectionView *, const LinearCollectionLayout *, const CollectionIndexPath &indexPath) override
    {
        return QSizeF(0, 60 + 30 * (indexPath.item % 3));
    }
};

// On the settings screen's background.
std::unique_ptr<QWidget> panel(QWidget *content, const QSize &size)
{
    auto window = std::make_unique<QWidget>();
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(0x1B, 0x1D, 0x28));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    auto *column = new QVBoxLayout(window.get());
    column->addWidget(content);
    window->resize(size);
    return window;
}

TEST(ControlScreenshots, EachControlDrawsItself)
{
    auto *switches = new QWidget;
    auto *switchColumn = new QVBoxLayout(switches);
    auto *off = new ITSwitch;
    auto *on = new ITSwitch;
    auto *disabled = new ITSwitch;
    on->setChecked(true);
    disabled->setChecked(true);
    disabled->setEnabled(false);
    for (ITSwitch *toggle : {off, on, disabled})
        switchColumn->addWidget(toggle);

    auto *time = new TimerView;
    time->setTimerWithString(QStringLiteral("08:30:15"));
    time->setFixedSize(200, 36);

    QXDashboardConfig config;
    config.pointerColor = QColor(0x00, 0x81, 0xFD);
    auto *dial = new QXDashboard(config);
    dial->setFixedSize(240, 240);
    dial->setValue(45);

    Cards cards;
    auto *collection = new CollectionContainerView;
    auto *layout = new LinearCollectionLayout(180);
    layout->setSectionInsets(QMarginsF(10, 10, 0, 10));
    collection->setCollectionViewLayout(layout);
    collection->setDataSource(&cards);
    collection->setDelegate(&cards);
    collection->reloadData();

    const std::vector<std::pair<QString, std::unique_ptr<QWidget>>> pictures = [&] {
        std::vector<std::pair<QString, std::unique_ptr<QWidget>>> all;
        all.emplace_back(QStringLiteral("switches"), panel(switches, QSize(80, 140)));
        all.emplace_back(QStringLiteral("time-entry"), panel(time, QSize(230, 60)));
        all.emplace_back(QStringLiteral("dial"), panel(dial, QSize(260, 260)));
        all.emplace_back(QStringLiteral("linear-collection"), panel(collection, QSize(420, 340)));
        return all;
    }();
    for (const auto &[name, window] : pictures) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    on->setFocus();
    QTest::qWait(600); // the pointer's turn and the switches' slides

    for (const auto &[name, window] : pictures) {
        const QImage image = window->grab().toImage();
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y) {
            for (int x = 0; x < image.width() && !drawn; ++x)
                drawn = image.pixel(x, y) != image.pixel(0, 0);
        }
        EXPECT_TRUE(drawn) << name.toStdString();
        orvane::test::saveScreenshot(image, name);
    }
}

} // namespace
