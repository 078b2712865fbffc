#include "UnionUploader.h"

#include "NetworkingDevice.h"
#include "QXConnectManager.h"
#include "QXFile.h"
#include "QXLocalized.h"
#include "QXProgress.h"
#include "QXQFileInfo.h"
#include "QXView.h"
#include "Transcode/TranscodeManager.h"
#include "UnionData.h"
#include "UnionProgressSheet.h"
#include "UnionRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFuture>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace {

constexpr qreal kConversionRowHeight = 200;
// What the single conversion shows at once, so the operator sees that it has begun.
constexpr qint64 kConversionStarted = 5;

} // namespace

struct UnionUploader::ConversionSheet
{
    UnionProgress progress;
    QPointer<MultyProgressDialogController> sheet;

    std::shared_ptr<QXProgress> row() const { return progress.row(0); }
    // The conversion failed: the operator may now close the sheet.
    void failed() const
    {
        progress.total->pause();
        if (sheet)
            sheet->setConfirmEnabled(true);
    }
    void dismiss() const
    {
        if (sheet)
            sheet->accept();
    }
};

UnionUploader::UnionUploader(std::shared_ptr<UnionData> unionData, std::shared_ptr<TranscodeManager> transcoder,
                             UnionMemberConnector context)
    : m_unionData(std::move(unionData)), m_transcoder(std::move(transcoder)), m_context(std::move(context))
{
}

UnionUploader::ConversionSheet UnionUploader::presentConversionSheet() const
{
    ConversionSheet conversion{UnionProgress::make({qxLocalized(QStringLiteral("ov_cut_transcode"))}), {}};
    conversion.sheet = presentUnionProgress(m_context.screen(), conversion.progress, false, kConversionRowHeight);
    return conversion;
}

void UnionUploader::whenConverted(QFuture<QString> converted, const ConversionSheet &conversion,
                                  std::function<void(const QString &)> done)
{
    QObject *const gui = QCoreApplication::instance();
    converted.then(gui, std::move(done))
        .onFailed(gui, [conversion] { conversion.failed(); })
        .onCanceled(gui, [conversion] { conversion.failed(); });
}

void UnionUploader::cutAndUploadAction(const QString &path) const
{
    const ConversionSheet conversion = presentConversionSheet();
    const std::shared_ptr<QXProgress> row = conversion.row();
    const UnionUploader self = *this;
    const QFuture<QString> cut = m_transcoder->cut(path, nullptr, m_unionData, true, [row](float fraction) {
        row->setCompletedUnitCount(qint64(fraction * float(kUnionRowUnits)));
    });
    whenConverted(cut, conversion, [self, conversion](const QString &folder) {
        conversion.dismiss();
        self.uploadCuttedAction(folder);
    });
}

void UnionUploader::uploadCuttedAction(const QString &folder) const
{
    upload(cuttedPairs(folder));
}

void UnionUploader::uploadSameAction(const QString &path) const
{
    const ConversionSheet conversion = presentConversionSheet();
    conversion.row()->setCompletedUnitCount(kConversionStarted);
    const UnionUploader self = *this;
    const std::shared_ptr<UnionData> unionData = m_unionData;
    // A failed conversion fails the future, as a failed cut does.
    const QFuture<QString> converted = QtConcurrent::run(m_transcoder->operationQueue(), [path, unionData] {
        const TranscodeResult result = TranscodeManager::transcode(path, *unionData);
        if (const EditError *error = std::get_if<EditError>(&result))
            error->raise();
        return std::get<QString>(result);
    });
    whenConverted(converted, conversion, [self, conversion](const QString &file) {
        conversion.row()->setCompletedUnitCount(kUnionRowUnits);
        conversion.dismiss();
        QList<UploadPair> files;
        for (const std::shared_ptr<NetworkingDevice> &member : self.m_unionData->allDevices())
            files.append({member, file});
        self.upload(files);
    });
}

void UnionUploader::upload(const QList<UploadPair> &files) const
{
    if (files.isEmpty())
        return;
    QStringList names;
    for (const UploadPair &pair : files)
        names.append(pair.first->name());
    const UnionProgress progress = UnionProgress::make(names);
    QList<UnionRun::Member> tasks;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const std::shared_ptr<QXFileSocket> socket =
            m_context.manager().fetchFileSocketWithDevice(files.at(i).first, QXConnectManager::verifiedMode);
        const std::shared_ptr<QXProgress> row = progress.row(i);
        auto file = std::make_shared<QXFile>(files.at(i).second, uploadName(files.at(i).second));
        file->setAlreadyTranscoded(true);
        tasks.append({socket.get(), [socket, file, row](const UnionRun::Done &done) {
                          const RowOutcome outcome = rowOutcome(row, done);
                          socket->sendFiles(
                              {file}, {},
                              [row](const QXOperationRef &, qint64, const QVariant &fraction) {
                                  bool isNumber = false;
                                  const double value = fraction.toDouble(&isNumber);
                                  // Sent is not stored: the row completes with the fan's answer.
                                  if (isNumber)
                                      row->setCompletedUnitCount(std::min(qint64(value * kUnionRowUnits), kUnionRowUnits - 1));
                              },
                              outcome.success, outcome.failure);
                      }});
    }
    startUnionRun(m_context.screen(), tasks, progress);
}

std::optional<QString> UnionUploader::tileURL(const QString &folder, qint64 row, qint64 colomn)
{
    QStringList parts = QFileInfo(QDir::cleanPath(folder)).fileName().split(QLatin1Char('_'));
    if (parts.size() < 2)
        return std::nullopt;
    parts.removeLast();
    // The folder's name is the operator's: joined, never formatted, so a "%1" in it stays as it is.
    return QDir(folder).filePath(parts.join(QLatin1Char('_'))
                                 + QStringLiteral("_result_%1_%2.mp4").arg(row + 1).arg(colomn + 1));
}

QList<UploadPair> UnionUploader::cuttedPairs(const QString &folder) const
{
    QList<UploadPair> pairs;
    for (qint64 r = 0; r < m_unionData->row(); ++r) {
        for (qint64 c = 0; c < m_unionData->colomn(); ++c) {
            const std::shared_ptr<NetworkingDevice> member = m_unionData->device(r, c);
            if (!member || member->name().isEmpty())
                continue;
            const std::optional<QString> tile = tileURL(folder, r, c);
            if (tile && QFileInfo(*tile).isFile())
                pairs.append({member, *tile});
        }
    }
    return pairs;
}

QString UnionUploader::uploadName(const QString &path)
{
    return QFileInfo(QXPlayListText::cleanUploadName(QFileInfo(path).fileName())).completeBaseName();
}
