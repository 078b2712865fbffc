#pragma once

#include "FunctionConfigItem.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QSlider;
class QSpinBox;

// Edits one or two numeric settings of the device. Each row has a title, a slider, a label with
// the last value the device accepted, and an optional stepper, and sends its own instruction.
//
// Every release of a slider (or keyboard step) and every stepper step is one send. The row's
// transfer turns the shown value into the value sent, so a row can show a signed offset while the
// device receives another encoding. A refused or failed send puts the control back to the label;
// changes made by the program never send.
class DeviceConfigSliderItem : public FunctionConfigItem
{
    Q_OBJECT
public:
    using Transfer = std::function<qint64(qint64 shown)>;
    // After an accepted send, on the socket thread: the record the send went to, whether row 1
    // sent, and the shown value (before the transfer).
    using SuccessCompletion = std::function<void(QXDevice &record, bool isRow1, qint64 value)>;

    struct Row
    {
        QXInsCode ins;
        QString title; // localisation key
        qint64 value;
        qint64 min;
        qint64 max;
        bool showStepper = true;
        Transfer transfer;
    };

    explicit DeviceConfigSliderItem(QWidget *parent = nullptr);
    ~DeviceConfigSliderItem() override;

    // Row 2 is shown only when given.
    void configure(const Row &row1, const std::optional<Row> &row2 = std::nullopt);

    void setSuccessCompletion(SuccessCompletion completion) { m_successCompletion = std::move(completion); }
    // Info-line keys after an accepted or a failed send of a row (0 or 1); empty: none.
    void setInfoKeys(int row, const QString &successKey, const QString &failKey);

    QLabel *title(int row) const { return m_rows.at(row).title; }
    QSlider *slider(int row) const { return m_rows.at(row).slider; }
    QLabel *valueLabel(int row) const { return m_rows.at(row).value; }
    QSpinBox *stepper(int row) const { return m_rows.at(row).stepper; }
    bool hasRow2() const { return m_rows.at(1).ins.has_value(); }

    // The operator changed the sender (a slider or stepper of a row).
    void sendRowValue(QWidget *sender);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct RowControls
    {
        QLabel *title = nullptr;
        QSlider *slider = nullptr;
        QLabel *value = nullptr;
        QSpinBox *stepper = nullptr;
        std::optional<QXInsCode> ins;
        Transfer transfer;
        bool showStepper = true;
        qint64 accepted = 0;
        QString successKey;
        QString failKey;
    };

    void buildRow(RowControls &row);
    void setupRow(RowControls &row, const Row &config);
    void setRowVisible(const RowControls &row, bool visible);
    // The label, slider and stepper of the row show the value, without sending.
    void showRowValue(int row, qint64 value);

    std::array<RowControls, 2> m_rows;
    SuccessCompletion m_successCompletion;
};
