// The union editor and its master picker: a stored union opened into the fields and the grid,
// placing and moving fans, saving with a master, new unions, refused counts and names, cancel,
// a failed store, and the picker's answers.
#include "AccessibilityEvents.h"
#include "ComboBoxDropDownWindow.h"
#include "ComboBoxView.h"
#include "Dialog.h"
#include "FocusMark.h"
#include "Modules/Union/UnionContainer.h"
#include "Modules/Union/UnionData.h"
#include "Modules/Union/UnionDeviceCell.h"
#include "Modules/Union/UnionDeviceItemView.h"
#include "Modules/Union/UnionEditViewController.h"
#include "NetworkingDevice.h"
#include "PopoverSupport.h"
#include "QXLocalized.h"
#include "QXUdpSocket.h"
#include "QXUserDefaults.h"
#include "Screenshots.h"
#include "UnionScreenSupport.h"
#include "Widget/Dialog/ComboBoxDialogController.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using orvane::test::AnsweringPresenter;
using orvane::test::press;
using orvane::test::spinFor;
using orvane::test::storedBytes;
using orvane::test::waitUntil;
using orvane::test::writeStore;

// 2 x 3, top flag on, master FAN-B; stored second, after a 1 x 1 union.
const QByteArray kStored = "first,1,1,0\nF,10.0.0.1\n"
                           "hall,2,3,1,FAN-B\nFAN-A,192.168.1.20#FAN-B,192.168.1.21#,\n,#,#FAN-F,192.168.1.25";

// Far wider than the list of found fans.
const QString kLongName = QStringLiteral("FAN-IN-THE-NORTH-WINDOW-OF-THE-GREAT-HALL-ABOVE-THE-MAIN-ENTRANCE");

// Picks the entry in the picker, then confirms.
AnsweringPresenter::Answer pickMaster(int entry)
{
    return [entry](QDialog *dialog) {
        auto *picker = dialog->findChild<ComboBoxDialogController *>();
        ASSERT_NE(picker, nullptr);
        picker->comboBox()->setStringOfIndex(quint64(entry));
        AnsweringPresenter::press(dialog, QStringLiteral("confirmBtn"));
    };
}

class UnionEditorTest : public orvane::test::UnionScreenTest
{
protected:
    void SetUp() override
    {
        UnionScreenTest::SetUp();
        // What the last search anywhere in the program found, as the discovery socket keeps it.
        QXUserDefaults::standardUserDefaults().setObject(
            QVariantList{QVariantMap{{"name", "FAN-A"}, {"ip", "192.168.1.40"}},
                         QVariantMap{{"name", "FAN-C"}, {"ip", "192.168.1.42"}},
                         QVariantMap{{"name", kLongName}, {"ip", "192.168.1.44"}}},
            QLatin1String(QXUdpSocket::resultsKey));
        // Never searched: its results come from the stored list above.
        socket = std::make_unique<QXUdpSocket>(QStringLiteral("239.255.255.250"), 0, 0);
    }

    // Opens the editor for the stored union at `index` (none: a new union) on top of a root screen.
    void open(std::optional<int> index)
    {
        if (index)
            edited = UnionDataUtil::fetchLocalDataList(UnionDataUtil::localURL()).at(std::size_t(*index));
        showRoot(new QWidget);
        editor = new UnionEditViewController(edited, [this](const std::shared_ptr<UnionData> &record) {
            saved << record;
        }, socket.get());
        navigation->pushViewController(editor, false);
        spinFor(20);
    }

    UnionDeviceItemView *tile(int r, int c) const { return orvane::test::tileAt(*editor->container(), r, c); }

    void setCount(QLineEdit *field, const QString &text)
    {
        field->setText(text);
        emit field->editingFinished();
    }

    // Saves, answering the picker, and waits for the queued store.
    void save(const AnsweringPresenter::Answer &answer)
    {
        presenter.answerNext(answer);
        editor->saveBtn()->click();
        spinFor(30);
    }

    std::unique_ptr<QXUdpSocket> socket;
    std::shared_ptr<UnionData> edited;
    UnionEditViewController *editor = nullptr;
    QList<std::shared_ptr<UnionData>> saved;
};

