#include "QXInsSocket.h"

#include "QXLog.h"
#include "QXSocketCode.h"
#include "QXSocketReadOperation.h"
#include "QXSocketWriteOperation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr quint8 kHead0 = 0x35;
constexpr quint8 kHead1 = 0xA4;
constexpr qint64 kPasswordTag = -2;
// The one-byte count of a frame counts itself out: string and unity frames add 4, Wi-Fi join 5.
constexpr qsizetype kMaxStringContent = 0xFF - 4;
constexpr qsizetype kMaxWifiContent = 0xFF - 5;
constexpr qsizetype kMaxJsonContent = 0xFFFF;
constexpr qsizetype kListHeadLength = 7;
constexpr qsizetype kJsonHeadLength = 5;
constexpr qsizetype kIndexReplyLength = 5;

const qint64 kSuccess = qxCode(QXSocketCode::success);
const qint64 kCheckFailed = qxCode(QXSocketCode::checkFailed);

bool logging()
{
    return lcOrvaneDevice().isDebugEnabled();
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

// Device texts are UTF-8; bytes that are not give no text at all.
QVariant utf8Text(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return QVariant();
    return text;
}

// Compact JSON text of any value, a bare value at the top level included.
QByteArray jsonText(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Object:
        return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
    case QJsonValue::Array:
        return QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact);
    case QJsonValue::Undefined:
        return QByteArray();
    default: {
        const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        return wrapped.mid(1, wrapped.size() - 2);
    }
    }
}

// Some JSON commands carry device passwords (a union's slaves, under "pwd", at any depth).
bool carriesPassword(const QJsonValue &value)
{
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        return std::any_of(array.cbegin(), array.cend(), carriesPassword);
    }
    if (!value.isObject())
        return false;
    const QJsonObject object = value.toObject();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (it.key() == QLatin1String("pwd") || carriesPassword(it.value()))
            return true;
    }
    return false;
}

// The value as the log may show it: every "pwd" value replaced by stars.
QJsonValue withPasswordsHidden(const QJsonValue &value)
{
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue &entry : value.toArray())
            array.append(withPasswordsHidden(entry));
        return array;
    }
    if (!value.isObject())
        return value;
    QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it)
        it.value() = it.key() == QLatin1String("pwd") ? QJsonValue(QStringLiteral("********"))
                                                      : withPasswordsHidden(it.value());
    return object;
}

std::optional<QJsonValue> parseJsonValue(const QByteArray &text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson('[' + text + ']', &error);
    if (error.error != QJsonParseError::NoError || !document.isArray() || document.array().size() != 1)
        return std::nullopt;
    return document.array().at(0);
}

QByteArray frameHead(quint8 count, QXInsCode type)
{
    QByteArray frame;
    frame.append(char(count));
    frame.append(char(kHead0));
    frame.append(char(kHead1));
    frame.append(char(qxInsByte(type)));
    return frame;
}

QByteArray reply(const QVariant &payload)
{
    return payload.toByteArray();
}

void call(const QXOperationBlock &block, const QXOperationRef &operation, qint64 code, const QVariant &payload)
{
    if (block)
        block(operation, code, payload);
}

std::shared_ptr<QXSocketReadOperation> nextRead(const QXOperationRef &operation)
{
    return std::dynamic_pointer_cast<QXSocketReadOperation>(operation->thenOperation());
}

} // namespace

void QXInsSocketDelegate::insSocket(QXInsSocket *, const QString &, const QString &)
{
}

QXInsSocket::QXInsSocket() = default;

QXInsSocket::QXInsSocket(const QString &host, quint16 port) : QXAsyncSocket(host, port)
{
}

QXInsSocket::~QXInsSocket()
{
    shutdown();
}

qint64 QXInsSocket::currentIns() const
{
    const qint64 tag = currentTag();
    return tag == 0 ? -1 : tag;
}

bool QXInsSocket::isFree() const
{
    const qint64 state = status();
    return currentIns() == -1 && state != Connecting && state != Disconnecting;
}

bool QXInsSocket::shouldVerify() const
{
    std::lock_guard lock(m_verifyMutex);
    return m_shouldVerify;
}

