#pragma once

#include "AnsweringPresenter.h"
#include "Core/NSNavigationController.h"
#include "EventLoop.h"
#include "Modules/Union/UnionContainer.h"
#include "Modules/Union/UnionDataUtil.h"
#include "UnionStoreFile.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace orvane::test {

// The grid's tile at a place; a grid without that place throws, which fails the test instead of
// crashing it.
inline UnionDeviceItemView *tileAt(const UnionContainer &grid, int row, int colomn)
{
    const QList<UnionDeviceItemView *> items = grid.items();
    const qsizetype index = qsizetype(row) * grid.colomn() + colomn;
    if (row < 0 || colomn < 0 || colomn >= grid.colomn() || index >= items.size())
        throw std::out_of_range("the grid has no tile at that place");
    return items.at(index);
}

// A union screen on a shown navigation container, with every dialog answered by the presenter,
// over an empty store file.
class UnionScreenTest : public ::testing::Test
{
protected:
    void SetUp() override { QFile::remove(UnionDataUtil::localURL()); }

    // Shows the screen as the container's root and lets the first layout run.
    void showRoot(QWidget *screen)
    {
        navigation = std::make_unique<NSNavigationController>(screen);
        navigation->resize(900, 560);
        navigation->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(navigation.get()));
        spinFor(20);
    }

    // Waits for the running push or pop to end.
    void settle()
    {
        navigation->finishTransition();
        spinFor(20);
    }

    AnsweringPresenter presenter;
    std::unique_ptr<NSNavigationController> navigation;
};

} // namespace orvane::test