TEST_F(UnionEditorTest, AStoredUnionFillsTheFieldsAndTheGrid)
{
    writeStore(kStored);
    open(1);
    EXPECT_EQ(editor->nameTF()->text(), QStringLiteral("hall"));
    EXPECT_EQ(editor->rowTF()->text(), QStringLiteral("2"));
    EXPECT_EQ(editor->colomnTF()->text(), QStringLiteral("3"));
    EXPECT_TRUE(editor->reverseCheckBox()->isChecked());
    EXPECT_TRUE(editor->container()->isReversed());
    EXPECT_EQ(editor->container()->size(), QSize(280, 190));
    EXPECT_EQ(tile(0, 1)->nameLabel()->text(), QStringLiteral("FAN-B"));
    EXPECT_FALSE(tile(0, 1)->masterLabel()->isHidden());
    EXPECT_TRUE(tile(0, 0)->masterLabel()->isHidden());
    EXPECT_EQ(tile(1, 2)->toolTip(), QStringLiteral(" 2-3 192.168.1.25"));
    // The grid holds fans of its own: the union shown elsewhere is not edited in place.
    EXPECT_NE(editor->container()->devices().at(0).at(1), edited->devices().at(0).at(1));
    EXPECT_FALSE(orvane::test::grabScreenshot(navigation.get(), QStringLiteral("union-editor")).isNull());
}

TEST_F(UnionEditorTest, FoundFansAreListedBeforeAnySearch)
{
    open(std::nullopt);
    ASSERT_EQ(editor->searchedDevices().size(), 3);
    EXPECT_EQ(editor->cell(1)->nameLabel()->text(), QStringLiteral("FAN-C"));
    EXPECT_EQ(editor->cell(1)->toolTip(), QStringLiteral("192.168.1.42"));
    // A name wider than the list is cut inside its row, and read whole in the tool tip and by a
    // screen reader.
    UnionDeviceCell *longCell = editor->cell(2);
    const QLabel *longLabel = longCell->nameLabel();
    EXPECT_TRUE(longLabel->text().endsWith(u'…')) << longLabel->text().toStdString();
    EXPECT_LE(longLabel->fontMetrics().horizontalAdvance(longLabel->text()), longLabel->width());
    EXPECT_EQ(longCell->toolTip(), kLongName + QStringLiteral("\n192.168.1.44"));
    EXPECT_EQ(longCell->accessibleName(), kLongName);
    EXPECT_EQ(longCell->sizeHint().width(), editor->cell(1)->sizeHint().width()) << "nor asks for a wider list";
    const QString cut = longLabel->text();
    longCell->resize(longCell->width() / 2, longCell->height());
    EXPECT_LT(longLabel->text().size(), cut.size()) << "a narrower row cuts the name again";
    EXPECT_EQ(editor->nameTF()->accessibleName(), editor->findChild<QLabel *>()->text());
    EXPECT_EQ(editor->container()->items().size(), 4) << "a new union starts as 2 x 2";
}

TEST_F(UnionEditorTest, SelectingAFanThenASlotPlacesAndMovesIt)
{
    writeStore(kStored);
    open(1);
    ASSERT_EQ(editor->searchedDevices().size(), 3);
    const auto fanC = editor->searchedDevices().at(1);
    emit editor->cell(1)->activated();
    EXPECT_TRUE(editor->cell(1)->isSelected());
    tile(1, 0)->bottomBtn()->click();
    EXPECT_EQ(editor->container()->devices().at(1).at(0), fanC);
    EXPECT_EQ(editor->selectedRow(), -1);
    spinFor(10);
    EXPECT_FALSE(editor->cell(1)->isSelected());

    emit editor->cell(1)->activated();
    tile(1, 1)->bottomBtn()->click();
    EXPECT_EQ(editor->container()->devices().at(1).at(0), nullptr);
    EXPECT_EQ(editor->container()->devices().at(1).at(1), fanC);

    // With nothing selected a listed fan's slot selects its row; a stored fan's selects nothing.
    tile(1, 1)->bottomBtn()->click();
    EXPECT_EQ(editor->selectedRow(), 1);
    editor->unionContainerDidClick(editor->container(), tile(1, 1));
    EXPECT_EQ(editor->container()->devices().at(1).at(1), fanC) << "placing it on its own slot keeps it";
    tile(0, 0)->bottomBtn()->click();
    EXPECT_EQ(editor->selectedRow(), -1);
}

