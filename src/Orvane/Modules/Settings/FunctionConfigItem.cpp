#include "FunctionConfigItem.h"

#include "Core/Utils.h"
#include "InfoDisplayable.h"
#include "QXInsSocket.h"
#include "QXColor.h"
#include "QXLocalized.h"
#include "QXView.h"

#include <QLabel>

FunctionConfigItem::FunctionConfigItem(QWidget *parent)
    : QWidget(parent)
{
}

FunctionConfigItem::~FunctionConfigItem() = default;

std::shared_ptr<NetworkingDevice> FunctionConfigItem::device() const
{
    return m_device;
}

void FunctionConfigItem::setDevice(const std::shared_ptr<NetworkingDevice> &device)
{
    m_device = device;
}

InfoDisplayable *FunctionConfigItem::infoDisplayer() const
{
    return m_infoDisplayer;
}

void FunctionConfigItem::setInfoDisplayer(InfoDisplayable *infoDisplayer)
{
    m_infoDisplayer = infoDisplayer;
}

FunctionConfigItem::Gate FunctionConfigItem::passGate()
{
    const std::shared_ptr<QXInsSocket> socket = insSocket();
    if (socket->isDisconnected()) {
        Utils::shareInstance()->showDialogWithType(Utils::DialogType::info,
                                                   qxLocalized(QStringLiteral("ov_conn_fail_tip")), nullptr);
        return Gate::disconnected;
    }
    return socket->currentIns() == -1 ? Gate::open : Gate::busy;
}

void FunctionConfigItem::confirm(const QString &key, std::function<void(bool confirmed)> answered)
{
    const QPointer<FunctionConfigItem> guard(this);
    Utils::shareInstance()->showDialogWithType(Utils::DialogType::ensure, qxLocalized(key),
                                               [guard, answered = std::move(answered)](int click) {
                                                   if (guard)
                                                       answered(click == Utils::clickOK);
                                               });
}

void FunctionConfigItem::sendSetting(QXInsCode code, qint16 value, SendOutcome accepted, SendOutcome failed)
{
    const std::shared_ptr<QXInsSocket> socket = insSocket();
    const SettingTarget target{currentDevice(), socket};
    socket->sendInsWithType(
        code, value,
        [target, accepted = std::move(accepted)](const QXOperationRef &, qint64 result, const QVariant &payload) {
            if (accepted)
                accepted(target, result, payload);
        },
        [target, failed = std::move(failed)](const QXOperationRef &, qint64 result, const QVariant &payload) {
            if (failed)
                failed(target, result, payload);
        });
}

void FunctionConfigItem::showInfoKey(const QString &key) const
{
    if (!key.isEmpty() && m_infoDisplayer)
        m_infoDisplayer->showLocalizedInfo(key);
}

QLabel *keyedLabel(const char *key)
{
    QLabel *label = qxkit::label({}, qxkit::globalTextColor());
    qxkit::setInternationalKey(label, QString::fromLatin1(key));
    return label;
}
