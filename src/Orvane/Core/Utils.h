#pragma once

#include "WifiInfo.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QColor>
#include <QFont>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

class QAbstractButton;
class DialogWindowController;
class WifiProvider;

// The application-wide service object of the older screens: a few flags, the older modal
// dialogs, the Wi-Fi queries, the play-list file, and size and byte conversions.
class Utils : public QObject
{
    Q_OBJECT
public:
    enum class DialogType {
        info = 1,   // a message with one button
        input = 2,  // a message, a text field, OK and Cancel
        ensure = 3, // a question with OK and Cancel
    };
    // What a dialog's block receives.
    static constexpr int clickOK = 1;
    static constexpr int clickCancel = 0;

    // The one instance, made on first use.
    static Utils *shareInstance();

    // Resets the flags and the Wi-Fi list and points the play-list file at the application's folder.
    void InitDefault();

    int playingIndex() const;
    void setPlayingIndex(int index);
    QList<WifiInfo> wifiList() const;
    QString fileListPath() const;

    // The older dialog, over the content area of the active window. Runs a modal wait and returns
    // once the dialog is gone; the block receives clickOK or clickCancel (an information dialog
    // always clickOK; Esc or closing the window counts as Cancel) as the dialog leaves the screen,
    // before the wait returns, with dialogWC() already showing the dialog beneath, if any. GUI
    // thread only: called from another thread it shows nothing and answers clickCancel at once.
    void showDialogWithType(DialogType type, const QString &info, std::function<void(int)> clickAction);
    // The information dialog with the text, shown from the GUI thread's event loop at a later
    // turn, whoever asks and from which thread; nobody waits for it.
    static void showInfoLater(const QString &text);

    // The same dialog wired to actions: OK and Cancel run them instead of closing the dialog, and
    // each action must close it (usually with clickToOK or clickToCancel) after reading, say,
    // dialogWC()->getInput(). A missing action means clickToOK / clickToCancel. With a target, the
    // actions run only while the target exists (otherwise the dialog just closes). Esc or closing
    // the window runs the Cancel action (an information dialog's only action). Returns once the
    // dialog is gone. Called from another thread it shows nothing and queues the Cancel action
    // to the GUI thread, to run while the target exists.
    void showDialogWithType(DialogType type, const QString &info, QObject *target, std::function<void()> okAction,
                            std::function<void()> cancelAction);

    // The dialog being shown (the innermost one when dialogs nest); nullptr when none.
    DialogWindowController *dialogWC() const;
    // Some caller waits in showDialogWithType, its dialog shown or answered but not yet returned.
    bool isRunningDialog() const;
    // Close the dialog being shown, never another window.
    void clickToOK();
    void clickToCancel();

    // The play-list file: "playlist.txt" in the application's data folder, never the user's
    // documents, where a file of that name may be the user's own.
    void setFilePath();
    // Writes the play list atomically; false when it could not be written.
    bool saveFileListToStorage(const QByteArray &data);
    // Removes a file (a folder only when it is empty); failures are ignored.
    static void deleteFileWithPath(const QString &path);
    static QString getDocumentPathWithFileName(const QString &name);

    // Fills wifiList() with the networks the system has seen, each name once, in the system's
    // order; unnamed networks are left out.
    void getWifiList();
    // The joined network's name; none when not joined.
    std::optional<QString> getWifiName();
    // Joins the first network of the system's last scan named exactly `name`, with the password;
    // logs "连接成功" or "连接失败  <error>". A name the scan does not hold changes nothing.
    void connectToWifi(const QString &name, const QString &password);
    // The connection parameters a device name suggests: "IP", "resolution" and "rate". No
    // table of models and their addresses is known here, so every name gets the defaults
    // "192.168.2.1", "512" and "1M"; the connection manager derives the live values.
    static QVariantMap getParametersWithWifiName(const QString &wifiName);
    // Replaces where the Wi-Fi answers come from (NetworkManager on the system bus by default).
    void setWifiProvider(std::shared_ptr<WifiProvider> provider);

    // "1023.00B", "1.00K", "1.50M", "2.00G".
    static QString fileSizeToshow(qint64 size);
    // Big-endian readers: the first 4 or 8 bytes; fewer bytes give 0.
    static quint32 byteArrayToInt(QByteArrayView bytes);
    static qint64 byteArrayToLong(QByteArrayView bytes);
    // The low 16 bits, big-endian.
    static QByteArray shortToByteArray(quint16 value);
    // The 64-bit value in little-endian order, as the device's file header expects.
    static QByteArray longToByteArray(qint64 value);

    // Sets the button's title colour (white when none) and font (the button's own when none).
    static void setButton(QAbstractButton *button, const std::optional<QColor> &color, const std::optional<QFont> &font);

private:
    Utils();
    // Shows the dialog over its window and returns once it is gone.
    void runDialog(DialogWindowController *dialog);
    void closeTopDialog(int code);
    // Runs the OK or Cancel action of a dialog of showDialogWithType.
    void runAnswer(const QPointer<DialogWindowController> &dialog, const std::function<void()> &action,
                   int fallbackCode);
    std::shared_ptr<WifiProvider> wifiProvider();

    mutable QMutex m_mutex;
    int m_playingIndex = -1;
    QList<WifiInfo> m_wifiList;
    QString m_fileListPath;
    QList<QPointer<DialogWindowController>> m_dialogs;
    // The dialog whose OK or Cancel action is running.
    QPointer<DialogWindowController> m_answering;
    std::shared_ptr<WifiProvider> m_wifiProvider;
};