// By keys: the fan chosen in the list, Space on an empty slot puts it there, and the slot, which
// keeps the focus, is heard with its new name.
TEST_F(UnionEditorTest, AFanPutIntoASlotIsHeardOnTheSlot)
{
    orvane::test::AccessibilityEvents heard;
    open(std::nullopt);
    navigation->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(navigation.get()));
    editor->cell(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(editor->cell(1), Qt::Key_Space);
    ASSERT_TRUE(editor->cell(1)->isSelected());
    QPushButton *slot = tile(0, 1)->bottomBtn();
    slot->setFocus(Qt::TabFocusReason);
    heard.clear();
    QTest::keyClick(slot, Qt::Key_Space);
    ASSERT_NE(editor->container()->devices().at(0).at(1), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), slot);
    const QString placed = qxLocalized("ov_a11y_grid_fan").arg(QStringLiteral("FAN-C"), QStringLiteral("1"),
                                                                 QStringLiteral("2"));
    // A screen reader speaks no name change (it comes without its text): the slot is named as the
    // focus again.
    EXPECT_TRUE(waitUntil([&] { return heard.lastFocus().object == slot; }));
    orvane::test::expectLastFocusOnFocusWidget(heard);
    EXPECT_EQ(heard.lastFocus().name, placed);
}

TEST_F(UnionEditorTest, SavingWithAMasterReplacesTheUnionInItsPlace)
{
    writeStore(kStored);
    open(1);
    editor->nameTF()->setText(QStringLiteral("great hall"));
    save(pickMaster(0));
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved.at(0)->index(), 1);
    EXPECT_EQ(storedBytes(), QByteArray("first,1,1,0\nF,10.0.0.1\n"
                                        "great hall,2,3,1,FAN-A\nFAN-A,192.168.1.20#FAN-B,192.168.1.21#,\n"
                                        ",#,#FAN-F,192.168.1.25"));
    const auto reread = UnionDataUtil::fetchLocalDataList(UnionDataUtil::localURL()).at(1);
    ASSERT_NE(reread->masterDevice(), nullptr);
    EXPECT_EQ(reread->masterDevice()->name(), QStringLiteral("FAN-A"));
    ASSERT_NE(reread->devices().at(0).at(1), nullptr);
    ASSERT_NE(saved.at(0)->devices().at(0).at(1), nullptr);
    ASSERT_NE(edited->devices().at(0).at(1), nullptr);
    EXPECT_FALSE(reread->devices().at(0).at(1)->isMaster());
    EXPECT_FALSE(saved.at(0)->devices().at(0).at(1)->isMaster()) << "the previous master is no longer marked";
    EXPECT_TRUE(edited->devices().at(0).at(1)->isMaster()) << "the union that was opened is left alone";
    settle();
    EXPECT_EQ(navigation->viewControllers().size(), 1);
}

TEST_F(UnionEditorTest, ANewUnionIsAppendedAndCountsTypedButNotAppliedAreKept)
{
    writeStore(kStored);
    open(std::nullopt);
    editor->nameTF()->setText(QStringLiteral("new"));
    emit editor->cell(0)->activated();
    tile(0, 1)->bottomBtn()->click();
    // Typed, never applied by the field's action: saving applies it first.
    editor->rowTF()->setText(QStringLiteral("3"));
    save(press("confirmBtn"));
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved.at(0)->index(), -1);
    EXPECT_EQ(saved.at(0)->masterDevice(), nullptr);
    const auto stored = UnionDataUtil::fetchLocalDataList(UnionDataUtil::localURL());
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored.at(2)->fileText(), QStringLiteral("new,3,2,0\n,#FAN-A,192.168.1.40\n,#,\n,#,\n"));
}

