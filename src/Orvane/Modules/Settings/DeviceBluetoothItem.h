#pragma once

#include "ComboBoxView.h"
#include "Modules/Settings/FunctionConfigItem.h"

#include <QList>
#include <QString>

#include <optional>

class QLabel;
class QXButton;

// Connects the device to one of the Bluetooth devices it sees: the operator picks one by name
// and confirms; the device is told the chosen one's address, and a dialog says how it went.
class DeviceBluetoothItem : public FunctionConfigItem, public ComboboxDelegate
{
    Q_OBJECT
public:
    // One Bluetooth device the fan reported: its address and, when it gave one, its name.
    struct Bluetooth
    {
        QString address;
        std::optional<QString> name;

        bool operator==(const Bluetooth &) const = default;
    };

    explicit DeviceBluetoothItem(QWidget *parent = nullptr);
    ~DeviceBluetoothItem() override;

    QLabel *titleLabel() const { return m_titleLabel; }
    ComboBoxView *comboBox() const { return m_comboBox; }
    QXButton *sureBtn() const { return m_sureBtn; }
    QList<Bluetooth> dataSource() const { return m_dataSource; }

    // Offers the list and shows the entry at `selectedIndex`; an index outside it offers
    // nothing.
    void fill(const QList<Bluetooth> &list, qint64 selectedIndex);
    // Tells the device to connect to the chosen entry; nothing when none is chosen.
    void sureAction();

    // ComboboxDelegate
    std::optional<QStringList> contentForCombleBox(ComboBoxView *comboBox) override;
    void comboBox(ComboBoxView *comboBox, qint64 index, const QString &value) override;

private:
    QLabel *m_titleLabel = nullptr;
    ComboBoxView *m_comboBox = nullptr;
    QXButton *m_sureBtn = nullptr;
    QList<Bluetooth> m_dataSource;
    // The row the operator chose: names need not be unique, so the box's text cannot tell.
    qint64 m_chosen = -1;
};
