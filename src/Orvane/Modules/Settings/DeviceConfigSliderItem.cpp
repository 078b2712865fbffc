#include "DeviceConfigSliderItem.h"

#include "QXColor.h"
#include "QXEventLoop.h"
#include "QXView.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>
#include <limits>

DeviceConfigSliderItem::DeviceConfigSliderItem(QWidget *parent)
    : FunctionConfigItem(parent)
{
    qxkit::setBgColor(this, qxkit::configLight());
    setPalette(qxkit::darkPalette());
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(8);
    for (int index = 0; index < 2; ++index) {
        RowControls &row = m_rows[index];
        buildRow(row);
        // Rows 0 and 5 take the spare height, so the rows sit in the middle of the panel.
        layout->addWidget(row.title, index * 2 + 1, 0, 1, 3);
        layout->addWidget(row.slider, index * 2 + 2, 0);
        layout->addWidget(row.value, index * 2 + 2, 1);
        layout->addWidget(row.stepper, index * 2 + 2, 2);
    }
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(0, 1);
    layout->setRowStretch(5, 1);
    setRowVisible(m_rows[1], false);
}

DeviceConfigSliderItem::~DeviceConfigSliderItem() = default;

void DeviceConfigSliderItem::buildRow(RowControls &row)
{
    row.title = qxkit::label({}, qxkit::globalTextColor());
    row.slider = new QSlider(Qt::Horizontal, this);
    // Sends on release only: every step of a drag would meet the socket busy with the one before.
    row.slider->setTracking(false);
    row.value = qxkit::label({}, qxkit::globalTextColor());
    row.value->setMinimumWidth(40);
    row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.stepper = new QSpinBox(this);
    row.stepper->setKeyboardTracking(false);
    row.stepper->setMinimumWidth(80);
    row.title->setBuddy(row.slider);
    for (QWidget *control : {static_cast<QWidget *>(row.slider), static_cast<QWidget *>(row.stepper)}) {
        control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(this);
    }
    QWidget *slider = row.slider;
    QWidget *stepper = row.stepper;
    connect(row.slider, &QSlider::valueChanged, this, [this, slider] { sendRowValue(slider); });
    connect(row.stepper, &QSpinBox::valueChanged, this, [this, stepper] { sendRowValue(stepper); });
}

bool DeviceConfigSliderItem::eventFilter(QObject *watched, QEvent *event)
{
    // The wheel scrolls the page unless the control has the focus: scrolling past a slider must
    // not send a setting to the fan.
    auto *control = qobject_cast<QWidget *>(watched);
    if (event->type() == QEvent::Wheel && control && !control->hasFocus()) {
        for (QWidget *ancestor = parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
            if (auto *page = qobject_cast<QAbstractScrollArea *>(ancestor)) {
                QCoreApplication::sendEvent(page->viewport(), event);
                break;
            }
        }
        return true;
    }
    return FunctionConfigItem::eventFilter(watched, event);
}

void DeviceConfigSliderItem::configure(const Row &row1, const std::optional<Row> &row2)
{
    setupRow(m_rows[0], row1);
    setRowVisible(m_rows[0], true);
    if (row2) {
        setupRow(m_rows[1], *row2);
    } else {
        m_rows[1].ins.reset();
    }
    setRowVisible(m_rows[1], row2.has_value());
}

void DeviceConfigSliderItem::setupRow(RowControls &row, const Row &config)
{
    row.ins = config.ins;
    row.transfer = config.transfer ? config.transfer : [](qint64 shown) { return shown; };
    qxkit::setInternationalKey(row.title, config.title);
    row.slider->setAccessibleName(row.title->text());
    row.stepper->setAccessibleName(row.title->text());
    {
        const QSignalBlocker sliderBlocker(row.slider);
        const QSignalBlocker stepperBlocker(row.stepper);
        row.slider->setRange(int(config.min), int(config.max));
        row.stepper->setRange(int(config.min), int(config.max));
    }
    row.showStepper = config.showStepper;
    showRowValue(&row == &m_rows[0] ? 0 : 1, config.value);
}

void DeviceConfigSliderItem::setRowVisible(const RowControls &row, bool visible)
{
    row.title->setVisible(visible);
    row.slider->setVisible(visible);
    row.value->setVisible(visible);
    row.stepper->setVisible(visible && row.showStepper);
}

void DeviceConfigSliderItem::setInfoKeys(int row, const QString &successKey, const QString &failKey)
{
    m_rows[row].successKey = successKey;
    m_rows[row].failKey = failKey;
}

void DeviceConfigSliderItem::showRowValue(int index, qint64 value)
{
    RowControls &row = m_rows[index];
    // A fan may report a value outside the row's range; the label shows what the slider can hold,
    // so the two never disagree (the record keeps what the fan reported).
    value = std::clamp<qint64>(value, row.slider->minimum(), row.slider->maximum());
    row.accepted = value;
    row.value->setText(QString::number(value));
    const QSignalBlocker sliderBlocker(row.slider);
    const QSignalBlocker stepperBlocker(row.stepper);
    row.slider->setValue(int(value));
    row.stepper->setValue(int(value));
}

void DeviceConfigSliderItem::sendRowValue(QWidget *sender)
{
    const int index = sender == m_rows[0].slider || sender == m_rows[0].stepper ? 0 : 1;
    const RowControls &row = m_rows[index];
    const qint64 shown = sender == row.slider ? row.slider->value() : row.stepper->value();
    const qint64 wire = row.ins ? row.transfer(shown) : 0;
    const bool sendable = row.ins && wire >= std::numeric_limits<qint16>::min()
        && wire <= std::numeric_limits<qint16>::max();
    if (!sendable || passGate() != Gate::open) {
        showRowValue(index, row.accepted);
        return;
    }
    const QPointer<DeviceConfigSliderItem> guard(this);
    const SuccessCompletion completion = m_successCompletion;
    const QString successKey = row.successKey;
    const QString failKey = row.failKey;
    sendSetting(
        *row.ins, qint16(wire),
        [guard, completion, index, shown, successKey](const SettingTarget &target, qint64, const QVariant &) {
            if (completion && target.record)
                completion(*target.record, index == 0, shown);
            qxOnGuiThread(guard, [index, shown, successKey](DeviceConfigSliderItem &item) {
                item.showRowValue(index, shown);
                item.showInfoKey(successKey);
            });
        },
        [guard, index, failKey](const SettingTarget &, qint64, const QVariant &) {
            qxOnGuiThread(guard, [index, failKey](DeviceConfigSliderItem &item) {
                item.showRowValue(index, item.m_rows[index].accepted);
                item.showInfoKey(failKey);
            });
        });
}