void QXInsSocket::setShouldVerify(bool verify)
{
    std::lock_guard lock(m_verifyMutex);
    m_shouldVerify = verify;
}

QByteArray QXInsSocket::verifyData() const
{
    std::lock_guard lock(m_verifyMutex);
    return m_verifyData;
}

void QXInsSocket::setVerifyData(const QByteArray &data)
{
    std::lock_guard lock(m_verifyMutex);
    m_verifyData = data;
}

quint64 QXInsSocket::verifyState() const
{
    return m_verifyState.load();
}

bool QXInsSocket::isReadyForInstructions() const
{
    return isConnected() && (!shouldVerify() || verifyState() == Accepted);
}

QString QXInsSocket::wifiName() const
{
    std::lock_guard lock(m_verifyMutex);
    return m_wifiName;
}

void QXInsSocket::setWifiName(const QString &name)
{
    std::lock_guard lock(m_verifyMutex);
    m_wifiName = name;
}

// --- frames ---

QByteArray QXInsSocket::insDataWithType(QXInsCode type, qint16 param)
{
    if (logging())
        QXLOG(QStringLiteral("type:%1, data:%2").arg(qxInsByte(type)).arg(param));
    return insDataWithType(type, shortToByteArray(param));
}

QByteArray QXInsSocket::insDataWithType(QXInsCode type, std::array<quint8, 2> additionalBytes)
{
    QByteArray frame = frameHead(0x05, type);
    frame.append(char(additionalBytes[0]));
    frame.append(char(additionalBytes[1]));
    return frame;
}

QByteArray QXInsSocket::parameterDataForContent(const QString &content, QXInsCode ins)
{
    const QByteArray bytes = content.toUtf8();
    if (bytes.size() > kMaxStringContent)
        return QByteArray();
    QByteArray frame = frameHead(quint8(bytes.size() + 4), ins);
    frame.append(char(bytes.size()));
    frame.append(bytes);
    return frame;
}

QByteArray QXInsSocket::jsonDataForType(QXInsCode type, const QJsonValue &json)
{
    const QByteArray text = jsonText(json);
    if (text.isEmpty() || text.size() > kMaxJsonContent)
        return QByteArray();
    // The JSON frame's first byte stays 05 and its length goes low byte first.
    QByteArray frame = frameHead(0x05, type);
    frame.append(char(text.size() & 0xFF));
    frame.append(char((text.size() >> 8) & 0xFF));
    frame.append(text);
    if (logging()) {
        QXLOG(QStringLiteral("Will Send Json Data:%1")
                  .arg(carriesPassword(json) ? QString::fromUtf8(jsonText(withPasswordsHidden(json))) : hex(frame)));
    }
    return frame;
}

QByteArray QXInsSocket::unityJsonDataForType(QXInsCode type, const QJsonValue &json)
{
    const QByteArray text = jsonText(json);
    if (text.isEmpty() || text.size() > kMaxStringContent)
        return QByteArray();
    QByteArray frame = frameHead(quint8(text.size() + 4), type);
    frame.append(char(text.size()));
    frame.append(text);
    return frame;
}

std::array<quint8, 2> QXInsSocket::shortToByteArray(qint16 value)
{
    const quint16 bits = quint16(value);
    return {quint8(bits >> 8), quint8(bits & 0xFF)};
}

qint16 QXInsSocket::ByteArrayToShort(quint8 high, quint8 low)
{
    return qint16(quint16((quint16(high) << 8) | low));
}

qint32 QXInsSocket::byteArrayToInt(const char *bytes)
{
    const auto *b = reinterpret_cast<const uchar *>(bytes);
    return qint32((quint32(b[0]) << 24) | (quint32(b[1]) << 16) | (quint32(b[2]) << 8) | quint32(b[3]));
}

bool QXInsSocket::checkRecvData(const QByteArray &reply, QXInsCode type)
{
    if (reply.size() <= 2) {
        QXLOG(QStringLiteral("返回数据校验，长度不足：%1").arg(hex(reply)));
        return true;
    }
    const auto *b = reinterpret_cast<const uchar *>(reply.constData());
    return b[0] == kHead0 && b[1] == kHead1 && b[2] == qxInsByte(type);
}

// --- exchanges ---

