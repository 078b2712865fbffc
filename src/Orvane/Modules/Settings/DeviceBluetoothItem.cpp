#include "DeviceBluetoothItem.h"

#include "Core/Utils.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXInsSocket.h"
#include "QXLocalized.h"
#include "QXView.h"

#include <QGridLayout>
#include <QLabel>

DeviceBluetoothItem::DeviceBluetoothItem(QWidget *parent)
    : FunctionConfigItem(parent)
{
    qxkit::setBgColor(this, qxkit::configLight());
    setPalette(qxkit::darkPalette());
    m_titleLabel = keyedLabel("ov_conn_bluetooth");
    m_comboBox = new ComboBoxView(this);
    m_comboBox->setFixedHeight(32);
    m_comboBox->setDelegate(this);
    m_comboBox->setAccessibleName(m_titleLabel->text());
    m_titleLabel->setBuddy(m_comboBox);
    m_sureBtn = new QXButton(this);
    qxkit::setInternationalKey(m_sureBtn, QStringLiteral("ov_confirm"));
    m_sureBtn->setFixedHeight(32);
    connect(m_sureBtn, &QPushButton::clicked, this, &DeviceBluetoothItem::sureAction);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(12);
    layout->setRowStretch(0, 1);
    layout->addWidget(m_titleLabel, 1, 0, 1, 2);
    layout->addWidget(m_comboBox, 2, 0);
    layout->addWidget(m_sureBtn, 2, 1);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(3, 1);
}

DeviceBluetoothItem::~DeviceBluetoothItem() = default;

void DeviceBluetoothItem::fill(const QList<Bluetooth> &list, qint64 selectedIndex)
{
    if (selectedIndex >= 0 && selectedIndex < list.size()) {
        m_dataSource = list;
        m_chosen = selectedIndex;
        m_comboBox->setStringOfIndex(quint64(selectedIndex));
        return;
    }
    m_dataSource.clear();
    m_chosen = -1;
    m_comboBox->setContentArray({});
    m_comboBox->clearSelectedValue();
}

std::optional<QStringList> DeviceBluetoothItem::contentForCombleBox(ComboBoxView *)
{
    QStringList names;
    for (const Bluetooth &bluetooth : m_dataSource)
        names.append(bluetooth.name.value_or(QLatin1String("")));
    return names;
}

void DeviceBluetoothItem::comboBox(ComboBoxView *, qint64 index, const QString &)
{
    // A pick only changes the choice; the confirm button sends it.
    m_chosen = index;
}

void DeviceBluetoothItem::sureAction()
{
    if (m_chosen < 0 || m_chosen >= m_dataSource.size())
        return;
    insSocket()->connectBluetoothAddress(
        m_dataSource.at(m_chosen).address,
        [success = qxLocalized(QStringLiteral("ov_set_success"))](const QXOperationRef &, qint64, const QVariant &) {
            Utils::showInfoLater(success);
        },
        [failure = qxLocalized(QStringLiteral("ov_set_fail"))](const QXOperationRef &, qint64, const QVariant &) {
            Utils::showInfoLater(failure);
        });
}
