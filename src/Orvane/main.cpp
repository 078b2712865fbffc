#include "Core/Language.h"
#include "AccessibilityGuard.h"
#include "PopupKeys.h"
#include "Shell/MasterWindowController.h"
#include "WindowActivation.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLoggingCategory>

extern const char orvaneVersion[];

namespace {
Q_LOGGING_CATEGORY(lcOrvaneApp, "orvane.app", QtWarningMsg)

// The fan icon at every size rendered at build time, so the task bar never scales one up.
QIcon applicationIcon()
{
    QIcon icon;
    for (const QString &file : QDir(QStringLiteral(":/icons")).entryList(QDir::Files))
        icon.addFile(QStringLiteral(":/icons/") + file);
    return icon;
}

QStringList iconSizes(const QIcon &icon)
{
    QStringList sizes;
    for (const QSize &size : icon.availableSizes())
        sizes << QString::number(size.width());
    return sizes;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QApplication::setApplicationVersion(QString::fromLatin1(orvaneVersion));
    // Ties the windows to the installed desktop entry, whose icon the task bar shows.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANE_APP_ID));
    QApplication::setWindowIcon(applicationIcon());
    // Every text field is heard as it takes the focus, and no password field is read out.
    qxkit::guardAccessibility();
    // The window the desktop gives the keyboard takes it, also when a popup was open meanwhile.
    qxkit::keepActiveWindowInStep();
    // A key held down answers the dialog it was pressed on, never the ones its press opens.
    qxkit::keepKeysToTheirWindow();

    orvane::language::applyStartupLanguage();
    MasterWindowController window;
    window.applicationDidFinishLaunching();
    window.show();
    qCInfo(lcOrvaneApp).noquote() << "window shown:" << window.windowTitle() << "icon sizes"
                                  << iconSizes(window.windowIcon()).join(QLatin1Char(','));
    return app.exec();
}
