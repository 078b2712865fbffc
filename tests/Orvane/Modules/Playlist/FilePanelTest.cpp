// The file panels: Qt's own dialogs through the presenter, answered once on every path.
#include "AnsweringPresenter.h"
#include "FilePanelAnswers.h"
#include "Widget/Panel/FilePanel.h"

#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using orvane::test::AnsweringPresenter;

TEST(FilePanelTest, OpenPanelGivesTheChosenFilesOrNothing)
{
    QTemporaryDir folder;
    const QString a = folder.filePath(QStringLiteral("a.mp4"));
    const QString b = folder.filePath(QStringLiteral("b c.mov"));
    for (const QString &path : {a, b}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QWidget window;
    AnsweringPresenter presenter;
    QList<QStringList> answers;
    const auto record = [&](const QStringList &paths) { answers.append(paths); };

    presenter.answerNext(orvane::test::chooseFiles({a, b}));
    orvane::panel::OpenOptions several;
    several.allowsMultipleSelection = true;
    orvane::panel::openPanel(&window, several, record);
    ASSERT_EQ(answers.size(), 1);
    EXPECT_EQ(answers.at(0), (QStringList{a, b}));
    auto *panel = qobject_cast<QFileDialog *>(presenter.last());
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(panel->fileMode(), QFileDialog::ExistingFiles);

    presenter.answerNext([](QDialog *dialog) { dialog->reject(); });
    orvane::panel::openPanel(&window, {}, record);
    presenter.setRefusing(true);
    orvane::panel::openPanel(&window, {}, record);
    EXPECT_EQ(answers, (QList<QStringList>{{a, b}, {}, {}}));
}

TEST(FilePanelTest, SavePanelGivesThePathOrAnEmptyOne)
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("list.txt"));
    QWidget window;
    AnsweringPresenter presenter;
    QStringList answers;
    presenter.answerNext(orvane::test::chooseSavePath(target));
    orvane::panel::SaveOptions named;
    named.fileName = QStringLiteral("x.txt");
    orvane::panel::savePanel(&window, named, [&](const QString &path) { answers.append(path); });
    presenter.setRefusing(true);
    orvane::panel::savePanel(&window, {}, [&](const QString &path) { answers.append(path); });
    EXPECT_EQ(answers, (QStringList{target, QString()}));
}

} // namespace
