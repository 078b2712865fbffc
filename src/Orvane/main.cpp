#include <QApplication>
#include <QMainWindow>

extern const char orvaneVersion[];

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QApplication::setApplicationVersion(QString::fromLatin1(orvaneVersion));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("%1 %2").arg(QApplication::applicationName(), QApplication::applicationVersion()));
    window.resize(1100, 720);
    window.show();
    return app.exec();
}