QXOperationRef QXInsSocket::refuse(const QXOperationBlock &failure, const QString &message)
{
    QXLOG(message);
    call(failure, nullptr, qxCode(QXSocketCode::badArgument), message);
    return nullptr;
}

// A write of the frame, then one read of whatever arrives, whose head must match the code.
QXOperationRef QXInsSocket::sendFrame(QXInsCode type, const QByteArray &frame, QXOperationBlock success,
                                      QXOperationBlock failure)
{
    auto write = QXSocketWriteOperation::writeOperationWithTimeout(double(writeTimeout()), frame, nullptr, failure);
    write->setTag(qxInsValue(type));
    write->setSecret(type == QXInsCode::apToSta || type == QXInsCode::changeWifiPassword);
    write->thenReadTimeout(
        double(readTimeout()),
        [type, success, failure](const QXOperationRef &operation, qint64, const QVariant &payload) {
            const QByteArray bytes = reply(payload);
            if (checkRecvData(bytes, type))
                call(success, operation, kSuccess, bytes);
            else
                call(failure, operation, kCheckFailed, bytes);
        },
        failure);
    return connectThen(write);
}

QXOperationRef QXInsSocket::sendInsWithType(QXInsCode type, qint16 data, QXOperationBlock success,
                                            QXOperationBlock failure)
{
    return sendInsWithType(type, shortToByteArray(data), std::move(success), std::move(failure));
}

QXOperationRef QXInsSocket::sendInsWithType(QXInsCode type, std::array<quint8, 2> additionalBytes,
                                            QXOperationBlock success, QXOperationBlock failure)
{
    const QByteArray frame = insDataWithType(type, additionalBytes);
    if (logging())
        QXLOG(QStringLiteral("InsSocket:%1, Will Send Ins:%2 With Data:%3")
                  .arg(quintptr(this), 0, 16)
                  .arg(currentIns())
                  .arg(hex(frame)));
    return sendFrame(type, frame, std::move(success), std::move(failure));
}

QXOperationRef QXInsSocket::sta2ApWithSuccess(QXOperationBlock success, QXOperationBlock failure)
{
    return sendInsWithType(QXInsCode::staToAp, qint16(0), std::move(success), std::move(failure));
}

QXOperationRef QXInsSocket::ap2Sta(const QString &wifiName, const QString &password, QXOperationBlock success,
                                   QXOperationBlock failure)
{
    // The refusal text names the network but never shows the password.
    const QString refusal = QStringLiteral("wifi:%1, pwd:%2")
                                .arg(wifiName.isNull() ? QStringLiteral("(null)") : wifiName,
                                     password.isNull() ? QStringLiteral("(null)") : QStringLiteral("********"));
    if (wifiName.isNull() || password.isNull()) {
        QXLOG(QStringLiteral("wifi名称和密码为空"));
        call(failure, nullptr, qxCode(QXSocketCode::badArgument), refusal);
        return nullptr;
    }
    const QByteArray name = wifiName.toUtf8();
    const QByteArray pwd = password.toUtf8();
    if (name.size() + pwd.size() > kMaxWifiContent)
        return refuse(failure, QStringLiteral("wifi名称和密码过长: ") + refusal);
    QByteArray frame = frameHead(quint8(name.size() + pwd.size() + 5), QXInsCode::apToSta);
    frame.append(char(name.size()));
    frame.append(char(pwd.size()));
    frame.append(name);
    frame.append(pwd);
    return sendFrame(QXInsCode::apToSta, frame, std::move(success), std::move(failure));
}

QXOperationRef QXInsSocket::sendTimer(const QString &timer, const QString &startTime, const QString &endTime,
                                      QXOperationBlock success, QXOperationBlock failure)
{
    const QByteArray now = timer.toUtf8();
    const QByteArray on = startTime.toUtf8();
    const QByteArray off = endTime.toUtf8();
    // The frame's lengths are fixed; other texts would shift every field after them.
    if (now.size() != 19 || on.size() != 8 || off.size() != 8)
        return refuse(failure, QStringLiteral("定时格式错误:%1, %2, %3").arg(timer, startTime, endTime));
    QByteArray frame = frameHead(0x29, QXInsCode::setTimer);
    frame.append(char(0x13));
    frame.append(char(0x08));
    frame.append(char(0x08));
    frame.append(now);
    frame.append(on);
    frame.append(off);
    return sendFrame(QXInsCode::setTimer, frame, std::move(success), std::move(failure));
}

