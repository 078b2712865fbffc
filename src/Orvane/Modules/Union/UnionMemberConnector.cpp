#include "UnionMemberConnector.h"

#include "Core/Utils.h"
#include "Dialog.h"
#include "NetworkingDevice.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXEventLoop.h"
#include "QXLocalized.h"
#include "QXLog.h"
#include "QXSocketCode.h"
#include "QXView.h"

namespace {

void finish(const UnionMemberConnector::Completion &completion, bool connected)
{
    qxOnGuiThread([completion, connected] { completion(connected); });
}

} // namespace

UnionMemberConnector::UnionMemberConnector(QWidget *screen, QXConnectManager &manager)
    : m_screen(screen), m_manager(&manager)
{
}

void UnionMemberConnector::connect(const std::shared_ptr<NetworkingDevice> &device, Completion completion) const
{
    const QString password = m_manager->pwdOfDevice(device->name());
    if (password.isEmpty())
        askPassword(device, std::move(completion));
    else
        connect(device, password, true, std::move(completion));
}

void UnionMemberConnector::askPassword(const std::shared_ptr<NetworkingDevice> &device, Completion completion) const
{
    const UnionMemberConnector self = *this;
    qxOnGuiThread([self, device, completion] {
        if (!self.m_screen)
            return completion(false);
        const QString prompt = qxLocalized(QStringLiteral("ov_connect_device")) + QLatin1Char(':')
            + device->name() + QLatin1Char(',') + qxLocalized(QStringLiteral("ov_psd")) + QLatin1Char(':');
        Modalia::Dialog::showPasswordInput(prompt, std::nullopt, std::nullopt, self.m_screen,
                                           [self, device, completion](const std::optional<QString> &typed) {
                                               if (!typed || !self.m_screen)
                                                   return completion(false);
                                               self.connect(device, *typed, false, completion);
                                           });
    });
}

void UnionMemberConnector::connect(const std::shared_ptr<NetworkingDevice> &device, const QString &password,
                                   bool askOnFailure, Completion completion) const
{
    if (password.size() < minimumPasswordLength) {
        finish(completion, false);
        Utils::showInfoLater(qxLocalized(QStringLiteral("ov_psd_wrong")));
        return;
    }
    const std::shared_ptr<QXInsSocket> socket = m_manager->fetchInsSocketWithDevice(device, QXConnectManager::verifiedMode);
    // A member still connected from an earlier run passed its password step then, and that
    // password was stored when the member accepted it: nothing to check or store again.
    if (socket->isConnected() && socket->verifyState() == QXInsSocket::Accepted)
        return finish(completion, true);
    // Taking the socket put the stored password on the pooled record, and every fresh connection
    // copies the record's password onto the socket: the record must hold the one to try.
    if (const std::shared_ptr<QXDevice> record = m_manager->fethcDeviceFor(socket.get()))
        record->setWifiPwd(password);
    socket->setShouldVerify(true);
    socket->setVerifyData(password.toUtf8());
    QXLOG(QStringLiteral("Trying Connect"));
    const UnionMemberConnector self = *this;
    socket->connectedWithSuccess(
        [self, device, password, completion](const QXOperationRef &, qint64, const QVariant &) {
            qxOnGuiThread([self, device, password, completion] {
                // Writing the store costs a settings file write on the GUI thread; a password
                // that is stored already is left as it is.
                if (self.m_screen && self.m_manager->pwdOfDevice(device->name()) != password)
                    self.m_manager->addDevice(device->name(), password);
                completion(true);
            });
        },
        [self, device, askOnFailure, completion](const QXOperationRef &, qint64 code, const QVariant &) {
            // Only a refused stored password asks for another: a fan that cannot be reached
            // would not take a typed one either.
            if (askOnFailure && code == QXSocketCode::checkFailed)
                return self.askPassword(device, completion);
            finish(completion, false);
            Utils::showInfoLater(qxLocalized(QStringLiteral("ov_conn_fail_tip")));
        });
}
