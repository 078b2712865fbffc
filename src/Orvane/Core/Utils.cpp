#include "Utils.h"

#include "AppPaths.h"
#include "Core/Dialog/DialogWindowController.h"
#include "DialogPresenter.h"
#include "NetworkManagerWifiProvider.h"
#include "QXEventLoop.h"
#include "QXLog.h"
#include "QXSaveFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QtEndian>

namespace {

// The older dialogs sit over the content area, right of the main window's menu.
constexpr int menuWidth = 186;

// The main window a dialog opens over: a dialog opened from inside another opens over the same
// main window.
QWidget *mainWindowForDialogs()
{
    QWidget *window = Modalia::DialogPresenter::defaultParent();
    while (window && qobject_cast<DialogWindowController *>(window) && window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}

QString rectText(const QRect &rect)
{
    return QStringLiteral("{{%1, %2}, {%3, %4}}").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

bool isGuiThread()
{
    return qApp && QThread::currentThread() == qApp->thread();
}

} // namespace

Utils::Utils() = default;

Utils *Utils::shareInstance()
{
    static Utils *const instance = [] {
        auto *utils = new Utils;
        if (qApp)
            utils->moveToThread(qApp->thread());
        return utils;
    }();
    return instance;
}

void Utils::InitDefault()
{
    {
        QMutexLocker locker(&m_mutex);
        m_playingIndex = -1;
        m_wifiList.clear();
    }
    setFilePath();
}

int Utils::playingIndex() const
{
    QMutexLocker locker(&m_mutex);
    return m_playingIndex;
}

void Utils::setPlayingIndex(int index)
{
    QMutexLocker locker(&m_mutex);
    m_playingIndex = index;
}

QList<WifiInfo> Utils::wifiList() const
{
    QMutexLocker locker(&m_mutex);
    return m_wifiList;
}

QString Utils::fileListPath() const
{
    QMutexLocker locker(&m_mutex);
    return m_fileListPath;
}

void Utils::showDialogWithType(DialogType type, const QString &info, std::function<void(int)> clickAction)
{
    if (!isGuiThread()) {
        qWarning("Utils: a dialog was asked for off the GUI thread; answered as cancelled");
        if (clickAction)
            clickAction(clickCancel);
        return;
    }
    auto *dialog = new DialogWindowController(mainWindowForDialogs());
    QPointer<DialogWindowController> guard(dialog);
    auto closeWith = [guard](int code) {
        return [guard, code] {
            if (guard)
                guard->finish(code);
        };
    };
    dialog->setViewControllerWithType(type, info, closeWith(clickOK), closeWith(clickCancel));
    // The block runs as the dialog goes, before the wait returns: a dialog the block opens then
    // takes over in the same moment, and the window beneath never takes the keyboard in between.
    auto answered = std::make_shared<bool>(false);
    const auto answer = [clickAction = std::move(clickAction), answered](int code) {
        if (!std::exchange(*answered, true) && clickAction)
            clickAction(code);
    };
    QObject::connect(dialog, &QDialog::finished, dialog, answer);
    runDialog(dialog);
    answer(clickCancel);
}

void Utils::showInfoLater(const QString &text)
{
    qxOnGuiThread([text] { shareInstance()->showDialogWithType(DialogType::info, text, nullptr); });
}

void Utils::showDialogWithType(DialogType type, const QString &info, QObject *target, std::function<void()> okAction,
                               std::function<void()> cancelAction)
{
    QPointer<QObject> context(target ? target : this);
    if (!isGuiThread()) {
        qWarning("Utils: a dialog was asked for off the GUI thread; answered as cancelled");
        if (cancelAction)
            qxOnGuiThread(context, std::move(cancelAction));
        return;
    }
    auto *dialog = new DialogWindowController(mainWindowForDialogs());
    QPointer<DialogWindowController> guard(dialog);
    auto wire = [this, guard, context](std::function<void()> action, int fallbackCode) {
        return [this, guard, context, action, fallbackCode] {
            if (context && action)
                runAnswer(guard, action, fallbackCode);
            else if (guard)
                guard->finish(fallbackCode);
        };
    };
    dialog->setViewControllerWithType(type, info, wire(okAction, clickOK), wire(cancelAction, clickCancel));
    runDialog(dialog);
}

void Utils::runAnswer(const QPointer<DialogWindowController> &dialog, const std::function<void()> &action,
                      int fallbackCode)
{
    const bool shown = dialog && dialog->isVisible();
    const QPointer<DialogWindowController> outer = std::exchange(m_answering, dialog);
    action();
    m_answering = outer;
    // An answered dialog that left the screen for the next one must not stay waiting unseen.
    if (shown && dialog && dialog->isHidden() && !dialog->isFinished())
        dialog->finish(fallbackCode);
}

void Utils::runDialog(DialogWindowController *dialog)
{
    // A dialog opened from another's answer comes after that one: the answered dialog leaves the
    // screen first, so that the new one is the only window asking and keeps the keyboard.
    if (m_answering && m_answering->isVisible())
        m_answering->hide();

    QWidget *window = dialog->parentWidget();
    const QRect keyFrame = window ? window->frameGeometry() : QRect();
    const QRect offsetted = keyFrame.adjusted(menuWidth, 0, 0, 0);
    dialog->setSuperFrame(offsetted);
    QXLOG(QStringLiteral("KeyFrame:%1, OffsettedKeyFrame:%2").arg(rectText(keyFrame), rectText(offsetted)));

    QPointer<DialogWindowController> guard(dialog);
    m_dialogs.append(guard);
    Modalia::DialogPresenter::current().presentAndWait(dialog, window);
    m_dialogs.removeAll(guard);
    m_dialogs.removeAll(nullptr);
    if (guard) {
        // A presenter may hand back a dialog nobody answered; it must not stay open.
        guard->finish(clickCancel);
        guard->hide();
        guard->deleteLater();
    }
}

DialogWindowController *Utils::dialogWC() const
{
    for (auto it = m_dialogs.crbegin(); it != m_dialogs.crend(); ++it) {
        if (*it && !(*it)->isFinished())
            return *it;
    }
    return nullptr;
}

bool Utils::isRunningDialog() const
{
    return !m_dialogs.isEmpty();
}

void Utils::clickToOK()
{
    closeTopDialog(clickOK);
}

void Utils::clickToCancel()
{
    closeTopDialog(clickCancel);
}

void Utils::closeTopDialog(int code)
{
    if (DialogWindowController *dialog = dialogWC())
        dialog->finish(code);
}

void Utils::setFilePath()
{
    const QString path = orvane::appSupportFile(QStringLiteral("playlist.txt"));
    QMutexLocker locker(&m_mutex);
    m_fileListPath = path;
}

bool Utils::saveFileListToStorage(const QByteArray &data)
{
    const QString path = fileListPath();
    QXLOG(QStringLiteral("存储地址:%1").arg(path));
    if (path.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (qxSaveFile(path, data))
        return false;
    QXLOG(QStringLiteral("存储目录到本地"));
    return true;
}

void Utils::deleteFileWithPath(const QString &path)
{
    // A folder goes only when empty: a wrong path must never take a folder of the user's files.
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        QDir().rmdir(path);
    else
        QFile::remove(path);
}

QString Utils::getDocumentPathWithFileName(const QString &name)
{
    return QStringLiteral("%1/%2").arg(orvane::searchPathDirectory(orvane::SearchPathDirectory::documents), name);
}

void Utils::getWifiList()
{
    const std::shared_ptr<WifiProvider> provider = wifiProvider();
    QXLOG(QStringLiteral("SSID: %1").arg(provider->currentNetworkName().value_or(QString())));
    QList<WifiInfo> list;
    QStringList seen;
    for (const QString &name : provider->cachedNetworkNames()) {
        if (name.isEmpty() || seen.contains(name))
            continue;
        QXLOG(QStringLiteral("SSID:%1").arg(name));
        seen.append(name);
        list.append(WifiInfo(name, std::nullopt));
    }
    QMutexLocker locker(&m_mutex);
    m_wifiList = list;
}

std::optional<QString> Utils::getWifiName()
{
    const std::shared_ptr<WifiProvider> provider = wifiProvider();
    QXLOG(QStringLiteral("BSD if name: %1").arg(provider->interfaceName()));
    return provider->currentNetworkName();
}

void Utils::connectToWifi(const QString &name, const QString &password)
{
    QString error;
    switch (wifiProvider()->joinNetwork(name, password, &error)) {
    case WifiProvider::JoinOutcome::joined:
        QXLOG(QStringLiteral("连接成功"));
        break;
    case WifiProvider::JoinOutcome::failed:
        QXLOG(QStringLiteral("连接失败  %1").arg(error));
        break;
    case WifiProvider::JoinOutcome::notFound:
        break;
    }
}

QVariantMap Utils::getParametersWithWifiName(const QString &)
{
    return {{QStringLiteral("IP"), QStringLiteral("192.168.2.1")},
            {QStringLiteral("resolution"), QStringLiteral("512")},
            {QStringLiteral("rate"), QStringLiteral("1M")}};
}

void Utils::setWifiProvider(std::shared_ptr<WifiProvider> provider)
{
    QMutexLocker locker(&m_mutex);
    m_wifiProvider = std::move(provider);
}

std::shared_ptr<WifiProvider> Utils::wifiProvider()
{
    QMutexLocker locker(&m_mutex);
    if (!m_wifiProvider)
        m_wifiProvider = std::make_shared<NetworkManagerWifiProvider>(NetworkManagerWifiProvider::systemProvider());
    return m_wifiProvider;
}

QString Utils::fileSizeToshow(qint64 size)
{
    constexpr qint64 kilo = 1024;
    constexpr qint64 mega = kilo * kilo;
    constexpr qint64 giga = mega * kilo;
    // Single precision on purpose: the figures shown are those the operator has always seen.
    const float count = float(size);
    if (size < kilo)
        return QString::asprintf("%.2f%s", double(count), "B");
    if (size < mega)
        return QString::asprintf("%.2f%s", double(count / 1024.0f), "K");
    if (size < giga)
        return QString::asprintf("%.2f%s", double(count / 1024.0f / 1024.0f), "M");
    return QString::asprintf("%.2f%s", double(count / 1024.0f / 1024.0f / 1024.0f), "G");
}

quint32 Utils::byteArrayToInt(QByteArrayView bytes)
{
    if (bytes.size() < 4)
        return 0;
    return qFromBigEndian<quint32>(bytes.data());
}

qint64 Utils::byteArrayToLong(QByteArrayView bytes)
{
    if (bytes.size() < 8)
        return 0;
    return qFromBigEndian<qint64>(bytes.data());
}

QByteArray Utils::shortToByteArray(quint16 value)
{
    QByteArray bytes(2, Qt::Uninitialized);
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray Utils::longToByteArray(qint64 value)
{
    QByteArray bytes(8, Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

void Utils::setButton(QAbstractButton *button, const std::optional<QColor> &color, const std::optional<QFont> &font)
{
    QPalette palette = button->palette();
    const QColor titleColor = color.value_or(QColor(Qt::white));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::ButtonText, titleColor);
    button->setPalette(palette);
    if (font)
        button->setFont(*font);
}
