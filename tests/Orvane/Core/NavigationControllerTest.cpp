#include "Core/NSNavigationController.h"

#include "EventLoop.h"

#include <QCoreApplication>
#include <QPointer>

#include <gtest/gtest.h>

using orvane::navigationController;
using orvane::previewsVC;
using orvane::test::waitUntil;

namespace {

// Released screens go through deleteLater, which a bare processEvents() does not run.
bool released(const QPointer<QWidget> &widget)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return widget.isNull();
}

QWidget *screen(const char *name)
{
    auto *widget = new QWidget;
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TEST(NavigationController, PushSlidesTheNewScreenOnTopAndLinksItToItsContainer)
{
    QWidget *a = screen("A");
    NSNavigationController navi(a);
    navi.resize(400, 300);
    navi.show();
    EXPECT_EQ(navi.rootViewController(), a);
    EXPECT_EQ(navigationController(a), &navi);
    EXPECT_EQ(previewsVC(a), nullptr);

    QWidget *b = screen("B");
    navi.pushViewController(b, true);
    EXPECT_TRUE(navi.isTransitioning());
    // Until the slide ends the screen being left is still the top one.
    EXPECT_EQ(navi.topViewController(), a);
    EXPECT_GT(b->x(), 0) << "the new screen comes in from the right";
    ASSERT_TRUE(waitUntil([&] { return !navi.isTransitioning(); }, 3000));
    EXPECT_EQ(navi.topViewController(), b);
    EXPECT_EQ(navi.viewControllers(), (QList<QWidget *>{a, b}));
    EXPECT_EQ(navigationController(b), &navi);
    EXPECT_EQ(previewsVC(b), a);
    EXPECT_EQ(previewsVC(a), nullptr);
    EXPECT_EQ(b->geometry(), navi.rect());
    EXPECT_FALSE(a->isVisible());
}

TEST(NavigationController, PopRemovesTheTopScreenAndStopsAtTheRoot)
{
    QWidget *a = screen("A");
    NSNavigationController navi(a);
    QPointer<QWidget> b = screen("B");
    navi.pushViewController(b, false);
    EXPECT_EQ(navi.topViewController(), b);

    EXPECT_EQ(navi.popViewControllerAnimated(false), a);
    EXPECT_EQ(navi.viewControllers(), QList<QWidget *>{a});
    EXPECT_EQ(navi.topViewController(), a);
    EXPECT_TRUE(waitUntil([&] { return released(b); }, 1000)) << "a popped screen is released";

    EXPECT_EQ(navi.popViewControllerAnimated(true), nullptr);
    EXPECT_FALSE(navi.isTransitioning());
    EXPECT_EQ(navi.viewControllers(), QList<QWidget *>{a});
    EXPECT_EQ(previewsVC(nullptr), nullptr);
}

TEST(NavigationController, PopToRootReturnsTheScreensAboveAndIsANoOpOnTheRootAlone)
{
    QWidget *a = screen("A");
    NSNavigationController navi(a);
    navi.resize(300, 200);
    navi.show();
    EXPECT_TRUE(navi.popToRootViewControllerAnimated(true).isEmpty());
    EXPECT_FALSE(navi.isTransitioning());

    QWidget *b = screen("B");
    QWidget *c = screen("C");
    QWidget *d = screen("D");
    for (QWidget *w : {b, c, d})
        navi.pushViewController(w, false);
    EXPECT_EQ(previewsVC(d), c);
    QPointer<QWidget> watchD(d);

    EXPECT_EQ(navi.popToRootViewControllerAnimated(true), (QList<QWidget *>{b, c, d}));
    ASSERT_TRUE(waitUntil([&] { return !navi.isTransitioning(); }, 3000));
    EXPECT_EQ(navi.viewControllers(), QList<QWidget *>{a});
    EXPECT_EQ(navi.topViewController(), a);
    EXPECT_TRUE(a->isVisible());
    EXPECT_TRUE(waitUntil([&] { return released(watchD); }, 1000));
}

TEST(NavigationController, APushOrPopDuringASlideFinishesThatSlideFirst)
{
    QWidget *a = screen("A");
    NSNavigationController navi(a);
    navi.resize(300, 200);
    navi.show();
    QWidget *b = screen("B");
    QWidget *c = screen("C");
    navi.pushViewController(b, true);
    navi.pushViewController(c, true);
    EXPECT_EQ(navi.topViewController(), b);
    EXPECT_EQ(previewsVC(c), b);
    ASSERT_TRUE(waitUntil([&] { return !navi.isTransitioning(); }, 3000));
    EXPECT_EQ(navi.topViewController(), c);
    EXPECT_FALSE(b->isVisible());

    QWidget *d = screen("D");
    navi.pushViewController(d, true);
    EXPECT_EQ(navi.popViewControllerAnimated(true), d);
    ASSERT_TRUE(waitUntil([&] { return !navi.isTransitioning(); }, 3000));
    EXPECT_EQ(navi.topViewController(), c);
    EXPECT_EQ(navi.viewControllers(), (QList<QWidget *>{a, b, c}));
}

TEST(NavigationController, MinimumSizeGrowsTheWindowAroundItsCentreAndMostlyUpwards)
{
    QWidget window;
    window.setGeometry(300, 400, 600, 400);
    auto *navi = new NSNavigationController(screen("A"), &window);
    navi->setMinimunSize(QSizeF(800, 600));
    navi->setMaximunSize(QSizeF(1600, 1000));
    window.show();
    EXPECT_EQ(window.geometry(), QRect(200, 150, 800, 600));
    EXPECT_EQ(window.minimumSize(), QSize(800, 600));
    EXPECT_EQ(window.maximumSize(), QSize(1600, 1000));
}

TEST(NavigationController, WithoutSizesTheWindowIsLeftAloneAndScreensFillTheContainer)
{
    QWidget window;
    window.setGeometry(300, 400, 600, 400);
    QWidget *a = screen("A");
    auto *navi = new NSNavigationController(a, &window);
    window.show();
    EXPECT_EQ(window.geometry(), QRect(300, 400, 600, 400));
    navi->resize(500, 350);
    EXPECT_EQ(a->geometry(), QRect(0, 0, 500, 350));
}
