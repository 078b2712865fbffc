#pragma once

#include <QWidget>

class QLabel;

// One row of the main window's menu: a title given as a localisation key.
class HomeMenuCell : public QWidget
{
    Q_OBJECT
public:
    explicit HomeMenuCell(QWidget *parent = nullptr);

    void configWithTitle(const QString &key);
    QLabel *titleLabel() const { return m_titleLabel; }

private:
    QLabel *m_titleLabel;
};