TEST_F(UnionEditorTest, CountsOutsideOneToTheLimitNeverReachTheGrid)
{
    writeStore(kStored);
    open(1);
    for (const char *typed : {"0", "-1", "abc", "", "33", "99999999999999999999"}) {
        presenter.texts.clear();
        setCount(editor->rowTF(), QString::fromLatin1(typed));
        EXPECT_EQ(editor->container()->row(), 2) << typed;
        EXPECT_EQ(editor->rowTF()->text(), QStringLiteral("2")) << typed;
        EXPECT_TRUE(presenter.texts.value(0).startsWith(qxLocalized("ov_union_size_tip"))) << typed;
    }
    setCount(editor->colomnTF(), QStringLiteral("4"));
    EXPECT_EQ(editor->container()->colomn(), 4);
    EXPECT_EQ(editor->container()->size(), QSize(370, 190));
    EXPECT_GE(editor->contentView()->width(), 380);

    // A bad count typed but not applied stops the save before the picker.
    presenter.texts.clear();
    editor->colomnTF()->setText(QStringLiteral("0"));
    editor->saveBtn()->click();
    spinFor(20);
    EXPECT_EQ(presenter.presented().size(), 7) << "six refusals and this one, no picker";
    EXPECT_EQ(storedBytes(), kStored);
}

TEST_F(UnionEditorTest, NamesTheFileCannotHoldAreRefused)
{
    open(std::nullopt);
    for (const char *name : {"a,b", "a#b", "a\nb", "a\rb"}) {
        presenter.texts.clear();
        editor->nameTF()->setText(QString::fromLatin1(name));
        editor->saveBtn()->click();
        EXPECT_EQ(presenter.texts, QStringList{qxLocalized("ov_spec_chars_tip")}) << name;
    }
    EXPECT_FALSE(QFile::exists(UnionDataUtil::localURL()));
}

TEST_F(UnionEditorTest, CancelStoresNothingAndLeavesTheUnionAlone)
{
    writeStore(kStored);
    open(1);
    const UnionGrid before = edited->devices();
    emit editor->cell(0)->activated();
    tile(1, 0)->bottomBtn()->click();
    editor->reverseCheckBox()->click();
    EXPECT_FALSE(editor->container()->isReversed());
    editor->cancelBtn()->click();
    settle();
    EXPECT_EQ(navigation->viewControllers().size(), 1);
    EXPECT_EQ(storedBytes(), kStored);
    EXPECT_EQ(edited->devices(), before);
    EXPECT_TRUE(saved.isEmpty());
}

TEST_F(UnionEditorTest, AFailedStoreSaysSoAndKeepsTheEditorOpen)
{
    // Not UTF-8: the store refuses to add to a file it cannot read back.
    writeStore("\xff\xfe");
    open(std::nullopt);
    editor->nameTF()->setText(QStringLiteral("new"));
    save(press("confirmBtn"));
    EXPECT_EQ(presenter.texts.value(1), qxLocalized("ov_add_file_fail"));
    EXPECT_TRUE(saved.isEmpty());
    EXPECT_EQ(navigation->topViewController(), editor);
    EXPECT_EQ(storedBytes(), QByteArray("\xff\xfe"));

    // Another copy of the program took the opened union out while the editor was open: the
    // union now at its place is not replaced.
    writeStore(kStored);
    open(1);
    const QByteArray changed = "first,1,1,0\nF,10.0.0.1\nmill,1,1,0\nM,10.0.0.2";
    writeStore(changed);
    presenter.texts.clear();
    save(pickMaster(0));
    EXPECT_EQ(presenter.texts.value(1), qxLocalized("ov_union_list_changed"));
    EXPECT_TRUE(saved.isEmpty());
    EXPECT_EQ(navigation->topViewController(), editor);
    EXPECT_EQ(storedBytes(), changed);
}

TEST_F(UnionEditorTest, ThePickerOffersTheGridsFansAndCanBeCancelled)
{
    writeStore(kStored);
    open(1);
    QStringList offered;
    presenter.answerNext([&](QDialog *dialog) {
        auto *picker = dialog->findChild<ComboBoxDialogController *>();
        offered = picker->contents();
        EXPECT_TRUE(picker->comboBox()->showFull());
        orvane::test::grabScreenshot(dialog, QStringLiteral("union-master-picker"));
        orvane::test::pressEscape(dialog);
    });
    editor->saveBtn()->click();
    spinFor(30);
    EXPECT_EQ(offered, (QStringList{"FAN-A", "FAN-B", "FAN-F"}));
    EXPECT_TRUE(saved.isEmpty());
    EXPECT_EQ(storedBytes(), kStored);
}

