#pragma once

#include "QXAsyncSocket.h"
#include "QXInsCode.h"

#include <QJsonValue>

#include <array>
#include <vector>

class QXInsSocket;

// The connection manager's side of an instruction socket.
class QXInsSocketDelegate : public virtual QXAsyncSocketDelegate
{
public:
    // The device accepted `password` on a password-checked connection; `deviceName` is the socket's
    // wifiName. Called on the socket thread.
    virtual void insSocket(QXInsSocket *socket, const QString &password, const QString &deviceName);
};

// The instruction socket: frames instructions (0x35 0xA4, the code), checks that each reply begins
// with the same three bytes, runs the password step of a password-checked connection, and offers
// one method per command family.
//
// Every send method may be called from any thread; it builds its whole chain before queueing it,
// connects when needed, and returns the chain's root (none when it queued nothing). Its success or
// its failure block is called exactly once (a nil block is not called), on the socket thread,
// except for refusals before anything is sent (303; 300 without an address), which are called on
// the caller's thread before the method returns. A reply that fails its check, or is too short for
// the fields it must hold, reaches the failure block with 302 and the reply.
class QXInsSocket : public QXAsyncSocket
{
public:
    enum VerifyState : quint64 {
        NotChecked = 0,
        Checking = 1,
        Accepted = 2,
    };

    QXInsSocket();
    QXInsSocket(const QString &host, quint16 port);
    ~QXInsSocket() override;

    // Code of the conversation being run; -1 when idle, -2 while the password step runs.
    qint64 currentIns() const;
    // Idle and neither connecting nor disconnecting.
    bool isFree() const;

    // A fresh connection must pass the password step before its first instruction.
    bool shouldVerify() const;
    void setShouldVerify(bool verify);
    // The password's UTF-8 bytes; a null array means no password is known.
    QByteArray verifyData() const;
    void setVerifyData(const QByteArray &data);
    quint64 verifyState() const;
    // Connected and, when the connection must pass the password step, past it: only then does
    // the device act on instructions. A link whose password prompt was cancelled is not ready.
    bool isReadyForInstructions() const;
    QString wifiName() const;
    void setWifiName(const QString &name);

    // Short frame 05 35 A4 code p1 p0 (the parameter high byte first); success gets the reply bytes.
    QXOperationRef sendInsWithType(QXInsCode type, qint16 data, QXOperationBlock success, QXOperationBlock failure);
    // 05 35 A4 code b0 b1, the two bytes as given.
    QXOperationRef sendInsWithType(QXInsCode type, std::array<quint8, 2> additionalBytes, QXOperationBlock success,
                                   QXOperationBlock failure);
    QXOperationRef sta2ApWithSuccess(QXOperationBlock success, QXOperationBlock failure);
    // Joins the device to a Wi-Fi network. A null name or password: failure(none, 303, text) at once.
    QXOperationRef ap2Sta(const QString &wifiName, const QString &password, QXOperationBlock success,
                          QXOperationBlock failure);
    // Texts of exactly 19 ("yyyy-MM-dd HH:mm:ss"), 8 and 8 ("HH:mm:ss") bytes, else 303.
    QXOperationRef sendTimer(const QString &timer, const QString &startTime, const QString &endTime,
                             QXOperationBlock success, QXOperationBlock failure);
    // Success gets the current play-list index as a number (int).
    QXOperationRef fetchCurrentPlayListIndexWithSuccess(QXOperationBlock success, QXOperationBlock failure);
    // Success gets the current play-list name as text (none when it is not UTF-8).
    QXOperationRef fetchCurrentPlayListNameWithSuccess(QXOperationBlock success, QXOperationBlock failure);
    QXOperationRef connectBluetoothAddress(const QString &address, QXOperationBlock success,
                                           QXOperationBlock failure);
    // Success gets the parsed JSON value (QJsonValue), or "" for an empty list.
    QXOperationRef fetchBluetoothList(QXOperationBlock success, QXOperationBlock failure);
    // The list texts (code 11); success gets the text, "" when empty (none when it is not UTF-8).
    QXOperationRef downloadListWithSuccess(QXOperationBlock success, QXOperationBlock failure);
    QXOperationRef fetchListAtIndex(qint64 index, QXOperationBlock success, QXOperationBlock failure);
    QXOperationRef fetchPlaylistsWithSuccess(QXOperationBlock success, QXOperationBlock failure);
    QXOperationRef fetchVideoListWithSuccess(QXOperationBlock success, QXOperationBlock failure);
    QXOperationRef fetchListWithParam(const QByteArray &frame, QXOperationBlock success, QXOperationBlock failure);
    // JSON command (code 64); success gets the raw bytes of the reply body, "" when empty. A head that
    // never arrived fails with 301.
    QXOperationRef sendJsonCommanndWithParams(const QJsonValue &params, QXOperationBlock success,
                                              QXOperationBlock failure);
    QXOperationRef sendUnityCommandWithParams(const QJsonValue &params, QXOperationBlock success,
                                              QXOperationBlock failure);
    QXOperationRef changeWifiPassword(const QString &password, QXOperationBlock success, QXOperationBlock failure);

    // Frame and byte helpers. A frame whose count field cannot hold its content is returned empty.
    static QByteArray insDataWithType(QXInsCode type, qint16 param);
    static QByteArray insDataWithType(QXInsCode type, std::array<quint8, 2> additionalBytes);
    static QByteArray parameterDataForContent(const QString &content, QXInsCode ins);
    static QByteArray jsonDataForType(QXInsCode type, const QJsonValue &json);
    static QByteArray unityJsonDataForType(QXInsCode type, const QJsonValue &json);
    static std::array<quint8, 2> shortToByteArray(qint16 value);
    static qint16 ByteArrayToShort(quint8 high, quint8 low);
    // Four bytes, high byte first; the caller guarantees four readable bytes.
    static qint32 byteArrayToInt(const char *bytes);
    // A reply of 2 bytes or fewer passes; else it must begin 35 A4 and the code.
    static bool checkRecvData(const QByteArray &reply, QXInsCode type);

protected:
    QXOperationRef connectChain(const QXOperationRef &operation) override;
    void socketDidDisconnect() override;

private:
    QXOperationRef sendFrame(QXInsCode type, const QByteArray &frame, QXOperationBlock success,
                             QXOperationBlock failure);
    QXOperationRef sendLengthPrefixed(QXInsCode type, const QByteArray &frame, QXOperationBlock success,
                                      QXOperationBlock failure);
    QXOperationRef refuse(const QXOperationBlock &failure, const QString &message);
    // True when the chain needs no password step of its own: none is asked for, the link passed
    // it, or the running step takes the chain along.
    bool passwordStepCovers(const QXOperationRef &operation);
    // Sets the outcome of the password step; returns the chains that waited behind it.
    std::vector<QXOperationRef> endPasswordStep(VerifyState state);

    mutable std::mutex m_verifyMutex;
    bool m_shouldVerify = false;
    QByteArray m_verifyData;
    QString m_wifiName;
    std::atomic<quint64> m_verifyState{NotChecked};
    // The chains behind the running password step, first the one that started it (under
    // m_verifyMutex, as are the changes of m_verifyState).
    std::vector<QXOperationRef> m_behindPassword;
};
