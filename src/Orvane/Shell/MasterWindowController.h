#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>

class HomeViewController;

// The main window: titled with the application's display name and version, its content the home
// screen. applicationDidFinishLaunching() runs the launch sequence once the window exists.
class MasterWindowController : public QMainWindow
{
    Q_OBJECT
public:
    explicit MasterWindowController(QWidget *parent = nullptr);
    ~MasterWindowController() override;

    // The launch sequence: hands the connection manager the conversion runner and the password
    // prompt, has quitting end every running conversion, registers the launch defaults (never
    // writes them), and sets the tool-tip delay to one second. Opens no socket and starts no
    // search or timer.
    void applicationDidFinishLaunching();

    // The eighteen launch defaults, every value a text.
    static QVariantMap launchDefaults();

    // The conversion runner handed to the connection manager: runs the converter with the
    // arguments on the calling thread, waits for it (bounded as every converter run is), logs its
    // messages and exit status, and returns the exit status (-1 when it could not run or was killed).
    static int runFfmpeg(const QStringList &arguments);
    // The same converter for the older runner form: the program name in argv[0] is left to
    // runFfmpeg, which finds the converter itself.
    static int runFfmpegMain(int argc, const char *const *argv);

    HomeViewController *homeViewController() const;
    // Replaces the home screen by a new one (which starts at the connection screen) once control
    // has returned to the event loop, so the control that asked is not deleted under itself.
    void rebuildHomeScreen();

    // Where the connection screen's language choice goes: a type other than the current language's
    // switches the language and rebuilds the home screen of the window that holds `from`; returns
    // whether anything changed.
    static bool switchLanguage(int type, QWidget *from);

private:
    void windowDidLoad();
    void installHomeScreen();

    QPointer<HomeViewController> m_home;
};
