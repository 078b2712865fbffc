#include "CoverBox.h"
#include "DeviceIntroView.h"
#include "HomeMenuCell.h"
#include "PlayControlView.h"
#include "PlayListHeaderView.h"
#include "QXColor.h"
#include "QXView.h"
#include "VideoListCell.h"
#include "ViewArrayLayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

void hover(QWidget *widget, QEvent::Type type, const QPointF &at = {})
{
    if (type == QEvent::Enter) {
        QEnterEvent event(at, widget->mapToGlobal(at), widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
    } else if (type == QEvent::Leave) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(widget, &event);
    } else {
        QMouseEvent event(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

TEST(VideoListCell, ShowsTheRowAndCallsItsClosures)
{
    VideoListCell cell;
    cell.config(QStringLiteral("clip.mp4"), QStringLiteral("1.50M"), 0, true);
    EXPECT_EQ(cell.indexLabel()->text(), QStringLiteral("1"));
    EXPECT_EQ(cell.nameLabel()->text(), QStringLiteral("clip.mp4"));
    EXPECT_EQ(cell.sizeLabel()->text(), QStringLiteral("1.50M"));
    EXPECT_TRUE(cell.checkBox()->isChecked());

    // No closures: nothing happens.
    cell.checkBox()->click();
    cell.deleteButton()->click();

    int checkedIndex = -1;
    bool checkedState = false;
    int deletedIndex = -1;
    cell.config(QStringLiteral("b.mp4"), QStringLiteral("2K"), 4, false);
    cell.setItemCheckAction([&](int index, bool checked) {
        checkedIndex = index;
        checkedState = checked;
    });
    cell.setItemDeleteAction([&](int index) { deletedIndex = index; });
    cell.checkBox()->click();
    EXPECT_EQ(checkedIndex, 4);
    EXPECT_TRUE(checkedState);
    cell.deleteButton()->click();
    EXPECT_EQ(deletedIndex, 4);
}

TEST(VideoListCell, CoverMarksTheRowUnderTheMouseOnly)
{
    QWidget window;
    auto *cell = new VideoListCell(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(cell->coverView()->isHidden());
    hover(cell, QEvent::Enter);
    EXPECT_FALSE(cell->coverView()->isHidden());
    EXPECT_TRUE(qxkit::userInterfaceDisabled(cell->coverView()));
    hover(cell, QEvent::Leave);
    EXPECT_TRUE(cell->coverView()->isHidden());
    hover(cell, QEvent::Enter);
    cell->prepareForReuse();
    EXPECT_TRUE(cell->coverView()->isHidden());
}

TEST(PlayControlView, LightsTheButtonOfTheThirdUnderTheMouse)
{
    QWidget window;
    auto *control = new PlayControlView(&window);
    control->setGeometry(0, 0, 300, 40);
    window.show();

    EXPECT_EQ(control->focusButtonAt(QPointF(100, 10)), control->previousBtn());
    EXPECT_EQ(control->focusButtonAt(QPointF(150, 10)), control->playBtn());
    EXPECT_EQ(control->focusButtonAt(QPointF(250, 10)), control->nextBtn());
    EXPECT_EQ(control->focusButtonAt(QPointF(301, 10)), nullptr);

    hover(control, QEvent::MouseMove, QPointF(150, 10));
    EXPECT_EQ(control->focusView(), control->playBtn());
    EXPECT_EQ(qxkit::bgColor(control->playBtn()), qxkit::globalThemeColor());
    hover(control, QEvent::MouseMove, QPointF(250, 10));
    EXPECT_EQ(control->focusView(), control->nextBtn());
    EXPECT_FALSE(qxkit::bgColor(control->playBtn()).has_value());
    hover(control, QEvent::Leave);
    EXPECT_EQ(control->focusView(), nullptr);
    EXPECT_FALSE(qxkit::bgColor(control->nextBtn()).has_value());
}

TEST(KeyedViews, ShowTheirKeysWhenNoTranslationIsInstalled)
{
    HomeMenuCell cell;
    cell.configWithTitle(QStringLiteral("ov_playlist"));
    EXPECT_EQ(cell.titleLabel()->text(), QStringLiteral("ov_playlist"));
    EXPECT_EQ(qxkit::internationalKey(cell.titleLabel()), QStringLiteral("ov_playlist"));

    PlayListHeaderView header;
    EXPECT_EQ(header.timesLabel()->text(), QStringLiteral("ov_times"));
    DeviceIntroView intro;
    EXPECT_EQ(intro.tipLabel3()->text(), QStringLiteral("ov_help_pair_light"));
}

TEST(ViewArrayLayout, SpreadsViewsWithFixedLengthBetweenTheInsets)
{
    QWidget superview;
    superview.resize(100, 200);
    superview.show();
    QList<QWidget *> views;
    for (int i = 0; i < 3; ++i) {
        auto *view = new QWidget(&superview);
        view->setGeometry(5, 0, 50, 10);
        views.append(view);
    }
    qxkit::distribute(views, qxkit::ConstraintAxis::vertical, qxkit::ItemLength{20}, 20, 20);
    EXPECT_EQ(views.at(0)->geometry(), QRect(5, 20, 50, 20));
    // The middle view's bottom: 200 × 0.5 + (20 + 20) × 0.5 − 20 × 0.5 = 110.
    EXPECT_EQ(views.at(1)->geometry(), QRect(5, 90, 50, 20));
    EXPECT_EQ(views.at(2)->geometry(), QRect(5, 160, 50, 20));

    superview.resize(100, 400);
    EXPECT_EQ(views.at(2)->geometry().bottom() + 1, 380);
}

TEST(ViewArrayLayout, ASpreadAgainReplacesTheEarlierOneAndSurvivesAResize)
{
    QWidget superview;
    superview.resize(300, 50);
    auto *a = new QWidget(&superview);
    auto *b = new QWidget(&superview);
    superview.show();
    qxkit::distribute({a, b}, qxkit::ConstraintAxis::horizontal, qxkit::Spacing{100});
    qxkit::distribute({a, b}, qxkit::ConstraintAxis::horizontal, qxkit::Spacing{20}, 10, 10);
    superview.resize(420, 50);
    EXPECT_EQ(a->geometry().left(), 10);
    EXPECT_EQ(a->width(), 190);
    EXPECT_EQ(b->geometry().left(), 220);

    // The other axis is a spread of its own and stays.
    qxkit::distribute({a, b}, qxkit::ConstraintAxis::vertical, qxkit::ItemLength{10});
    superview.resize(500, 50);
    EXPECT_EQ(b->geometry(), QRect(260, 40, 230, 10));
}

TEST(ViewArrayLayout, EqualLengthsWithAGapAndNothingWithoutACommonSuperview)
{
    QWidget superview;
    superview.resize(320, 50);
    auto *a = new QWidget(&superview);
    auto *b = new QWidget(&superview);
    qxkit::distribute({a, b}, qxkit::ConstraintAxis::horizontal, qxkit::Spacing{20}, 10, 10);
    EXPECT_EQ(a->geometry().left(), 10);
    EXPECT_EQ(a->width(), 140);
    EXPECT_EQ(b->geometry().left(), 170);
    EXPECT_EQ(b->width(), 140);

    EXPECT_EQ(qxkit::nearestCommonSuperview({a, b}), &superview);
    EXPECT_EQ(qxkit::nearestCommonSuperview({}), nullptr);
    QWidget elsewhere;
    const QRect before = a->geometry();
    qxkit::distribute({a, &elsewhere}, qxkit::ConstraintAxis::horizontal, qxkit::Spacing{0});
    qxkit::distribute({a}, qxkit::ConstraintAxis::vertical, qxkit::Spacing{0});
    EXPECT_EQ(a->geometry(), before);
}

} // namespace
