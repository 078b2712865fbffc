#pragma once

#include "UnionSelectableCell.h"

class QLabel;

// One found fan in the union editor's list: the fan's name, cut with an ellipsis to the row's
// width; its address is the tool tip, after the whole name when the name is cut.
class UnionDeviceCell : public UnionSelectableCell
{
    Q_OBJECT
public:
    static constexpr int kHeight = 30;

    explicit UnionDeviceCell(QWidget *parent = nullptr);

    QLabel *nameLabel() const { return m_nameLabel; }
    // Shows the fan's name, with its address as tool tip (none when it has none).
    void configure(const QString &name, const QString &ip);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showName();

    QLabel *m_nameLabel;
    QString m_name;
    QString m_ip;
};
