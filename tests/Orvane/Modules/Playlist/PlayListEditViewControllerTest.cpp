// The play-list editor against a fan model: the name check, save, rename, copy, clear and the
// ways rows move.
#include "StoredListsFixture.h"

#include "Modules/Playlist/PlayListCell.h"
#include "Modules/Playlist/PlayListEditViewController.h"
#include "Modules/Playlist/MultyListViewController.h"
#include "QXButton.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

namespace {

using namespace orvane::test;

QList<QXQFileInfoRef> entries(const QStringList &names)
{
    QList<QXQFileInfoRef> list;
    for (const QString &name : names)
        list.append(std::make_shared<QXQFileInfo>(name, QStringLiteral("1.0M"), QStringLiteral("1")));
    return list;
}

class EditorTest : public StoredListsFixture
{
protected:
    // The editor on a container, above a list of lists as it is opened in use.
    PlayListEditViewController *open(const QVariantMap &data)
    {
        root = showRoot(new MultyListViewController);
        editor = new PlayListEditViewController;
        navigation->pushViewController(editor, false);
        editor->configData(data);
        return editor;
    }

    QStringList rowNames() const { return fileNames(editor->list()); }

    bool closed() const { return top<MultyListViewController>() == root; }

    MultyListViewController *root = nullptr;
    PlayListEditViewController *editor = nullptr;
};

struct NameCase {
    const char *field;
    bool isAdd;
    const char *origin; // "" for none
    const char *saved;  // "" when nothing is uploaded
    const char *alert;  // "" for no alert
};

class EditorNameTest : public EditorTest, public ::testing::WithParamInterface<NameCase>
{
};

TEST_P(EditorNameTest, SavesUnderACheckedName)
{
    const NameCase c = GetParam();
    QVariantMap data{{QStringLiteral("isAdd"), c.isAdd},
                     {QStringLiteral("existingNames"), QStringList{"Morning.txt", "playlist.txt"}},
                     {QStringLiteral("list"), QVariant::fromValue(entries({"a.mp4"}))}};
    if (*c.origin)
        data.insert(QStringLiteral("name"), QString::fromUtf8(c.origin));
    open(data);
    editor->nameField()->setText(QString::fromUtf8(c.field));
    editor->saveBtn()->click();
    if (*c.saved) {
        ASSERT_TRUE(waitUntil([&] { return model.playList(c.saved).has_value(); }));
        EXPECT_EQ(*model.playList(c.saved), QByteArray("a.mp4,1.0M,1,\r\n"));
        ASSERT_TRUE(waitUntil([&] { return closed(); }));
    } else {
        spinFor(150);
        EXPECT_TRUE(files.transfers().isEmpty());
        EXPECT_FALSE(closed());
    }
    EXPECT_EQ(presenter.texts, *c.alert ? QStringList{text(c.alert)} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Names, EditorNameTest,
    ::testing::Values(NameCase{"Morning", true, "", "", "ov_file_name_duplicate"},
                      NameCase{"Evening", true, "", "Evening.txt", ""},
                      NameCase{"Evening.txt", true, "", "Evening.txt", ""},
                      NameCase{".txt", true, "", "", ""}, NameCase{"", true, "", "", ""},
                      NameCase{"Morning", false, "Morning.txt", "Morning.txt", ""},
                      NameCase{"my, list", true, "", "", "ov_path_nospace_tip"},
                      NameCase{"a(b)", true, "", "", "ov_spec_chars_tip"},
                      NameCase{"a#b", true, "", "", "ov_spec_chars_tip"},
                      NameCase{"a\nb", true, "", "", "ov_spec_chars_tip"}));

TEST_F(EditorTest, RenamingDeletesTheOldListAfterTheUpload)
{
    model.setPlayLists({{"playlist.txt", ""}, {"a.txt", ""}, {"old.txt", "b.mp4,2.0M,2,\r\n"}});
    open({{QStringLiteral("isAdd"), false},
          {QStringLiteral("name"), QStringLiteral("old.txt")},
          {QStringLiteral("existingNames"), QStringList{"playlist.txt", "a.txt", "old.txt"}},
          {QStringLiteral("index"), 2}});
    ASSERT_TRUE(waitUntil([&] { return editor->list().size() == 1; }));
    editor->nameField()->setText(QStringLiteral("new"));
    editor->saveBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return valuesOf(53) == QList<int>{2}; }));
    ASSERT_TRUE(waitUntil([&] { return model.playListNames().size() == 3; }));
    EXPECT_EQ(model.playListNames(), (QList<QByteArray>{"playlist.txt", "a.txt", "new.txt"}));
    EXPECT_EQ(*model.playList("new.txt"), QByteArray("b.mp4,2.0M,2,\r\n"));
    ASSERT_TRUE(waitUntil([&] { return closed(); }));
}

TEST_F(EditorTest, SavingUnderTheSameNameSendsNothingMore)
{
    model.setPlayLists({{"playlist.txt", ""}, {"old.txt", "b.mp4,2.0M,2,\r\n"}});
    open({{QStringLiteral("isAdd"), false},
          {QStringLiteral("name"), QStringLiteral("old.txt")},
          {QStringLiteral("existingNames"), QStringList{"playlist.txt", "old.txt"}},
          {QStringLiteral("index"), 1}});
    ASSERT_TRUE(waitUntil([&] { return editor->list().size() == 1; }));
    // The last row deleted: an empty list is stored.
    editor->cellAt(0)->btnDeleteItem()->click();
    ASSERT_TRUE(waitUntil([&] { return editor->list().isEmpty(); }));
    editor->saveBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return closed(); }));
    EXPECT_EQ(*model.playList("old.txt"), QByteArray());
    EXPECT_TRUE(valuesOf(53).isEmpty());
}

