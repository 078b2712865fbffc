#include "MaterialCenterViewController.h"

#include "QXColor.h"
#include "QXLocalized.h"
#include "QXSaveFile.h"
#include "SupportedFileTypes.h"
#include "Widget/Panel/FilePanel.h"
#include "Widget/ScreenParts.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextStream>
#include <QVBoxLayout>

namespace {

constexpr const char *kTagProperty = "tag";
constexpr int kColumns = 3;
constexpr int kPictureSize = 120;

// The button titles, in the order of the samples.
constexpr const char *kTitleKeys[] = {"ov_sample_fish", "ov_sample_ring", "ov_sample_figure", "ov_sample_loop",
                                      "ov_sample_diamond"};

} // namespace

MaterialCenterViewController::MaterialCenterViewController(QWidget *parent)
    : QWidget(parent)
    , m_videos{QStringLiteral("fish"), QStringLiteral("ring"), QStringLiteral("figure"), QStringLiteral("loop"),
               QStringLiteral("diamond")}
{
    setObjectName(QStringLiteral("MaterialCenterViewController"));
    orvane::screen::applyScreenLook(this);
    QLabel *title = orvane::screen::titleLabel("ov_video_store");

    auto *grid = new QGridLayout;
    grid->setSpacing(24);
    for (int tag = 0; tag < m_videos.size(); ++tag) {
        auto *button = new QPushButton;
        button->setObjectName(m_videos.at(tag) + QStringLiteral("Btn"));
        button->setProperty(kTagProperty, tag);
        button->setFlat(true);
        // A sample button shows no pressed look: it only opens the save panel.
        button->setStyleSheet(QStringLiteral("QPushButton { color: %1; border: 1px solid #555; border-radius: 6px;"
                                             " padding: 8px; } QPushButton:focus { border-color: #3d8ee8; }")
                                  .arg(qxkit::globalTextColor().name()));
        button->setIcon(QIcon(QStringLiteral(":/samples/%1.png").arg(m_videos.at(tag))));
        button->setIconSize(QSize(kPictureSize, kPictureSize));
        button->setText(qxLocalized(kTitleKeys[tag]));
        button->setAccessibleName(button->text());
        button->setToolTip(button->text());
        button->setFocusPolicy(Qt::StrongFocus);
        connect(button, &QPushButton::clicked, this, [this, button] { btnAction(button); });
        grid->addWidget(button, tag / kColumns, tag % kColumns);
        m_buttons.append(button);
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->setSpacing(16);
    layout->addWidget(title);
    layout->addLayout(grid);
    layout->addStretch(1);
}

QString MaterialCenterViewController::resourcePath(const QString &name)
{
    return QStringLiteral(":/samples/%1.mp4").arg(name);
}

void MaterialCenterViewController::btnAction(QPushButton *button)
{
    const int tag = button ? button->property(kTagProperty).toInt() : -1;
    if (tag < 0 || tag >= m_videos.size())
        return;
    const QString name = m_videos.at(tag);
    orvane::panel::SaveOptions options;
    options.fileName = name + QStringLiteral(".mp4");
    // Downloads when the user has one; otherwise the panel's own choice.
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (QFileInfo(downloads).isDir())
        options.directory = downloads;
    options.nameFilters = {orvane::supportedFileFilter()};
    orvane::panel::savePanel(this, options, [name](const QString &path) {
        if (!path.isEmpty())
            saveSample(name, path);
    });
}

void MaterialCenterViewController::saveSample(const QString &name, const QString &path)
{
    QFile resource(resourcePath(name));
    if (!resource.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = resource.readAll();
    if (const std::optional<QString> failure = qxSaveFile(path, bytes))
        QTextStream(stdout) << "Saving the sample " << name << " to " << path << " failed: " << *failure << Qt::endl;
}
