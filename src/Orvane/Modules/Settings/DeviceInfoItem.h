#pragma once

#include "FunctionConfigItem.h"

#include <array>

class QLabel;

// What the device's last status said about it, read only: its role in a union (only when it
// reports one), its core, base and FPGA firmware versions, its free storage and its cloud server.
class DeviceInfoItem : public FunctionConfigItem
{
    Q_OBJECT
public:
    enum class Row {
        state,
        corVersion,
        underVersion,
        fpgaVersion,
        sdCapacity,
        server,
    };
    static constexpr int rowCount = 6;

    explicit DeviceInfoItem(QWidget *parent = nullptr);
    ~DeviceInfoItem() override;

    QLabel *titleTxt(Row row) const { return m_rows.at(std::size_t(row)).title; }
    QLabel *value(Row row) const { return m_rows.at(std::size_t(row)).value; }
    // The rows shown, top to bottom.
    int shownRows() const;

    // Fills the values from the record's status.
    void refresh();

private:
    struct RowLabels
    {
        QWidget *line = nullptr;
        QLabel *title = nullptr;
        QLabel *value = nullptr;
    };

    std::array<RowLabels, rowCount> m_rows{};
};
