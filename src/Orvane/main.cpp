#include "Core/Language.h"
#include "Core/MasterWindowController.h"

#include <QApplication>

extern const char orvaneVersion[];

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QApplication::setApplicationVersion(QString::fromLatin1(orvaneVersion));

    orvane::language::applyStartupLanguage();
    MasterWindowController window;
    window.applicationDidFinishLaunching();
    window.show();
    return app.exec();
}
