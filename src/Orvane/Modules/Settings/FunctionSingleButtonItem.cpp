#include "FunctionSingleButtonItem.h"

#include "Core/Utils.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXLocalized.h"
#include "QXView.h"

#include <QHBoxLayout>
#include <QLabel>

FunctionSingleButtonItem::FunctionSingleButtonItem(QWidget *parent)
    : FunctionConfigItem(parent)
{
    qxkit::setBgColor(this, qxkit::configLight());
    setPalette(qxkit::darkPalette());
    m_titleLabel = qxkit::label({}, qxkit::globalTextColor());
    m_btn = new QXButton(this);
    m_btn->setFixedHeight(32);
    m_btn->setMinimumWidth(140);
    Utils::setButton(m_btn, std::nullopt, std::nullopt);
    connect(m_btn, &QPushButton::clicked, this, &FunctionSingleButtonItem::btnAction);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(m_titleLabel, 1);
    layout->addWidget(m_btn);
}

FunctionSingleButtonItem::~FunctionSingleButtonItem() = default;

void FunctionSingleButtonItem::configure(const QString &title, const QString &buttonTitle, QXInsCode ins,
                                         SendOutcome completion)
{
    m_ins = ins;
    qxkit::setInternationalKey(m_titleLabel, title);
    qxkit::setInternationalKey(m_btn, buttonTitle);
    m_btn->setAccessibleDescription(m_titleLabel->text());
    m_completion = std::move(completion);
}

void FunctionSingleButtonItem::btnAction()
{
    const Gate gate = passGate();
    if (gate == Gate::disconnected || !m_ins)
        return;
    const std::shared_ptr<QXDevice> record = currentDevice();
    if (*m_ins == QXInsCode::staToAp && record && record->mode() == QXConnectManager::plainMode) {
        Utils::shareInstance()->showDialogWithType(Utils::DialogType::info,
                                                   qxLocalized(QStringLiteral("ov_already_normal_mode")),
                                                   nullptr);
        return;
    }
    if (gate == Gate::busy || m_ensureInfoKey.isEmpty())
        return;
    confirm(m_ensureInfoKey, [this](bool confirmed) {
        if (confirmed)
            sendSetting(*m_ins, 0, m_completion, m_completion);
    });
}