TEST_F(EditorTest, CopyStoresTheRowsUnderAnAskedName)
{
    open({{QStringLiteral("isAdd"), false},
          {QStringLiteral("name"), QStringLiteral("old.txt")},
          {QStringLiteral("existingNames"), QStringList{"old.txt", "Taken.txt"}},
          {QStringLiteral("list"), QVariant::fromValue(entries({"a.mp4", "b.mp4"}))}});
    EXPECT_FALSE(editor->copyBtn()->isHidden());
    presenter.answerNext(press("cancelBtn"));
    editor->copyBtn()->click();
    presenter.answerNext(typeAndPress(QStringLiteral("Taken"), "confirmBtn", "valueText"));
    editor->copyBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.size() == 3; }));
    EXPECT_EQ(presenter.texts.last(), text("ov_file_name_duplicate"));

    presenter.answerNext(typeAndPress(QStringLiteral("Copy1"), "confirmBtn", "valueText"));
    editor->copyBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return closed(); }));
    EXPECT_EQ(*model.playList("Copy1.txt"), QByteArray("a.mp4,1.0M,1,\r\nb.mp4,1.0M,1,\r\n"));
    EXPECT_TRUE(valuesOf(53).isEmpty());
    EXPECT_EQ(files.transfers().size(), 1);
}

TEST_F(EditorTest, AFailedUploadKeepsTheEditorOpen)
{
    open({{QStringLiteral("list"), QVariant::fromValue(entries({"a.mp4"}))}});
    manager().fileSocket()->setPort(1);
    editor->nameField()->setText(QStringLiteral("Evening"));
    editor->saveBtn()->click();
    ASSERT_TRUE(waitUntil([&] { return presenter.texts.contains(text("ov_add_file_fail")); }, 10000));
    spinFor(300);
    EXPECT_FALSE(closed());
}

TEST_F(EditorTest, RowsMoveChangeAndClear)
{
    open({{QStringLiteral("list"), QVariant::fromValue(entries({"a.mp4", "b.mp4", "c.mp4"}))}});
    editor->cellAt(0)->btnDownItem()->click();
    ASSERT_TRUE(waitUntil([&] { return rowNames() == QStringList{"b.mp4", "a.mp4", "c.mp4"}; }));
    editor->cellAt(0)->btnUpItem()->click();
    spinFor(50);
    EXPECT_EQ(rowNames(), (QStringList{"b.mp4", "a.mp4", "c.mp4"}));

    // A dragged row lands above the row it is dropped on.
    EXPECT_TRUE(editor->listTable()->acceptDrop(RowColumnView::writeRow(0), 3));
    EXPECT_EQ(rowNames(), (QStringList{"a.mp4", "c.mp4", "b.mp4"}));
    EXPECT_TRUE(editor->listTable()->acceptDrop(RowColumnView::writeRow(2), 0));
    EXPECT_EQ(rowNames(), (QStringList{"b.mp4", "a.mp4", "c.mp4"}));
    EXPECT_FALSE(editor->listTable()->acceptDrop("7", 0));
    EXPECT_FALSE(editor->listTable()->acceptDrop("x", 0));
    EXPECT_EQ(editor->listTable()->dropRowAt(QPoint(5, 80)), 1);

    editor->cellAt(2)->stepper()->setValue(5);
    ASSERT_EQ(editor->list().size(), 3);
    EXPECT_EQ(editor->list().at(2)->fileTimes(), QStringLiteral("5"));

    presenter.answerNext(press("btnCancel"));
    editor->clearBtn()->click();
    EXPECT_EQ(editor->list().size(), 3);
    presenter.answerNext(press("btnOK"));
    editor->clearBtn()->click();
    EXPECT_TRUE(editor->list().isEmpty());
    EXPECT_TRUE(fan.frames().isEmpty() || valuesOf(5).isEmpty());
}

TEST_F(EditorTest, ConfigurationKeysOfTheWrongTypeAreSkipped)
{
    open({{QStringLiteral("isAdd"), QStringLiteral("no")},
          {QStringLiteral("name"), 5},
          {QStringLiteral("list"), QStringList{"a.mp4"}},
          {QStringLiteral("appendList"), QVariant::fromValue(entries({"z.mp4"}))}});
    EXPECT_TRUE(editor->isAdd());
    EXPECT_FALSE(editor->originName().has_value());
    EXPECT_EQ(rowNames(), QStringList{"z.mp4"});
    editor->configData({{QStringLiteral("appendList"), QVariant::fromValue(entries({"y.mp4"}))}});
    EXPECT_EQ(rowNames(), (QStringList{"z.mp4", "y.mp4"}));
    // Back leaves at once, without saving.
    editor->backBtn()->click();
    EXPECT_TRUE(closed());
    EXPECT_TRUE(files.transfers().isEmpty());
}

} // namespace
