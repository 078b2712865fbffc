#pragma once

#include <QWidget>

class QLabel;

// The connection help: a title and four tips on the device's mode button and indicator light.
class DeviceIntroView : public QWidget
{
    Q_OBJECT
public:
    explicit DeviceIntroView(QWidget *parent = nullptr);

    QLabel *titleLabel() const { return m_titleLabel; }
    QLabel *tipLabel1() const { return m_tipLabels[0]; }
    QLabel *tipLabel2() const { return m_tipLabels[1]; }
    QLabel *tipLabel3() const { return m_tipLabels[2]; }
    QLabel *tipLabel4() const { return m_tipLabels[3]; }

private:
    QLabel *m_titleLabel;
    QLabel *m_tipLabels[4];
};