QXOperationRef QXInsSocket::fetchCurrentPlayListIndexWithSuccess(QXOperationBlock success, QXOperationBlock failure)
{
    return sendInsWithType(
        QXInsCode::currentPlayList, std::array<quint8, 2>{2, 0},
        [success, failure](const QXOperationRef &operation, qint64, const QVariant &payload) {
            const QByteArray bytes = reply(payload);
            if (bytes.size() < kIndexReplyLength)
                return call(failure, operation, kCheckFailed, bytes);
            const qint16 index = ByteArrayToShort(quint8(bytes[3]), quint8(bytes[4]));
            QXLOG(QStringLiteral("Index%1").arg(index));
            call(success, operation, kSuccess, int(index));
        },
        failure);
}

QXOperationRef QXInsSocket::fetchCurrentPlayListNameWithSuccess(QXOperationBlock success, QXOperationBlock failure)
{
    const QXInsCode type = QXInsCode::currentPlayList;
    auto write = QXSocketWriteOperation::writeOperationWithTimeout(
        double(writeTimeout()), insDataWithType(type, std::array<quint8, 2>{3, 0}), nullptr, failure);
    write->setTag(qxInsValue(type));
    // Name bytes that came with the head count toward the name; the second read fetches the rest.
    auto early = std::make_shared<QByteArray>();
    write->thenReadTimeout(
        double(readTimeout()),
        [success, failure, early](const QXOperationRef &operation, qint64, const QVariant &payload) {
            const QByteArray bytes = reply(payload);
            if (!checkRecvData(bytes, QXInsCode::currentPlayList) || bytes.size() < kIndexReplyLength) {
                operation->giveupThen();
                return call(failure, operation, kCheckFailed, bytes);
            }
            const qint16 length = ByteArrayToShort(quint8(bytes[3]), quint8(bytes[4]));
            if (length < 1) {
                operation->giveupThen();
                return call(failure, operation, kCheckFailed, bytes);
            }
            const QByteArray name = bytes.mid(kIndexReplyLength);
            const auto rest = nextRead(operation);
            if (name.size() >= length || !rest) {
                operation->giveupThen();
                return call(success, operation, kSuccess, utf8Text(name.left(length)));
            }
            *early = name;
            rest->setReadLength(length - name.size());
        },
        failure);
    write->thenReadTimeout(
        double(readTimeout()),
        [success, early](const QXOperationRef &operation, qint64, const QVariant &payload) {
            call(success, operation, kSuccess, utf8Text(*early + reply(payload)));
        },
        failure);
    return connectThen(write);
}

QXOperationRef QXInsSocket::connectBluetoothAddress(const QString &address, QXOperationBlock success,
                                                    QXOperationBlock failure)
{
    const QByteArray frame = parameterDataForContent(address, QXInsCode::connectBluetooth);
    if (frame.isEmpty())
        return refuse(failure, QStringLiteral("蓝牙地址过长:%1").arg(address));
    return sendFrame(QXInsCode::connectBluetooth, frame, std::move(success), std::move(failure));
}

QXOperationRef QXInsSocket::changeWifiPassword(const QString &password, QXOperationBlock success,
                                               QXOperationBlock failure)
{
    const QByteArray frame = parameterDataForContent(password, QXInsCode::changeWifiPassword);
    if (frame.isEmpty())
        return refuse(failure, QStringLiteral("wifi密码过长"));
    return sendFrame(QXInsCode::changeWifiPassword, frame, std::move(success), std::move(failure));
}

QXOperationRef QXInsSocket::sendUnityCommandWithParams(const QJsonValue &params, QXOperationBlock success,
                                                       QXOperationBlock failure)
{
    const QByteArray frame = unityJsonDataForType(QXInsCode::unity, params);
    if (frame.isEmpty())
        return refuse(failure, QStringLiteral("JSON数据无效或过长"));
    if (logging())
        QXLOG(QStringLiteral("InsSocket:%1, Will Send Ins:%2 With Data:%3")
                  .arg(quintptr(this), 0, 16)
                  .arg(currentIns())
                  .arg(hex(frame)));
    return sendFrame(QXInsCode::unity, frame, std::move(success), std::move(failure));
}

