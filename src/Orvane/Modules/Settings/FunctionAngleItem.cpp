#include "FunctionAngleItem.h"

#include "AccessibleFocus.h"
#include "Core/Utils.h"
#include "QXColor.h"
#include "QXDashboard.h"
#include "QXDevice.h"
#include "QXEventLoop.h"
#include "QXLocalized.h"
#include "QXView.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace {

constexpr int margin = 20;
constexpr int buttonSize = 40;
constexpr int buttonGap = 5;
constexpr int valueGap = 30;
constexpr qint64 lastAngle = 359;

QFont systemFont(int pixelSize)
{
    QFont font;
    font.setPixelSize(pixelSize);
    return font;
}

QPushButton *framedButton(const QString &title, int pixelSize, QWidget *parent)
{
    auto *button = new QPushButton(title, parent);
    button->setFlat(true);
    button->setFixedSize(buttonSize, buttonSize);
    qxkit::setBorderColor(button, qxkit::globalTextColor());
    qxkit::setBorderWidth(button, 1);
    Utils::setButton(button, qxkit::globalTextColor(), systemFont(pixelSize));
    return button;
}

} // namespace

FunctionAngleItem::FunctionAngleItem(QWidget *parent)
    : FunctionConfigItem(parent)
{
    qxkit::setBgColor(this, qxkit::configLight());
    setPalette(qxkit::darkPalette());
    m_titleLabel = qxkit::label({}, qxkit::globalTextColor(), systemFont(14));
    qxkit::setInternationalKey(m_titleLabel, QStringLiteral("ov_angle_adj"));
    m_titleLabel->setParent(this);

    QXDashboardConfig config;
    config.pointerColor = qxkit::globalThemeColor();
    m_dashboard = new QXDashboard(config, this);
    m_dashboard->setDelegate(this);
    m_dashboard->setAccessibleName(m_titleLabel->text());

    m_subBtn = framedButton(QStringLiteral("-"), 24, this);
    m_subBtn->setAccessibleName(qxLocalized(QStringLiteral("ov_angle_decrease")));
    m_valueBtn = framedButton(QString(), 16, this);
    // Shows the angle only: clicks pass it by and the keyboard skips it.
    qxkit::setUserInterfaceDisabled(m_valueBtn, true);
    m_valueBtn->setFocusPolicy(Qt::NoFocus);
    m_valueBtn->setAccessibleName(m_titleLabel->text());
    m_addBtn = framedButton(QStringLiteral("+"), 24, this);
    m_addBtn->setAccessibleName(qxLocalized(QStringLiteral("ov_angle_increase")));
    connect(m_subBtn, &QPushButton::clicked, this, &FunctionAngleItem::subAction);
    connect(m_addBtn, &QPushButton::clicked, this, &FunctionAngleItem::addAction);
    setTabOrder(m_subBtn, m_addBtn);
}

FunctionAngleItem::~FunctionAngleItem()
{
    m_dashboard->setDelegate(nullptr);
}

void FunctionAngleItem::resizeEvent(QResizeEvent *event)
{
    FunctionConfigItem::resizeEvent(event);
    m_titleLabel->setGeometry(margin, margin, width() - dialSize - 2 * margin, 20);
    const int dialLeft = width() - margin - dialSize;
    const int dialTop = (height() - dialSize) / 2;
    m_dashboard->setGeometry(dialLeft, dialTop, dialSize, dialSize);
    const int valueLeft = dialLeft - valueGap - buttonSize;
    const int valueTop = dialTop + (dialSize - buttonSize) / 2;
    m_valueBtn->move(valueLeft, valueTop);
    m_addBtn->move(valueLeft, valueTop - buttonGap - buttonSize);
    m_subBtn->move(valueLeft, valueTop + buttonSize + buttonGap);
}

qint64 FunctionAngleItem::deviceAngle() const
{
    return currentDeviceStatus().angle();
}

void FunctionAngleItem::showDeviceAngle()
{
    const QString angle = QString::number(deviceAngle());
    m_valueBtn->setText(angle);
    Utils::setButton(m_valueBtn, qxkit::globalTextColor(), systemFont(16));
    // The buttons say the angle they step from, which the operator on them wants to hear.
    m_subBtn->setAccessibleDescription(angle);
    m_addBtn->setAccessibleDescription(angle);
}

void FunctionAngleItem::refresh()
{
    m_dashboard->setValue(double(deviceAngle()));
    showDeviceAngle();
}

// The steps start from the device's angle, not the one shown, so an angle a device reports
// beyond the scale still leads back onto it.
void FunctionAngleItem::subAction()
{
    const qint64 angle = deviceAngle();
    step(m_subBtn, angle >= 1 ? angle - 1 : lastAngle);
}

void FunctionAngleItem::addAction()
{
    const qint64 angle = deviceAngle();
    step(m_addBtn, angle < lastAngle ? angle + 1 : 0);
}

// The pressed button keeps the focus: once the device took the angle and the dial shows it, the
// button is heard again with the new angle.
void FunctionAngleItem::step(QPushButton *pressed, qint64 angle)
{
    sendAngle(qint16(angle), [this, pressed](bool accepted) {
        if (!accepted)
            return;
        m_dashboard->setValue(double(deviceAngle()));
        qxkit::announceFocusAgain(pressed);
    });
}

void FunctionAngleItem::valueChanged(double from, double to)
{
    // The dial takes the new value right after this call; a refusal puts the old one back.
    sendAngle(qint16(std::lround(to)), [this, from](bool accepted) {
        if (!accepted)
            m_dashboard->setValue(from);
    });
}

void FunctionAngleItem::sendAngle(qint16 angle, std::function<void(bool accepted)> completion)
{
    // No gate: a socket that is down or busy answers through the failure, which says so.
    const QPointer<FunctionAngleItem> guard(this);
    const auto finish = [guard, completion](bool accepted) {
        qxOnGuiThread(guard, [completion, accepted](FunctionAngleItem &item) {
            item.showDeviceAngle();
            if (completion)
                completion(accepted);
        });
    };
    sendSetting(
        QXInsCode::angle, angle,
        [finish, angle](const SettingTarget &target, qint64, const QVariant &) {
            if (target.record)
                target.record->editStatus([angle](QXDeviceStatus &status) { status.setAngle(angle); });
            finish(true);
        },
        [finish, error = qxLocalized(QStringLiteral("ov_set_angle_error"))](const SettingTarget &, qint64,
                                                                            const QVariant &) {
            finish(false);
            Utils::showInfoLater(error);
        });
}
