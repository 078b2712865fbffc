#include "QXFileSocket.h"

#include "QXEventLoop.h"
#include "QXLocalized.h"
#include "QXLog.h"
#include "QXSocketCode.h"
#include "QXSocketFileOperation.h"
#include "QXSocketReadOperation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThreadPool>

namespace {

const QString kEmptyList = QStringLiteral("文件列表为空!");
const QString kConnectFailed = QStringLiteral("Socket自动连接失败");
const QString kBadPassword = QStringLiteral("密码格式错误");
const QString kNoConvertedFile = QStringLiteral("转码文件不存在");
const QString kAnswerFailed = QStringLiteral("发送文件碎片失败");
const QString kListFailed = QStringLiteral("发送列表文件失败");
const QString kUnsafeName = QStringLiteral("文件名不能包含 , ; # 或换行");
constexpr qsizetype kPasswordLength = 8;

// The device link's own workers for conversion and file opening: never the GUI thread, never a
// socket thread, never the application's global pool.
QThreadPool &workerPool()
{
    static QThreadPool pool;
    return pool;
}

// Every socket converts into the same "out.mp4": deleting, converting and opening it happen as
// one step across the whole process, so two uploads converting at once never overwrite each other.
// A file already converted needs none of it: it never waits here, behind another fan's conversion.
std::mutex &outputMutex()
{
    static std::mutex mutex;
    return mutex;
}

bool isSameFile(const QString &a, const QString &b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

void logDisconnect(qint64, const QVariant &)
{
    QXLOG(QStringLiteral("fileSocket diconnect"));
}

} // namespace

void QXFileSocketDelegate::fileSocket(QXFileSocket *, const QString &, const QString &)
{
}

void QXFileSocketDelegate::fileSocket(QXFileSocket *, const QString &, const QString &, const QString &,
                                      QXPasswordAction action)
{
    action(std::nullopt);
}

QXFileSocket::QXFileSocket() : m_self(std::make_shared<QXFileSocket *>(this))
{
    setSendBufferSize(kSendBufferSize);
}

QXFileSocket::QXFileSocket(const QString &host, quint16 port)
    : QXAsyncSocket(host, port), m_self(std::make_shared<QXFileSocket *>(this))
{
    setSendBufferSize(kSendBufferSize);
}

QXFileSocket::~QXFileSocket()
{
    // Worker tasks call back into the socket (they queue the transfer), so they end first; blocks
    // on the socket thread may still run meanwhile, and find every member alive.
    {
        std::unique_lock lock(m_tasksMutex);
        m_closing = true;
        m_tasksDone.wait(lock, [this] { return m_tasks == 0; });
    }
    m_self.reset();
    shutdown();
}

QXFileSocketDelegate *QXFileSocket::fileDelegate() const
{
    return dynamic_cast<QXFileSocketDelegate *>(delegate());
}

qint64 QXFileSocket::currentIns() const
{
    if (m_transcoding.load())
        return Transcoding;
    const qint64 tag = currentTag();
    if (tag != 0)
        return tag;
    // Claimed but between steps: connecting, or between two files of a list.
    return m_claimed.load() ? Transcoding : Idle;
}

bool QXFileSocket::isTranscoding() const
{
    return m_transcoding.load();
}

QXFileRef QXFileSocket::file() const
{
    std::lock_guard lock(m_mutex);
    return m_file;
}

void QXFileSocket::setFile(const QXFileRef &file)
{
    std::lock_guard lock(m_mutex);
    m_file = file;
}

QList<QXFileRef> QXFileSocket::uploadingFiles() const
{
    std::lock_guard lock(m_mutex);
    return m_uploadingFiles;
}

bool QXFileSocket::shouldVerify() const
{
    std::lock_guard lock(m_mutex);
    return m_shouldVerify;
}

void QXFileSocket::setShouldVerify(bool verify)
{
    std::lock_guard lock(m_mutex);
    m_shouldVerify = verify;
}

QString QXFileSocket::wifiName() const
{
    std::lock_guard lock(m_mutex);
    return m_wifiName;
}

void QXFileSocket::setWifiName(const QString &name)
{
    std::lock_guard lock(m_mutex);
    m_wifiName = name;
}

QString QXFileSocket::wifiPwd() const
{
    std::lock_guard lock(m_mutex);
    return m_wifiPwd;
}

void QXFileSocket::setWifiPwd(const QString &password)
{
    std::lock_guard lock(m_mutex);
    m_wifiPwd = password;
}

QString QXFileSocket::resolution() const
{
    std::lock_guard lock(m_mutex);
    return m_resolution;
}

void QXFileSocket::setResolution(const QString &resolution)
{
    std::lock_guard lock(m_mutex);
    m_resolution = resolution;
}

QString QXFileSocket::rate() const
{
    std::lock_guard lock(m_mutex);
    return m_rate;
}

void QXFileSocket::setRate(const QString &rate)
{
    std::lock_guard lock(m_mutex);
    m_rate = rate;
}

QXConverterRunner QXFileSocket::ffmpeg_mac() const
{
    std::lock_guard lock(m_mutex);
    return m_ffmpegMac;
}

void QXFileSocket::setFfmpeg_mac(QXConverterRunner runner)
{
    std::lock_guard lock(m_mutex);
    m_ffmpegMac = std::move(runner);
}

QXMainRunner QXFileSocket::ffmpeg_main() const
{
    std::lock_guard lock(m_mutex);
    return m_ffmpegMain;
}

void QXFileSocket::setFfmpeg_main(QXMainRunner runner)
{
    std::lock_guard lock(m_mutex);
    m_ffmpegMain = std::move(runner);
}

void QXFileSocket::setMediaSizeProbe(QXMediaSizeProbe probe)
{
    std::lock_guard lock(m_mutex);
    m_probe = std::move(probe);
}

qint64 QXFileSocket::plainPort() const
{
    std::lock_guard lock(m_mutex);
    return m_plainPort;
}

void QXFileSocket::setPlainPort(qint64 port)
{
    std::lock_guard lock(m_mutex);
    m_plainPort = port;
}

qint64 QXFileSocket::passwordPort() const
{
    std::lock_guard lock(m_mutex);
    return m_passwordPort;
}

void QXFileSocket::setPasswordPort(qint64 port)
{
    std::lock_guard lock(m_mutex);
    m_passwordPort = port;
}

// Connecting and the password step.

QXOperationRef QXFileSocket::connectedWithSuccess(QXOperationBlock success, QXOperationBlock failure)
{
    QXLOG(QStringLiteral("尝试连接：%1,%2").arg(IP(), QString::number(port())));
    setPort(plainPort());
    return QXAsyncSocket::connectedWithSuccess(
        success, [this, success, failure](const QXOperationRef &, qint64, const QVariant &) {
            connectWithPassword(success, failure);
        });
}

void QXFileSocket::connectWithPassword(QXOperationBlock success, QXOperationBlock failure)
{
    setPort(passwordPort());
    QXAsyncSocket::connectedWithSuccess(
        [this, success, failure](const QXOperationRef &operation, qint64 code, const QVariant &payload) {
            if (!shouldVerify()) {
                if (success)
                    success(operation, code, payload);
                return;
            }
            if (QXAsyncSocketDelegate *d = delegate())
                setWifiPwd(d->passwordForDeviceName(wifiName()));
            const QString stored = wifiPwd();
            if (stored.isEmpty()) {
                checkPasswordWithDialog(success, failure);
                return;
            }
            checkPassword(stored, success, [this, success, failure](const QXOperationRef &, qint64, const QVariant &) {
                checkPasswordWithDialog(success, failure);
            });
        },
        failure);
}

void QXFileSocket::checkPassword(const QString &password, QXOperationBlock success, QXOperationBlock failure)
{
    if (password.size() != kPasswordLength) {
        failAndDisconnect(failure, qxCode(QXSocketCode::badArgument), kBadPassword);
        return;
    }
    QXAsyncSocket::connectedWithSuccess(
        [this, password, success, failure](const QXOperationRef &operation, qint64, const QVariant &) {
            auto write = QXSocketWriteOperation::writeOperationWithTimeout(double(writeTimeout()), password.toUtf8(),
                                                                           nullptr, failure);
            write->setSecret(true);
            operation->thenOperation(write);
            write->tagged(CheckingPassword);
            write->thenReadTimeout(
                double(readTimeout()),
                [this, password, success, failure](const QXOperationRef &read, qint64, const QVariant &payload) {
                    const QByteArray reply = payload.toByteArray();
                    if (!reply.startsWith('1')) {
                        if (failure)
                            failure(read, qxCode(QXSocketCode::checkFailed), reply);
                        return;
                    }
                    if (success)
                        success(read, qxCode(QXSocketCode::success), reply);
                    if (QXFileSocketDelegate *d = fileDelegate())
                        d->fileSocket(this, password, wifiName());
                },
                [failure](const QXOperationRef &read, qint64, const QVariant &error) {
                    if (failure)
                        failure(read, qxCode(QXSocketCode::checkFailed), error);
                });
        },
        failure);
}

void QXFileSocket::checkPasswordWithDialog(QXOperationBlock success, QXOperationBlock failure)
{
    const QString name = wifiName();
    const QString prompt = QStringLiteral("%1%2,%3:").arg(qxLocalized("ov_connect_device"),
                                                          name.isEmpty() ? QString() : QStringLiteral(":%1").arg(name),
                                                          qxLocalized("ov_psd"));
    const std::weak_ptr<QXFileSocket *> weak = m_self;
    auto answered = std::make_shared<std::atomic<bool>>(false);
    QXPasswordAction action = [weak, answered, success, failure](const std::optional<QString> &password) {
        if (answered->exchange(true))
            return;
        const std::shared_ptr<QXFileSocket *> self = weak.lock();
        if (!self)
            return;
        if (password)
            (*self)->checkPassword(*password, success, failure);
        else
            (*self)->failAndDisconnect(failure, qxCode(QXSocketCode::checkFailed), QVariant());
    };
    if (!QCoreApplication::instance()) {
        action(std::nullopt);
        return;
    }
    qxOnGuiThread([weak, prompt, action] {
        const std::shared_ptr<QXFileSocket *> self = weak.lock();
        if (!self)
            return;
        QXFileSocketDelegate *d = (*self)->fileDelegate();
        if (!d) {
            action(std::nullopt);
            return;
        }
        d->fileSocket(*self, prompt, QString(), QString(), action);
    });
}

void QXFileSocket::failAndDisconnect(const QXOperationBlock &failure, qint64 code, const QVariant &payload)
{
    // Down first, so a caller that starts again from its failure block gets a fresh connection.
    disconnectWtihBlock(nullptr);
    if (failure)
        failure(nullptr, code, payload);
}

// Uploads.

bool QXFileSocket::claim()
{
    bool expected = false;
    return m_claimed.compare_exchange_strong(expected, true);
}

void QXFileSocket::release()
{
    m_claimed.store(false);
}

void QXFileSocket::refuseBusy(const QXOperationBlock &failure)
{
    const qint64 busy = currentIns();
    if (const QXSocketBlock common = commonFailBlock())
        common(qxCode(QXSocketCode::busy), busy);
    if (failure)
        failure(nullptr, qxCode(QXSocketCode::busy), busy);
}

QXFileSocket::FileBlocks QXFileSocket::releasingBlocks(const FileBlocks &blocks)
{
    const auto releasing = [this](const QXOperationBlock &block) -> QXOperationBlock {
        return [this, block](const QXOperationRef &operation, qint64 code, const QVariant &payload) {
            release();
            if (block)
                block(operation, code, payload);
        };
    };
    return {blocks.translate, blocks.progress, releasing(blocks.success), releasing(blocks.failure)};
}

void QXFileSocket::sendFiles(const QList<QXFileRef> &files, QXTranslateBlock translate, QXOperationBlock progress,
                             QXOperationBlock success, QXOperationBlock failure)
{
    if (files.isEmpty() || files.contains(nullptr)) {
        if (failure)
            failure(nullptr, qxCode(QXSocketCode::badArgument), kEmptyList);
        return;
    }
    if (!claim()) {
        refuseBusy(failure);
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_uploadingFiles = files;
    }
    const FileBlocks blocks{std::move(translate), std::move(progress), std::move(success), std::move(failure)};
    if (status() == Connected) {
        sendNextFile(blocks);
        return;
    }
    connectedWithSuccess([this, blocks](const QXOperationRef &, qint64, const QVariant &) { sendNextFile(blocks); },
                         [this, blocks](const QXOperationRef &, qint64, const QVariant &) {
                             {
                                 std::lock_guard lock(m_mutex);
                                 m_uploadingFiles.clear();
                             }
                             // A connection whose password was refused must not carry the next upload.
                             disconnectWtihBlock(nullptr);
                             release();
                             if (blocks.failure)
                                 blocks.failure(nullptr, qxCode(QXSocketCode::notConnected), kConnectFailed);
                         });
}

void QXFileSocket::sendNextFile(const FileBlocks &blocks)
{
    QXFileRef next;
    {
        std::lock_guard lock(m_mutex);
        next = m_uploadingFiles.value(0);
    }
    const auto finishing = [this, blocks](const QXOperationBlock &block) -> QXOperationBlock {
        return [this, blocks, block](const QXOperationRef &operation, qint64 code, const QVariant &payload) {
            bool more = false;
            {
                std::lock_guard lock(m_mutex);
                if (!m_uploadingFiles.isEmpty())
                    m_uploadingFiles.removeFirst();
                more = !m_uploadingFiles.isEmpty();
            }
            if (!more)
                release();
            if (block)
                block(operation, code, payload);
            if (more)
                sendNextFile(blocks);
        };
    };
    uploadFile(next, {blocks.translate, blocks.progress, finishing(blocks.success), finishing(blocks.failure)});
}

void QXFileSocket::sendFile(const QXFileRef &file, QXTranslateBlock translate, QXOperationBlock progress,
                            QXOperationBlock success, QXOperationBlock failure)
{
    if (!file) {
        if (failure)
            failure(nullptr, qxCode(QXSocketCode::badArgument), kEmptyList);
        return;
    }
    if (!claim()) {
        refuseBusy(failure);
        return;
    }
    uploadFile(file, releasingBlocks({std::move(translate), std::move(progress), std::move(success),
                                      std::move(failure)}));
}

void QXFileSocket::sendFile(const QString &path, const QString &name, QXTranslateBlock translate,
                            QXOperationBlock progress, QXOperationBlock success, QXOperationBlock failure)
{
    sendFile(std::make_shared<QXFile>(path, name), std::move(translate), std::move(progress), std::move(success),
             std::move(failure));
}

void QXFileSocket::uploadFile(const QXFileRef &file, const FileBlocks &blocks)
{
    setFile(file);
    m_transcoding.store(true);
    if (blocks.translate)
        blocks.translate(false, file->path());
    runOnWorker([this, file, blocks] {
        QVariant reason;
        qint64 code = 0;
        if (QXFile::hasUnsafeCharacters(file->actualName())) {
            code = qxCode(QXSocketCode::badArgument);
            reason = kUnsafeName;
        } else if (!prepareFile(file)) {
            code = qxCode(QXSocketCode::checkFailed);
            reason = kNoConvertedFile;
        }
        if (code != 0) {
            m_transcoding.store(false);
            if (blocks.failure)
                blocks.failure(nullptr, code, reason);
            return;
        }
        if (blocks.translate)
            blocks.translate(true, file->path());
        transferFile(file, blocks);
    });
}

bool QXFileSocket::prepareFile(const QXFileRef &file)
{
    if (file->alreadyTranscoded())
        return file->update();
    std::lock_guard lock(outputMutex());
    const QString target = file->translatePath();
    // The operator's own file may lie where the copy goes (a file picked in the application's data
    // folder): it is never deleted.
    const bool ownFile = isSameFile(file->path(), target);
    if (!ownFile)
        QFile::remove(target);
    switch (file->type()) {
    case QXFileType::Video:
    case QXFileType::Picture:
        // A converter that fails, or leaves nothing, must never lead to an upload: whatever it left
        // is removed, and the file fails.
        if (transcodeMacVideo(file->type() == QXFileType::Video) != 0 || QFileInfo(target).size() <= 0) {
            if (!ownFile)
                QFile::remove(target);
            return false;
        }
        break;
    case QXFileType::SystemFile:
        if (!ownFile) {
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(file->path(), target);
        }
        break;
    case QXFileType::None:
    case QXFileType::PlayList:
    case QXFileType::Other:
    case QXFileType::Unused:
        break;
    }
    return file->update();
}

void QXFileSocket::transferFile(const QXFileRef &file, const FileBlocks &blocks)
{
    const auto progress = [this, file, blocks](const QXOperationRef &operation, qint64, const QVariant &) {
        m_transcoding.store(false);
        const qint64 size = file->size();
        const qint64 left = file->leftLength();
        // An empty file is complete as soon as its head is written.
        const double done = size > 0 ? 1.0 - double(left) / double(size) : 1.0;
        if (lcOrvaneDevice().isDebugEnabled())
            QXLOG(QStringLiteral("progress:%1").arg(done, 0, 'f', 6));
        if (blocks.progress)
            blocks.progress(operation, qxCode(QXSocketCode::success), done);
        if (left < 1 && file->type() == QXFileType::SystemFile) {
            // A device program gets no answer byte.
            operation->giveupThen();
            disconnectWtihBlock(logDisconnect);
            if (blocks.success)
                blocks.success(operation, qxCode(QXSocketCode::success), QVariant::fromValue(file));
        }
    };
    const auto writeFailed = [this, blocks](const QXOperationRef &operation, qint64 code, const QVariant &payload) {
        m_transcoding.store(false);
        disconnectWtihBlock(logDisconnect);
        if (blocks.failure)
            blocks.failure(operation, code, payload);
    };
    const auto answered = [this, file, blocks](const QXOperationRef &operation, qint64, const QVariant &) {
        m_transcoding.store(false);
        disconnectWtihBlock(logDisconnect);
        if (blocks.success)
            blocks.success(operation, qxCode(QXSocketCode::success), QVariant::fromValue(file));
    };
    const auto answerFailed = [this, blocks](const QXOperationRef &operation, qint64 code, const QVariant &) {
        m_transcoding.store(false);
        disconnectWtihBlock(logDisconnect);
        if (blocks.failure)
            blocks.failure(operation, code, kAnswerFailed);
    };
    const auto step =
        QXSocketFileOperation::fileOperationWithTimeout(double(writeTimeout()), file, progress, writeFailed);
    step->tagged(UploadingFile);
    step->thenReadTimeout(double(readTimeout()), 1, answered, answerFailed);
    connectThen(step);
}

void QXFileSocket::sendListWithName(const QString &name, const QString &content, QXOperationBlock,
                                    QXOperationBlock success, QXOperationBlock failure)
{
    if (!claim()) {
        refuseBusy(failure);
        return;
    }
    if (QXFile::hasUnsafeCharacters(name)) {
        release();
        if (failure)
            failure(nullptr, qxCode(QXSocketCode::badArgument), kUnsafeName);
        return;
    }
    const auto write = QXSocketWriteOperation::writeOperationWithTimeout(
        double(writeTimeout()), listWithFileName(name, content),
        [this, success](const QXOperationRef &operation, qint64, const QVariant &) {
            disconnectWtihBlock(nullptr);
            release();
            if (success)
                success(operation, qxCode(QXSocketCode::success), QStringLiteral("writeSuccess"));
        },
        [this, failure](const QXOperationRef &operation, qint64 code, const QVariant &) {
            disconnectWtihBlock(nullptr);
            release();
            if (failure)
                failure(operation, code, kListFailed);
        });
    write->tagged(UploadingList);
    connectThen(write);
}

QByteArray QXFileSocket::listWithFileName(const QString &name, const QString &content)
{
    return QXFile::listWithFileName(name, content);
}

// Conversion.

int QXFileSocket::transcodeMacVideo(bool video)
{
    const QXConverterRunner runner = ffmpeg_mac();
    const QXFileRef source = file();
    if (!runner || !source)
        return -1;
    const std::optional<QXMediaSizeProbe> measured = measuredSource(source->path());
    if (!measured)
        return -1;
    const QString output = source->translatePath();
    const QStringList arguments =
        QXMediaConversion::argumentsFor(resolution(), rate(), source->path(), output, video, *measured);
    if (arguments.isEmpty())
        return -1;
    QDir().mkpath(QFileInfo(output).absolutePath());
    return runner(arguments);
}

int QXFileSocket::transcodeVideo(bool video)
{
    const QXMainRunner runner = ffmpeg_main();
    const QXFileRef source = file();
    if (!runner || !source)
        return -1;
    QXLOG(QStringLiteral("分辨率：%1").arg(QXMediaConversion::sizeText(resolution())));
    const std::optional<QXMediaSizeProbe> measured = measuredSource(source->path());
    if (!measured)
        return -1;
    const QString output = source->translatePath();
    const QStringList arguments =
        QXMediaConversion::olderArgumentsFor(resolution(), rate(), source->path(), output, video, *measured);
    if (arguments.isEmpty())
        return -1;
    QDir().mkpath(QFileInfo(output).absolutePath());
    QByteArrayList texts;
    std::vector<const char *> argv;
    for (const QString &argument : arguments)
        texts.append(argument.toUtf8());
    for (const QByteArray &text : std::as_const(texts))
        argv.push_back(text.constData());
    argv.push_back(nullptr);
    const int status = runner(int(texts.size()), argv.data());
    QXLOG(QStringLiteral("transcodeVideo已经结束"));
    return status;
}

QXMediaSizeProbe QXFileSocket::mediaSizeProbe() const
{
    std::lock_guard lock(m_mutex);
    return m_probe;
}

QSizeF QXFileSocket::getResolutionForFileUrl(const QString &path) const
{
    const QXMediaSizeProbe probe = mediaSizeProbe();
    return probe ? probe(path) : QXMediaConversion::probeMediaSize(path);
}

std::optional<QXMediaSizeProbe> QXFileSocket::measuredSource(const QString &path) const
{
    const QSizeF size = getResolutionForFileUrl(path);
    if (QXMediaConversion::holdsNoPicture(size))
        return std::nullopt;
    return [size](const QString &) { return size; };
}

void QXFileSocket::runOnWorker(std::function<void()> task)
{
    {
        std::lock_guard lock(m_tasksMutex);
        if (m_closing)
            return;
        ++m_tasks;
    }
    workerPool().start([this, task = std::move(task)] {
        task();
        std::lock_guard lock(m_tasksMutex);
        --m_tasks;
        m_tasksDone.notify_all();
    });
}
