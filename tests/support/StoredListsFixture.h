#pragma once

// The fan model on the default connection, a navigation container to push screens on, and a
// converter that fails for names holding "bad".
#include "AnsweringPresenter.h"
#include "Core/NSNavigationController.h"
#include "FanScreenFixture.h"
#include "Widget/Rows/RowColumnView.h"

#include <QTest>
#include <QToolButton>

#include <memory>

namespace orvane::test {

class StoredListsFixture : public FanScreenFixture
{
protected:
    using FanScreenFixture::FanScreenFixture;

    void SetUp() override
    {
        FanScreenFixture::SetUp();
        manager().insSocket()->setReadTimeout(3);
        // The list index is written into the status, which exists once the fan has reported one.
        manager().device()->configStatusWithData(FakeFanModel::statusReply(0, 0));
    }

    void TearDown() override
    {
        navigation.reset();
        FanScreenFixture::TearDown();
    }

    bool convertible(const QString &input) override { return !input.contains(QStringLiteral("bad")); }

    // Shows the screen as the root of a navigation container.
    template <typename Screen>
    Screen *showRoot(Screen *screen)
    {
        navigation = std::make_unique<NSNavigationController>(screen);
        navigation->resize(900, 560);
        navigation->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(navigation.get()));
        return screen;
    }

    template <typename Screen>
    Screen *top() const
    {
        navigation->finishTransition();
        return qobject_cast<Screen *>(navigation->topViewController());
    }

    AnsweringPresenter presenter;
    std::unique_ptr<NSNavigationController> navigation;
};

} // namespace orvane::test