// A write, a head of 7 bytes (35 A4 code, 32-bit length high byte first), then the body.
QXOperationRef QXInsSocket::sendLengthPrefixed(QXInsCode type, const QByteArray &frame, QXOperationBlock success,
                                               QXOperationBlock failure)
{
    auto write = QXSocketWriteOperation::writeOperationWithTimeout(double(writeTimeout()), frame, nullptr, failure);
    write->setTag(qxInsValue(type));
    write->thenReadTimeout(
        double(readTimeout()), qint64(kListHeadLength),
        [type, success, failure](const QXOperationRef &operation, qint64, const QVariant &payload) {
            const QByteArray head = reply(payload);
            if (head.size() < kListHeadLength || !checkRecvData(head, type)) {
                operation->giveupThen();
                return call(failure, operation, kCheckFailed, head);
            }
            const qint32 length = byteArrayToInt(head.constData() + 3);
            const auto body = nextRead(operation);
            if (length < 1 || !body) {
                operation->giveupThen();
                QXLOG(QStringLiteral("content:%1").arg(QString()));
                return call(success, operation, kSuccess, QString(QLatin1String("")));
            }
            body->setReadLength(length);
        },
        failure);
    write->thenReadTimeout(
        double(readTimeout()),
        [type, success, failure](const QXOperationRef &operation, qint64, const QVariant &payload) {
            const QByteArray body = reply(payload);
            operation->giveupThen();
            if (type != QXInsCode::bluetoothList) {
                const QVariant text = utf8Text(body);
                if (logging())
                    QXLOG(text.toString());
                return call(success, operation, kSuccess, text);
            }
            const std::optional<QJsonValue> list = parseJsonValue(body);
            if (!list)
                return call(failure, operation, kCheckFailed, body);
            if (logging())
                QXLOG(QStringLiteral("蓝牙列表:%1").arg(QString::fromUtf8(body)));
            call(success, operation, kSuccess, QVariant::fromValue(*list));
        },
        failure);
    return connectThen(write);
}

QXOperationRef QXInsSocket::fetchBluetoothList(QXOperationBlock success, QXOperationBlock failure)
{
    return sendLengthPrefixed(QXInsCode::bluetoothList, insDataWithType(QXInsCode::bluetoothList, qint16(0)),
                              std::move(success), std::move(failure));
}

QXOperationRef QXInsSocket::fetchListWithParam(const QByteArray &frame, QXOperationBlock success,
                                               QXOperationBlock failure)
{
    return sendLengthPrefixed(QXInsCode::fetchList, frame, std::move(success), std::move(failure));
}

QXOperationRef QXInsSocket::downloadListWithSuccess(QXOperationBlock success, QXOperationBlock failure)
{
    return fetchListWithParam(insDataWithType(QXInsCode::fetchList, qint16(0)), std::move(success),
                              std::move(failure));
}

QXOperationRef QXInsSocket::fetchListAtIndex(qint64 index, QXOperationBlock success, QXOperationBlock failure)
{
    return fetchListWithParam(insDataWithType(QXInsCode::fetchList, std::array<quint8, 2>{1, quint8(index & 0xFF)}),
                              std::move(success), std::move(failure));
}

QXOperationRef QXInsSocket::fetchPlaylistsWithSuccess(QXOperationBlock success, QXOperationBlock failure)
{
    return fetchListWithParam(insDataWithType(QXInsCode::fetchList, std::array<quint8, 2>{2, 0}), std::move(success),
                              std::move(failure));
}

QXOperationRef QXInsSocket::fetchVideoListWithSuccess(QXOperationBlock success, QXOperationBlock failure)
{
    return fetchListWithParam(insDataWithType(QXInsCode::fetchList, std::array<quint8, 2>{3, 0}), std::move(success),
                              std::move(failure));
}