TEST_F(UnionEditorTest, TheMasterIsChosenAndTheUnionSavedFromTheKeyboardAlone)
{
    orvane::test::AccessibilityEvents heard;
    writeStore(kStored);
    open(1);
    presenter.setShowing(true);
    QPushButton *save = editor->saveBtn();
    save->setFocus(Qt::TabFocusReason);
    const auto openPicker = [&] {
        return orvane::test::openByKeyboard<ComboBoxDialogController>(
            save, navigation.get(), [](ComboBoxDialogController *picker) { return picker->comboBox(); });
    };
    ComboBoxDialogController *picker = openPicker();
    ASSERT_NE(picker, nullptr) << "the picker takes the focus";
    QAccessibleInterface *dialog = orvane::test::accessibleWindow(picker->window());
    ASSERT_NE(dialog, nullptr) << "a screen reader finds the picker";
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Name), qxLocalized("ov_master"));
    EXPECT_EQ(qxkit::focusMarkedWidget(), picker->comboBox());
    orvane::test::saveScreenshot(orvane::test::grabWithPopover(navigation.get(), picker->window()),
                                 QStringLiteral("union-editor-master-picker-open"));
    QTest::keyClick(picker->comboBox(), Qt::Key_Escape);
    EXPECT_TRUE(waitUntil([save] { return save->hasFocus(); })) << "Esc gives the focus back to Save";
    EXPECT_TRUE(saved.isEmpty());

    picker = openPicker();
    ASSERT_NE(picker, nullptr);
    ComboBoxView *box = picker->comboBox();
    const auto listHeard = [&] {
        const auto last = heard.lastFocus();
        EXPECT_EQ(last.object, box->dragWC()->dragVC()->infoTable()) << "heard on the box's list";
        return last;
    };
    // Nothing chosen yet: the list is heard as the master's list.
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(listHeard().name, qxLocalized("ov_master"));
    for (int step = 0; step < 3; ++step)
        QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->selectString(), QStringLiteral("FAN-F"));
    // Opened again, the list is heard at the chosen fan.
    QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(listHeard().name, QStringLiteral("FAN-F"));
    QTest::keyClick(box, Qt::Key_Escape);
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_TRUE(waitUntil([this] { return saved.size() == 1; })) << "Enter confirms the picker";
    ASSERT_NE(saved[0]->masterDevice(), nullptr);
    EXPECT_EQ(saved[0]->masterDevice()->name(), QStringLiteral("FAN-F"));
}

// The picker's four answers: nothing chosen, the second entry, an empty list, cancel.
TEST(ComboBoxDialogController, AnswersOnlyOnConfirmWithTheChoice)
{
    struct Case
    {
        const char *what;
        QStringList contents;
        std::optional<quint64> pick;
        bool confirm;
        QList<std::pair<qint64, std::optional<QString>>> expected;
    };
    const Case cases[] = {
        {"confirm without a pick", {"a", "b"}, std::nullopt, true, {{-1, std::nullopt}}},
        {"second entry", {"a", "b"}, 1, true, {{1, QStringLiteral("b")}}},
        {"empty list", {}, 0, true, {{-1, std::nullopt}}},
        {"cancel after a pick", {"a", "b"}, 1, false, {}},
    };
    for (const Case &c : cases) {
        QList<std::pair<qint64, std::optional<QString>>> answers;
        QWidget window;
        window.show();
        auto *picker = new ComboBoxDialogController(c.contents, [&](qint64 index, const std::optional<QString> &text) {
            answers.append({index, text});
        });
        QPointer<QDialog> popover = Modalia::Dialog::showPopover(picker, window.rect(), &window, Qt::BottomEdge,
                                                                  Modalia::PopoverBehavior::transient);
        ASSERT_TRUE(popover) << c.what;
        if (c.pick)
            picker->comboBox()->setStringOfIndex(*c.pick);
        (c.confirm ? picker->confirmButton() : picker->cancelButton())->click();
        EXPECT_EQ(answers, c.expected) << c.what;
        EXPECT_FALSE(popover->isVisible()) << c.what;
    }
}

} // namespace
