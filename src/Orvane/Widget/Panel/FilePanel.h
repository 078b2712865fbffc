#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The open and save panels of the application: Qt's own (never the platform's) file dialogs,
// shown window-modal through Modalia's dialog presenter, so every screen that asks for files
// can be driven by a test. Each call returns at once and calls its completion exactly once, on
// the GUI thread: with the chosen paths, or with none when the panel was cancelled, closed or
// could not be shown.
namespace orvane::panel {

struct OpenOptions {
    bool allowsMultipleSelection = false;
    bool canChooseDirectories = false;
    // Name filters such as "Videos (*.mp4 *.mov)"; none allows every file.
    QStringList nameFilters;
    // Where the panel starts; empty for the panel's own choice.
    QString directory;
};

struct SaveOptions {
    QString fileName; // proposed name
    QString directory;
    QStringList nameFilters;
};

// The panel's object name, by which tests find it.
inline constexpr const char *kOpenPanelName = "OpenPanel";
inline constexpr const char *kSavePanelName = "SavePanel";

void openPanel(QWidget *parent, const OpenOptions &options, std::function<void(const QStringList &paths)> completion);
void savePanel(QWidget *parent, const SaveOptions &options, std::function<void(const QString &path)> completion);

} // namespace orvane::panel
