// The union editor's search for fans over real multicast, inside the private network of
// scripts/in-test-lan.
#include "AccessibilityEvents.h"
#include "AnsweringPresenter.h"
#include "EventLoop.h"
#include "FakeFanSsdp.h"
#include "ListAccessibility.h"
#include "Modules/Union/UnionDeviceCell.h"
#include "Modules/Union/UnionEditViewController.h"
#include "NetworkingDevice.h"
#include "QXLocalized.h"
#include "QXUdpSocket.h"
#include "Widget/Rows/RowColumnView.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QUdpSocket>

#include <gtest/gtest.h>

namespace {

using orvane::test::AccessibilityEvents;
using orvane::test::AnsweringPresenter;
using orvane::test::FakeFanSsdp;
using orvane::test::spinFor;
using orvane::test::waitUntil;

class UnionEditorSearch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fan = std::make_unique<FakeFanSsdp>(QHostAddress(QStringLiteral("192.168.2.10")));
        fan->setAnswers({FakeFanSsdp::answer(QStringLiteral("192.168.2.10"), QStringLiteral("Zeta_kvi_01")),
                         FakeFanSsdp::answer(QStringLiteral("192.168.2.11"), QStringLiteral("Alpha_kvi_02"))});
        ASSERT_TRUE(fan->start());
        editor = new UnionEditViewController(nullptr, {}, &socket);
        editor->show();
    }
    void TearDown() override { delete editor.data(); }

    QStringList listed() const
    {
        QStringList names;
        for (qint64 row = 0; UnionDeviceCell *cell = editor->cell(row); ++row)
            names << cell->nameLabel()->text() + u' ' + cell->toolTip();
        return names;
    }

    // Searches by keyboard, as an operator with a screen reader does: the busy bar holds the focus
    // while the search runs, and the list has it at the end.
    void searchByKeyboard()
    {
        QApplication::setActiveWindow(editor);
        editor->searchBtn()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(editor->searchBtn(), Qt::Key_Space);
        EXPECT_EQ(QApplication::focusWidget(), editor->indicator());
        ASSERT_TRUE(waitUntil([&] { return editor->indicator()->isHidden(); }, 9000));
    }
    QString listDescription() const
    {
        return orvane::test::accessibleList(editor->table())->text(QAccessible::Description);
    }

    std::unique_ptr<FakeFanSsdp> fan;
    QXUdpSocket socket{QStringLiteral("239.255.255.250"), 1901, 1900};
    QPointer<UnionEditViewController> editor;
};

TEST_F(UnionEditorSearch, AFiveSecondSearchListsTheFansByName)
{
    editor->searchBtn()->click();
    EXPECT_TRUE(editor->searchBtn()->isHidden());
    EXPECT_FALSE(editor->indicator()->isHidden());
    spinFor(3000);
    EXPECT_FALSE(editor->indicator()->isHidden()) << "the search lasts five seconds";
    ASSERT_TRUE(waitUntil([&] { return editor->indicator()->isHidden(); }, 5000));
    spinFor(20);
    EXPECT_FALSE(editor->searchBtn()->isHidden());
    EXPECT_EQ(listed(), (QStringList{"Alpha_kvi_02 192.168.2.11", "Zeta_kvi_01 192.168.2.10"}));
}

// The end of a search is heard on the list: as an empty list that says no fan was found, or at
// its first fan.
TEST_F(UnionEditorSearch, ASearchByKeyboardEndsHeardOnTheListAtItsFirstFan)
{
    const QList<QByteArray> answers{FakeFanSsdp::answer(QStringLiteral("192.168.2.10"), QStringLiteral("Zeta_kvi_01")),
                                    FakeFanSsdp::answer(QStringLiteral("192.168.2.11"), QStringLiteral("Alpha_kvi_02"))};
    fan = std::make_unique<FakeFanSsdp>(QHostAddress(QStringLiteral("192.168.2.10")));
    ASSERT_TRUE(fan->start());
    AccessibilityEvents heard;
    searchByKeyboard();
    EXPECT_TRUE(listed().isEmpty());
    orvane::test::expectLastFocusOnFocusWidget(heard);
    EXPECT_EQ(heard.lastFocus().object, editor->table()->widget());
    EXPECT_EQ(listDescription(), qxLocalized("ov_no_device_found"));

    fan = std::make_unique<FakeFanSsdp>(QHostAddress(QStringLiteral("192.168.2.10")));
    fan->setAnswers(answers);
    ASSERT_TRUE(fan->start());
    heard.clear();
    searchByKeyboard();
    orvane::test::expectLastFocusOnFocusWidget(heard);
    EXPECT_EQ(heard.lastFocus().name, QStringLiteral("Alpha_kvi_02"));
    QAccessibleInterface *focused = QAccessible::queryAccessibleInterface(heard.lastFocus().object);
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->parent(), orvane::test::accessibleList(editor->table()));
    EXPECT_TRUE(listDescription().isEmpty());
}

// Another program holds the discovery port: the search cannot run, and the editor says so
// rather than that no fan was found.
TEST_F(UnionEditorSearch, ASearchThatCannotRunIsShownAsFailedAndListsNothing)
{
    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::AnyIPv4, socket.port(), QAbstractSocket::DontShareAddress));
    AnsweringPresenter presenter;
    searchByKeyboard();
    EXPECT_EQ(presenter.texts, QStringList{qxLocalized("ov_search_failed")});
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), editor->table()->widget());
    EXPECT_TRUE(listDescription().isEmpty()) << "a failed search is no sign that there is no fan";
    EXPECT_TRUE(fan->searches().isEmpty());
}

// Another screen's search runs: this one is refused, which is no sign that there is no fan. The
// editor asks to wait, and keeps the fans its last search found.
TEST_F(UnionEditorSearch, ASearchRefusedWhileAnotherRunsAsksToWaitAndKeepsTheList)
{
    searchByKeyboard();
    const QStringList found = listed();
    ASSERT_EQ(found.size(), 2);
    const QXUdpSocket::SearchId other =
        socket.continuesSearchWithDuration(600, nullptr, [](const QXSearchResults &, QXUdpSocket::Outcome) {});
    ASSERT_NE(other, QXUdpSocket::noSearch);
    AnsweringPresenter presenter;
    AccessibilityEvents heard;
    editor->searchBtn()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(editor->searchBtn(), Qt::Key_Space);
    // Expected, not asserted: the other search is stopped whatever this one did.
    EXPECT_TRUE(waitUntil([&] { return !presenter.texts.isEmpty(); }));
    spinFor(50);
    socket.stopSearch(other);

    EXPECT_EQ(presenter.texts, QStringList{qxLocalized("ov_wait_for_search")});
    EXPECT_EQ(listed(), found);
    EXPECT_TRUE(listDescription().isEmpty());
    EXPECT_TRUE(editor->indicator()->isHidden());
    EXPECT_EQ(heard.lastFocus().object, editor->searchBtn());
}

TEST_F(UnionEditorSearch, AnEditorGoneBeforeTheSearchEndsIsLeftAlone)
{
    editor->searchDevices();
    delete editor.data();
    // The search ends with nobody to show its results, and the socket is free again.
    ASSERT_TRUE(waitUntil([&] { return socket.status() == QXUdpSocket::Status::Ready; }, 7000));
    spinFor(50);
}

} // namespace
