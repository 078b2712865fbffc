#include "FunctionComboBoxItem.h"

#include "ITSwitch.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXEventLoop.h"
#include "QXView.h"

#include <QGridLayout>
#include <QLabel>

namespace {

constexpr int rowHeight = 32;

} // namespace

FunctionComboBoxItem::FunctionComboBoxItem(QWidget *parent)
    : FunctionConfigItem(parent)
{
    qxkit::setBgColor(this, qxkit::configLight());
    setPalette(qxkit::darkPalette());
    m_titleLabel = qxkit::label({}, qxkit::globalTextColor());
    m_boxView = new ComboBoxView(this);
    m_boxView->setFixedHeight(rowHeight);
    m_boxView->setDelegate(this);
    m_titleLabel->setBuddy(m_boxView);
    m_sureBtn = new QXButton(this);
    m_sureBtn->setFixedHeight(rowHeight);
    connect(m_sureBtn, &QPushButton::clicked, this, &FunctionComboBoxItem::confirmChoice);
    m_switchLabel = qxkit::label({}, qxkit::globalTextColor());
    m_switchView = new ITSwitch(this);
    m_switchLabel->setBuddy(m_switchView);
    connect(m_switchView, &ITSwitch::action, this, &FunctionComboBoxItem::sendSwitchRow);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(12);
    layout->addWidget(m_titleLabel, 0, 0, 1, 2);
    layout->addWidget(m_boxView, 1, 0);
    layout->addWidget(m_sureBtn, 1, 1);
    layout->addWidget(m_switchLabel, 2, 0);
    layout->addWidget(m_switchView, 2, 1, Qt::AlignLeft);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(3, 1);
}

FunctionComboBoxItem::~FunctionComboBoxItem() = default;

void FunctionComboBoxItem::configure(QXInsCode mainIns, const QString &title, const QStringList &contents,
                                     const QList<qint64> &values, qint64 currentValue, const QString &sureTitle,
                                     const std::optional<QString> &switchTitle, bool switchChecked,
                                     std::optional<QXInsCode> switchIns)
{
    m_mainIns = mainIns;
    qxkit::setInternationalKey(m_titleLabel, title);
    m_boxView->setAccessibleName(m_titleLabel->text());
    m_contents = contents;
    m_values = values;
    qxkit::setInternationalKey(m_sureBtn, sureTitle);
    m_sureBtn->setAccessibleDescription(m_titleLabel->text());
    m_currentValue = currentValue;
    selectCurrentValue();
    const bool hasSwitch = switchTitle && switchIns;
    m_switchLabel->setVisible(hasSwitch);
    m_switchView->setVisible(hasSwitch);
    if (hasSwitch) {
        m_switchView->setChecked(switchChecked);
        qxkit::setInternationalKey(m_switchLabel, *switchTitle);
        m_switchView->setAccessibleName(m_switchLabel->text());
        m_switchIns = switchIns;
    }
}

void FunctionComboBoxItem::selectCurrentValue()
{
    // A device value that matches no choice leaves the selection as it is.
    const qsizetype index = m_values.indexOf(m_currentValue);
    if (index >= 0)
        m_boxView->setStringOfIndex(quint64(index));
}

std::optional<QStringList> FunctionComboBoxItem::contentForCombleBox(ComboBoxView *)
{
    return m_contents;
}

void FunctionComboBoxItem::confirmChoice()
{
    if (passGate() != Gate::open)
        return;
    if (m_ensureInfoKey.isEmpty()) {
        sendChoice();
        return;
    }
    confirm(m_ensureInfoKey, [this](bool confirmed) {
        if (confirmed)
            sendChoice();
        else
            selectCurrentValue();
    });
}

void FunctionComboBoxItem::sendChoice()
{
    const qint64 index = m_boxView->selectedIndex();
    if (!m_mainIns || index < 0 || index >= m_values.size())
        return;
    const qint64 value = m_values.at(index);
    const qint64 previous = m_currentValue;
    const QPointer<FunctionComboBoxItem> guard(this);
    const BoxCompletion completion = m_boxCompletion;
    sendSetting(
        *m_mainIns, qint16(value),
        [guard, completion, value](const SettingTarget &target, qint64, const QVariant &) {
            if (completion && target.record)
                completion(*target.record, true, value);
            qxOnGuiThread(guard, [value](FunctionComboBoxItem &item) { item.m_currentValue = value; });
        },
        [guard, completion, previous](const SettingTarget &target, qint64, const QVariant &) {
            qxOnGuiThread(guard, [](FunctionComboBoxItem &item) { item.selectCurrentValue(); });
            if (completion && target.record)
                completion(*target.record, false, previous);
        });
}

void FunctionComboBoxItem::sendSwitchRow()
{
    const bool on = m_switchView->checked();
    // Refused or failed, the switch goes back to the state the device has.
    const auto flipBack = [](FunctionComboBoxItem &item, bool shownState) { item.m_switchView->setChecked(!shownState); };
    if (!m_switchIns || passGate() != Gate::open) {
        flipBack(*this, on);
        return;
    }
    const QPointer<FunctionComboBoxItem> guard(this);
    const SwitchCompletion completion = m_switchCompletion;
    sendSetting(
        *m_switchIns, on ? 1 : 0,
        [completion, on](const SettingTarget &target, qint64, const QVariant &) {
            if (completion && target.record)
                completion(*target.record, on);
        },
        [guard, flipBack, on](const SettingTarget &, qint64, const QVariant &) {
            qxOnGuiThread(guard, [flipBack, on](FunctionComboBoxItem &item) { flipBack(item, on); });
        });
}
