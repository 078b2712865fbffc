#include "FunctionTimerItem.h"

#include "ITSwitch.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXDevice.h"
#include "QXEventLoop.h"
#include "QXInsSocket.h"
#include "QXView.h"
#include "TimerView.h"

#include <QGridLayout>
#include <QLabel>

namespace {

// The 19 characters of the device's clock setting. Qt's "yyyy" is the calendar year, never the
// year of the week, so the last days of December keep their own year.
QString deviceClockText(const QDateTime &now)
{
    return now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

bool differsFromReference(const TimerView *view)
{
    return view->getTimerString() != view->defaultTime();
}

} // namespace

FunctionTimerItem::FunctionTimerItem(QWidget *parent)
    : FunctionConfigItem(parent)
{
    qxkit::setBgColor(this, qxkit::configLight());
    setPalette(qxkit::darkPalette());
    m_titleLabel = keyedLabel("ov_set_timer");
    m_openTitle = keyedLabel("ov_time_start");
    m_closeTitle = keyedLabel("ov_time_stop");
    m_timerSwitch = new ITSwitch(this);
    m_timerSwitch->setAccessibleName(m_titleLabel->text());
    m_titleLabel->setBuddy(m_timerSwitch);
    m_startTimerView = new TimerView(this);
    m_startTimerView->setAccessibleName(m_openTitle->text());
    m_stopTimerView = new TimerView(this);
    m_stopTimerView->setAccessibleName(m_closeTitle->text());
    for (TimerView *view : {m_startTimerView, m_stopTimerView}) {
        view->setDelegate(this);
        view->setDefaultTime(QString());
    }
    m_saveBtn = new QXButton(this);
    qxkit::setInternationalKey(m_saveBtn, QStringLiteral("ov_save"));
    m_saveBtn->setFixedHeight(30);
    m_saveBtn->setMinimumWidth(100);
    m_saveBtn->hide();
    connect(m_timerSwitch, &ITSwitch::action, this, &FunctionTimerItem::switchAction);
    connect(m_saveBtn, &QPushButton::clicked, this, &FunctionTimerItem::saveBtnAction);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(14);
    layout->addWidget(m_titleLabel, 0, 0, 1, 2);
    layout->addWidget(m_timerSwitch, 0, 2, Qt::AlignRight);
    layout->addWidget(m_openTitle, 1, 0);
    layout->addWidget(m_startTimerView, 1, 1, Qt::AlignLeft);
    layout->addWidget(m_closeTitle, 2, 0);
    layout->addWidget(m_stopTimerView, 2, 1, Qt::AlignLeft);
    layout->addWidget(m_saveBtn, 3, 2, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(4, 1);
}

FunctionTimerItem::~FunctionTimerItem()
{
    for (TimerView *view : {m_startTimerView, m_stopTimerView})
        view->setDelegate(nullptr);
}

bool FunctionTimerItem::timerIsOn() const
{
    return currentDeviceStatus().timer().isOn();
}

void FunctionTimerItem::refresh()
{
    const QXDeviceTimer timer = currentDeviceStatus().timer();
    m_timerSwitch->setChecked(timer.isOn());
    if (timer.openTime().isEmpty() || timer.closeTime().isEmpty()) {
        m_startTimerView->setTimerWithString(QStringLiteral("00:00:00"));
        m_stopTimerView->setTimerWithString(QStringLiteral("00:00:00"));
        return;
    }
    m_startTimerView->setTimer(orvane::Time::fromString(timer.openTime()));
    m_startTimerView->setDefaultTime(timer.openTime());
    m_stopTimerView->setTimer(orvane::Time::fromString(timer.closeTime()));
    m_stopTimerView->setDefaultTime(timer.closeTime());
}

void FunctionTimerItem::textChanged(bool, qint64)
{
    // Both times count: editing one back must not hide an unsaved change of the other.
    if (timerIsOn())
        m_saveBtn->setVisible(differsFromReference(m_startTimerView) || differsFromReference(m_stopTimerView));
}

void FunctionTimerItem::switchAction(bool on)
{
    if (passGate() != Gate::open) {
        m_timerSwitch->setChecked(!on);
        return;
    }
    if (on)
        saveTimer();
    else
        closeTimer();
}

void FunctionTimerItem::saveBtnAction()
{
    if (passGate() == Gate::open)
        saveTimer();
}

void FunctionTimerItem::showDeviceTimer(FunctionTimerItem &item)
{
    item.m_timerSwitch->setChecked(item.timerIsOn());
}

void FunctionTimerItem::saveTimer()
{
    const QString start = m_startTimerView->getTimerString();
    const QString end = m_stopTimerView->getTimerString();
    const std::shared_ptr<QXDevice> record = currentDevice();
    const QPointer<FunctionTimerItem> guard(this);
    insSocket()->sendTimer(
        deviceClockText(m_clock()), start, end,
        [guard, record, start, end](const QXOperationRef &, qint64, const QVariant &) {
            if (record) {
                record->editStatus([&start, &end](QXDeviceStatus &status) {
                    status.timer().setIsOn(true);
                    status.timer().setOpenTime(start);
                    status.timer().setCloseTime(end);
                });
            }
            // The saved times are what the device has now: an edit back to the old ones differs.
            qxOnGuiThread(guard, [start, end](FunctionTimerItem &item) {
                item.m_saveBtn->hide();
                item.m_startTimerView->setDefaultTime(start);
                item.m_stopTimerView->setDefaultTime(end);
            });
        },
        [guard](const QXOperationRef &, qint64, const QVariant &) { qxOnGuiThread(guard, showDeviceTimer); });
}

void FunctionTimerItem::closeTimer()
{
    m_saveBtn->hide();
    const QPointer<FunctionTimerItem> guard(this);
    sendSetting(
        QXInsCode::closeTimer, 0,
        [guard](const SettingTarget &target, qint64, const QVariant &) {
            if (target.record)
                target.record->editStatus([](QXDeviceStatus &status) { status.timer().setIsOn(false); });
            qxOnGuiThread(guard, [](FunctionTimerItem &item) { item.m_saveBtn->hide(); });
        },
        [guard](const SettingTarget &, qint64, const QVariant &) { qxOnGuiThread(guard, showDeviceTimer); });
}
