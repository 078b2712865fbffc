#pragma once

#include "UnionSelectableCell.h"

class QLabel;

// One found fan in the union editor's list: the fan's name; its address is the tool tip.
class UnionDeviceCell : public UnionSelectableCell
{
    Q_OBJECT
public:
    static constexpr int kHeight = 30;

    explicit UnionDeviceCell(QWidget *parent = nullptr);

    QLabel *nameLabel() const { return m_nameLabel; }
    // Shows the fan's name, with its address as tool tip (none when it has none).
    void configure(const QString &name, const QString &ip);

private:
    QLabel *m_nameLabel;
};