// A write, a head of 5 bytes (35 A4 40, 16-bit length low byte first), then the body.
QXOperationRef QXInsSocket::sendJsonCommanndWithParams(const QJsonValue &params, QXOperationBlock success,
                                                       QXOperationBlock failure)
{
    const QXInsCode type = QXInsCode::json;
    const QByteArray frame = jsonDataForType(type, params);
    if (frame.isEmpty())
        return refuse(failure, QStringLiteral("JSON数据无效或过长"));
    auto write = QXSocketWriteOperation::writeOperationWithTimeout(double(writeTimeout()), frame, nullptr, failure);
    write->setTag(qxInsValue(type));
    write->setSecret(carriesPassword(params));
    write->thenReadTimeout(
        double(readTimeout()), qint64(kJsonHeadLength),
        [success, failure](const QXOperationRef &operation, qint64, const QVariant &payload) {
            const QByteArray head = reply(payload);
            if (head.size() < kJsonHeadLength || !checkRecvData(head, QXInsCode::json)) {
                operation->giveupThen();
                return call(failure, operation, kCheckFailed, head);
            }
            const qint16 length = ByteArrayToShort(quint8(head[4]), quint8(head[3]));
            const auto body = nextRead(operation);
            if (length < 1 || !body) {
                operation->giveupThen();
                QXLOG(QStringLiteral("content:%1").arg(QString()));
                return call(success, operation, kSuccess, QString(QLatin1String("")));
            }
            body->setReadLength(length);
        },
        [failure](const QXOperationRef &operation, qint64, const QVariant &payload) {
            call(failure, operation, qxCode(QXSocketCode::jsonHeadMissing), payload);
        });
    write->thenReadTimeout(
        double(readTimeout()),
        [success](const QXOperationRef &operation, qint64, const QVariant &payload) {
            const QByteArray body = reply(payload);
            operation->giveupThen();
            if (logging())
                QXLOG(QString::fromUtf8(body));
            call(success, operation, kSuccess, body);
        },
        failure);
    return connectThen(write);
}

// --- password step ---

bool QXInsSocket::passwordStepCovers(const QXOperationRef &operation)
{
    std::lock_guard lock(m_verifyMutex);
    const quint64 state = m_verifyState.load();
    if (!m_shouldVerify || state == Accepted)
        return true;
    if (state != Checking)
        return false;
    m_behindPassword.push_back(operation);
    return true;
}

std::vector<QXOperationRef> QXInsSocket::endPasswordStep(VerifyState state)
{
    std::lock_guard lock(m_verifyMutex);
    m_verifyState.store(state);
    return std::exchange(m_behindPassword, {});
}

QXOperationRef QXInsSocket::connectChain(const QXOperationRef &operation)
{
    if (passwordStepCovers(operation))
        return QXAsyncSocket::connectChain(operation);
    const QByteArray password = verifyData();
    if (password.isNull()) {
        operation->failWithoutStep(kCheckFailed, QStringLiteral("verifyData为空!"));
        dropOperation(operation);
        return nullptr;
    }
    {
        std::lock_guard lock(m_verifyMutex);
        m_verifyState.store(Checking);
        m_behindPassword.assign(1, operation);
    }
    // A step that could not run lost the connection, which fails the waiting chains itself.
    const QXOperationBlock stepFailed = [this](const QXOperationRef &, qint64, const QVariant &) {
        endPasswordStep(NotChecked);
    };
    auto write = QXSocketWriteOperation::writeOperationWithTimeout(double(writeTimeout()), password, nullptr,
                                                                   stepFailed);
    write->setTag(kPasswordTag);
    write->setSecret(true);
    write->thenReadTimeout(
        double(readTimeout()),
        [this](const QXOperationRef &, qint64, const QVariant &payload) {
            const QByteArray answer = reply(payload);
            if (answer.startsWith('1')) {
                endPasswordStep(Accepted);
                if (auto *d = dynamic_cast<QXInsSocketDelegate *>(delegate()))
                    d->insSocket(this, QString::fromUtf8(verifyData()), wifiName());
                return;
            }
            // Nothing handed over meanwhile may reach the device on a link it refused.
            for (const QXOperationRef &waiting : endPasswordStep(NotChecked)) {
                dropOperation(waiting);
                waiting->fail(kCheckFailed, QVariant());
            }
        },
        stepFailed);
    insertOperation(write);
    return QXAsyncSocket::connectChain(operation);
}

void QXInsSocket::socketDidDisconnect()
{
    endPasswordStep(NotChecked);
}
