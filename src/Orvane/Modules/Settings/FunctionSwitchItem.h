#pragma once

#include "FunctionConfigItem.h"

#include <array>

class ITSwitch;
class QLabel;

// Up to four on/off settings of the device, one row each, shown only when the device reports the
// row's function: auto start, breath lamp, remote control and emergency stop. Flipping a switch
// sends its instruction at once; the device record keeps the plain state whatever the wire
// carries.
class FunctionSwitchItem : public FunctionConfigItem
{
    Q_OBJECT
public:
    enum class Row {
        power,
        breath,
        controller,
        stop,
    };
    static constexpr int rowCount = 4;
    static constexpr int rowHeight = 60;

    explicit FunctionSwitchItem(QWidget *parent = nullptr);
    ~FunctionSwitchItem() override;

    QWidget *rowView(Row row) const { return m_rows.at(std::size_t(row)).view; }
    QLabel *rowTxt(Row row) const { return m_rows.at(std::size_t(row)).txt; }
    ITSwitch *rowSwitch(Row row) const { return m_rows.at(std::size_t(row)).toggle; }

    // Shows the rows the device supports and their state in the record.
    void refresh();

private:
    struct RowControls
    {
        QWidget *view = nullptr;
        QLabel *txt = nullptr;
        ITSwitch *toggle = nullptr;
    };

    void switchAction(Row row, bool on);

    std::array<RowControls, rowCount> m_rows{};
};
