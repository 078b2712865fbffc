#include "MasterWindowController.h"

#include "Core/Language.h"
#include "Dialog.h"
#include "HomeViewController.h"
#include "OrvaneProcess.h"
#include "QXConnect.h"
#include "QXConnectManager.h"
#include "QXEventLoop.h"
#include "QXLocalized.h"
#include "QXLog.h"
#include "QXUserDefaults.h"

#include <QApplication>
#include <QProxyStyle>

namespace {

// Tool tips appear after one second.
class ToolTipDelayStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay)
            return 1000;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

std::optional<QString> buttonTitle(const QString &title)
{
    return title.isNull() ? std::nullopt : std::optional<QString>(title);
}

// The password prompt handed to the connection manager: asked from a socket's thread, shown on
// the GUI thread by the dialog framework, which answers the action exactly once (none when
// cancelled or when no window can show it).
void askForPassword(const QString &prompt, const QString &cancel, const QString &confirm, QXPasswordAction action)
{
    qxOnGuiThread([prompt, cancel, confirm, action] {
        Modalia::Dialog::showPasswordInput(prompt, buttonTitle(cancel), buttonTitle(confirm), nullptr, action);
    });
}

// Where a widget sits under a root widget: at each level down, its class and its place among
// the siblings of that class. The home screen is built the same way every time, so the same place
// in a rebuilt one holds the equivalent control.
using WidgetPlace = QList<std::pair<QByteArray, qsizetype>>;

QList<QWidget *> siblingsOfClass(const QWidget *parent, const char *className)
{
    QList<QWidget *> siblings = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    siblings.removeIf([className](const QWidget *sibling) {
        return qstrcmp(sibling->metaObject()->className(), className) != 0;
    });
    return siblings;
}

WidgetPlace placeUnder(const QWidget *root, const QWidget *widget)
{
    WidgetPlace place;
    for (; widget && widget != root; widget = widget->parentWidget()) {
        const char *className = widget->metaObject()->className();
        place.prepend({className, siblingsOfClass(widget->parentWidget(), className).indexOf(widget)});
    }
    return widget ? place : WidgetPlace();
}

QWidget *widgetAtPlace(QWidget *root, const WidgetPlace &place)
{
    QWidget *widget = root;
    for (const auto &[className, index] : place) {
        const QList<QWidget *> siblings = siblingsOfClass(widget, className.constData());
        if (index < 0 || index >= siblings.size())
            return nullptr;
        widget = siblings.at(index);
    }
    return widget;
}

void setToolTipDelay()
{
    if (dynamic_cast<ToolTipDelayStyle *>(QApplication::style()))
        return;
    QApplication::setStyle(new ToolTipDelayStyle);
}

} // namespace

MasterWindowController::MasterWindowController(QWidget *parent)
    : QMainWindow(parent)
{
    windowDidLoad();
    installHomeScreen();
    resize(1100, 720);
}

MasterWindowController::~MasterWindowController() = default;

void MasterWindowController::windowDidLoad()
{
    setWindowTitle(QStringLiteral("%1 %2").arg(QGuiApplication::applicationDisplayName(),
                                               QCoreApplication::applicationVersion()));
}

QVariantMap MasterWindowController::launchDefaults()
{
    return {
        {QStringLiteral("Address_IP"), QStringLiteral("192.168.2.1")},
        {QStringLiteral("Resolution"), QStringLiteral("512")},
        {QStringLiteral("Device_Type"), qxLocalized("ov_default_device_type")},
        {QStringLiteral("Address_Port1"), QStringLiteral("8000")},
        {QStringLiteral("Address_Port2"), QStringLiteral("8001")},
        {QStringLiteral("Address_Port3"), QStringLiteral("8002")},
        {QStringLiteral("ImageQuality"), QStringLiteral("40")},
        {QStringLiteral("FrameRate"), QStringLiteral("7")},
        {QStringLiteral("VolumeNum"), QStringLiteral("3")},
        {QStringLiteral("LightNum"), QStringLiteral("5")},
        {QStringLiteral("AngleNum"), QStringLiteral("0")},
        {QStringLiteral("AutoStart"), QStringLiteral("0")},
        {QStringLiteral("BlueTooth"), QStringLiteral("1")},
        {QStringLiteral("BreathLamp"), QStringLiteral("1")},
        {QStringLiteral("SwitchTimer"), QStringLiteral("0")},
        {QStringLiteral("OpenTime"), QStringLiteral("00:00:00")},
        {QStringLiteral("CloseTime"), QStringLiteral("00:00:00")},
        {QStringLiteral("IsApMode"), QStringLiteral("0")},
    };
}

int MasterWindowController::runFfmpeg(const QStringList &arguments)
{
    QXLOG(QStringLiteral("FFmpeg Arguments:%1").arg(arguments.join(QLatin1Char(' '))));
    QString messages;
    const int status = OrvaneProcess::runConverter(arguments, &messages);
    QXLOG(messages);
    QXLOG(QString::number(status));
    QXLOG(QStringLiteral("转码结束"));
    return status;
}

int MasterWindowController::runFfmpegMain(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int index = 1; index < argc && argv[index]; ++index)
        arguments.append(QString::fromUtf8(argv[index]));
    return runFfmpeg(arguments);
}

void MasterWindowController::applicationDidFinishLaunching()
{
    const QVariantMap defaults = launchDefaults();
    QXConnectManager &manager = QXConnect::connectManager();
    manager.setFfmpeg_mac(&MasterWindowController::runFfmpeg);
    manager.setInputCallback(&askForPassword);
    // A conversion still running when the application quits would hold the exit until it ends.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &OrvaneProcess::stopAll);
    QXUserDefaults::standardUserDefaults().registerDefaults(defaults);
    setToolTipDelay();
}

HomeViewController *MasterWindowController::homeViewController() const
{
    return m_home;
}

void MasterWindowController::installHomeScreen()
{
    m_home = new HomeViewController;
    setCentralWidget(m_home);
}

void MasterWindowController::rebuildHomeScreen()
{
    QPointer<MasterWindowController> self(this);
    qxNextTurn(this, [self] {
        if (!self)
            return;
        // The keyboard focus stays on its control (the language box that switched, say), now
        // in the rebuilt screen, rather than falling to the menu.
        const WidgetPlace focusPlace = placeUnder(self->m_home, QApplication::focusWidget());
        // Taken out first: setCentralWidget would delete the old home screen at once.
        if (QWidget *old = self->takeCentralWidget())
            old->deleteLater();
        self->installHomeScreen();
        if (focusPlace.isEmpty())
            return;
        // The new screen is shown from the event loop; the focus follows once it is.
        qxNextTurn(self.data(), [self, focusPlace] {
            QWidget *equivalent = self->m_home ? widgetAtPlace(self->m_home, focusPlace) : nullptr;
            if (equivalent && equivalent->isVisible() && equivalent->isEnabled())
                equivalent->setFocus(Qt::OtherFocusReason);
        });
    });
}

bool MasterWindowController::switchLanguage(int type, QWidget *from)
{
    if (type == orvane::language::currentLanguage())
        return false;
    orvane::language::setLanguageWithType(type);
    auto *window = from ? qobject_cast<MasterWindowController *>(from->window()) : nullptr;
    if (!window) {
        for (QWidget *topLevel : QApplication::topLevelWidgets()) {
            if ((window = qobject_cast<MasterWindowController *>(topLevel)))
                break;
        }
    }
    if (window)
        window->rebuildHomeScreen();
    return true;
}
