#pragma once

#include "FunctionConfigItem.h"
#include "QXDashboardDelegate.h"

#include <functional>

class QLabel;
class QPushButton;
class QXDashboard;

// The display angle of the device (0 to 359 degrees), as a number and as the pointer of a dial.
// The minus and plus buttons move it one degree, wrapping at 0 and 359; a double click on the
// dial sends the angle of the click. A refused send restores the dial and says so.
class FunctionAngleItem : public FunctionConfigItem, public QXDashboardDelegate
{
    Q_OBJECT
public:
    static constexpr int dialSize = 240;

    explicit FunctionAngleItem(QWidget *parent = nullptr);
    ~FunctionAngleItem() override;

    QLabel *titleLabel() const { return m_titleLabel; }
    QPushButton *addBtn() const { return m_addBtn; }
    QPushButton *valueBtn() const { return m_valueBtn; }
    QPushButton *subBtn() const { return m_subBtn; }
    QXDashboard *dashboard() const { return m_dashboard; }

    // Shows the record's angle.
    void refresh();
    // Sends the angle; `completion` learns on the GUI thread whether the device took it, while
    // the item still exists.
    void sendAngle(qint16 angle, std::function<void(bool accepted)> completion);

    // QXDashboardDelegate
    void valueChanged(double from, double to) override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void subAction();
    void addAction();
    qint64 deviceAngle() const;
    void showDeviceAngle();
    void step(QPushButton *pressed, qint64 angle);

    QLabel *m_titleLabel = nullptr;
    QPushButton *m_addBtn = nullptr;
    QPushButton *m_valueBtn = nullptr;
    QPushButton *m_subBtn = nullptr;
    QXDashboard *m_dashboard = nullptr;
};
