#pragma once

#include "AnsweringPresenter.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

namespace orvane::test {

// Answers an open panel with these files (all in one folder), as the operator picks them.
inline AnsweringPresenter::Answer chooseFiles(const QStringList &paths)
{
    return [paths](QDialog *dialog) {
        auto *panel = qobject_cast<QFileDialog *>(dialog);
        if (!panel || paths.isEmpty())
            return;
        panel->setDirectory(QFileInfo(paths.first()).absolutePath());
        QStringList names;
        for (const QString &path : paths)
            names.append(QLatin1Char('"') + QFileInfo(path).fileName() + QLatin1Char('"'));
        if (auto *field = panel->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            field->setText(paths.size() == 1 ? QFileInfo(paths.first()).fileName() : names.join(QLatin1Char(' ')));
        static_cast<QDialog *>(panel)->accept();
    };
}

// Answers a save panel with this path.
inline AnsweringPresenter::Answer chooseSavePath(const QString &path)
{
    return [path](QDialog *dialog) {
        auto *panel = qobject_cast<QFileDialog *>(dialog);
        if (!panel)
            return;
        panel->setDirectory(QFileInfo(path).absolutePath());
        panel->selectFile(QFileInfo(path).fileName());
        static_cast<QDialog *>(panel)->accept();
    };
}

} // namespace orvane::test
