#include "UnionSender.h"

#include "Core/Utils.h"
#include "Dialog.h"
#include "NetworkingDevice.h"
#include "QXConnectManager.h"
#include "QXEventLoop.h"
#include "QXLocalized.h"
#include "QXLog.h"
#include "QXProgress.h"
#include "QXView.h"
#include "UnionProgressSheet.h"
#include "UnionRun.h"

#include <QRegularExpression>

#include <atomic>
#include <limits>

UnionSender::UnionSender(std::shared_ptr<UnionData> unionData, UnionMemberConnector connector)
    : m_unionData(std::move(unionData)), m_connector(std::move(connector))
{
}

void UnionSender::sendInsForAllDevice(QXInsCode code, qint16 data) const
{
    const std::vector<std::shared_ptr<NetworkingDevice>> members = m_unionData->allDevices();
    const UnionProgress progress = UnionProgress::make(memberNames(members));
    QList<UnionRun::Member> tasks;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const std::shared_ptr<NetworkingDevice> member = members.at(i);
        const std::shared_ptr<QXProgress> row = progress.row(qsizetype(i));
        const UnionMemberConnector connector = m_connector;
        tasks.append({nullptr, [connector, member, row, code, data](const UnionRun::Done &done) {
                          connector.connect(member, [connector, member, row, code, data, done](bool connected) {
                              if (!connected) {
                                  row->pause();
                                  return done();
                              }
                              const RowOutcome outcome = rowOutcome(row, done);
                              connector.manager()
                                  .fetchInsSocketWithDevice(member, QXConnectManager::verifiedMode)
                                  ->sendInsWithType(code, data, outcome.success, outcome.failure);
                          });
                      }});
    }
    startUnionRun(m_connector.screen(), tasks, progress);
}

void UnionSender::runMaskTasks(const QList<MaskTask> &maskTasks) const
{
    QStringList names;
    QList<qint64> rowTotals;
    for (const MaskTask &task : maskTasks) {
        names.append(task.first->name());
        rowTotals.append(task.second.size() * kUnionRowUnits);
    }
    const UnionProgress progress = UnionProgress::make(names, rowTotals);
    QList<UnionRun::Member> tasks;
    for (qsizetype i = 0; i < maskTasks.size(); ++i) {
        const MaskTask task = maskTasks.at(i);
        const std::shared_ptr<QXProgress> row = progress.row(i);
        const UnionMemberConnector connector = m_connector;
        tasks.append({nullptr, [connector, task, row](const UnionRun::Done &done) {
                          connector.connect(task.first, [connector, task, row, done](bool connected) {
                              // A member ends when its last instruction has been answered; a
                              // refused one leaves its units missing and the row paused.
                              const auto finishMember = [row, done] {
                                  if (row->fractionCompleted() < 1.0)
                                      row->pause();
                                  done();
                              };
                              if (!connected || task.second.isEmpty())
                                  return finishMember();
                              const std::shared_ptr<QXInsSocket> socket = connector.manager().fetchInsSocketWithDevice(
                                  task.first, QXConnectManager::verifiedMode);
                              auto pending = std::make_shared<std::atomic<qsizetype>>(task.second.size());
                              const auto answered = [pending, finishMember] {
                                  if (pending->fetch_sub(1) == 1)
                                      qxOnGuiThread(finishMember);
                              };
                              for (auto it = task.second.cbegin(); it != task.second.cend(); ++it) {
                                  socket->sendInsWithType(
                                      it.key(), it.value(),
                                      [row, answered](const QXOperationRef &, qint64, const QVariant &) {
                                          row->setCompletedUnitCount(row->completedUnitCount() + kUnionRowUnits);
                                          answered();
                                      },
                                      [answered](const QXOperationRef &, qint64, const QVariant &) { answered(); });
                              }
                          });
                      }});
    }
    startUnionRun(m_connector.screen(), tasks, progress);
}

void UnionSender::confirmThen(std::function<void()> work)
{
    Utils::shareInstance()->showDialogWithType(Utils::DialogType::ensure,
                                               qxLocalized(QStringLiteral("ov_confirm_operate")),
                                               [work](int clicked) {
                                                   if (clicked == Utils::clickOK)
                                                       work();
                                               });
}

void UnionSender::confirmMaskTasks(const QList<MaskTask> &tasks) const
{
    const UnionSender self = *this;
    confirmThen([self, tasks] { self.runMaskTasks(tasks); });
}

void UnionSender::confirmInsForAllDevice(QXInsCode code, qint16 data) const
{
    const UnionSender self = *this;
    confirmThen([self, code, data] { self.sendInsForAllDevice(code, data); });
}

void UnionSender::deleteVideoAction() const
{
    const UnionSender self = *this;
    Modalia::Dialog::showInput(qxLocalized(QStringLiteral("ov_ask_delete_index")), std::nullopt,
                               std::nullopt, m_connector.screen(), [self](const std::optional<QString> &typed) {
                                   const std::optional<qint16> value = typed ? deleteIndexValue(*typed) : std::nullopt;
                                   if (value)
                                       self.sendInsForAllDevice(QXInsCode::deleteItem, *value);
                               });
}

void UnionSender::defaultMaskAction() const
{
    confirmMaskTasks(defaultMaskTasks());
}

void UnionSender::onlyOpenMaskAction(bool open) const
{
    confirmMaskTasks(onlyOpenMaskTasks(open));
}

QList<MaskTask> UnionSender::defaultMaskTasks() const
{
    QList<MaskTask> tasks;
    for (const std::shared_ptr<NetworkingDevice> &member : m_unionData->allDevices())
        tasks.append({member, m_unionData->maskInstructions(member)});
    QXLOG(QStringLiteral("Mask tasks: %1").arg(tasks.size()));
    return tasks;
}

QList<MaskTask> UnionSender::onlyOpenMaskTasks(bool open) const
{
    QList<MaskTask> tasks;
    for (const std::shared_ptr<NetworkingDevice> &member : m_unionData->allDevices()) {
        const qint16 mode = !open ? 0 : m_unionData->isTopDevice(member) ? 1 : 2;
        tasks.append({member, MaskPlan{{QXInsCode::maskMode, mode}}});
    }
    return tasks;
}

std::optional<qint16> UnionSender::deleteIndexValue(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("\\A[+-]?[0-9]+\\z"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int entry = text.toInt(&ok);
    if (!ok || entry - 1 < std::numeric_limits<qint16>::min() || entry > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(entry - 1);
}
