#include "FilePanel.h"

#include "DialogPresenter.h"

#include <QFileDialog>
#include <QPointer>

#include <memory>

namespace orvane::panel {

namespace {

QFileDialog *makePanel(QWidget *parent, const char *name, const QString &directory, const QStringList &nameFilters)
{
    auto *panel = new QFileDialog(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setOption(QFileDialog::DontUseNativeDialog);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    if (!directory.isEmpty())
        panel->setDirectory(directory);
    if (!nameFilters.isEmpty())
        panel->setNameFilters(nameFilters);
    return panel;
}

// Shows the panel; its completion gets the chosen files once, or none.
void present(QFileDialog *panel, QWidget *parent, std::function<void(const QStringList &)> completion)
{
    auto once = std::make_shared<std::function<void(const QStringList &)>>(std::move(completion));
    const auto finish = [once](const QStringList &paths) {
        if (!*once)
            return;
        const auto completion = std::move(*once);
        *once = nullptr;
        completion(paths);
    };
    QObject::connect(panel, &QFileDialog::finished, panel, [panel, finish](int result) {
        finish(result == QDialog::Accepted ? panel->selectedFiles() : QStringList());
    });
    // A panel deleted without an answer (its window went away) counts as cancelled.
    QObject::connect(panel, &QObject::destroyed, [finish] { finish({}); });
    QWidget *over = parent ? parent->window() : Modalia::DialogPresenter::defaultParent();
    if (!Modalia::DialogPresenter::current().present(panel, over))
        delete panel;
}

} // namespace

void openPanel(QWidget *parent, const OpenOptions &options, std::function<void(const QStringList &paths)> completion)
{
    QFileDialog *panel = makePanel(parent, kOpenPanelName, options.directory, options.nameFilters);
    panel->setAcceptMode(QFileDialog::AcceptOpen);
    if (options.canChooseDirectories)
        panel->setFileMode(QFileDialog::Directory);
    else
        panel->setFileMode(options.allowsMultipleSelection ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    present(panel, parent, std::move(completion));
}

void savePanel(QWidget *parent, const SaveOptions &options, std::function<void(const QString &path)> completion)
{
    QFileDialog *panel = makePanel(parent, kSavePanelName, options.directory, options.nameFilters);
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setFileMode(QFileDialog::AnyFile);
    if (!options.fileName.isEmpty())
        panel->selectFile(options.fileName);
    present(panel, parent, [completion = std::move(completion)](const QStringList &paths) {
        completion(paths.value(0));
    });
}

} // namespace orvane::panel
