#pragma once

#include <QWidget>

#include <functional>

class QPushButton;

// One button that flips between two states on each click and hands the new state to a closure:
// the settings screen's toggle of its advanced section.
class NormalButtonItem : public QWidget
{
    Q_OBJECT
public:
    explicit NormalButtonItem(QWidget *parent = nullptr);
    ~NormalButtonItem() override;

    void configure(const QString &title);
    void setBtnAction(std::function<void(bool checked)> action) { m_btnAction = std::move(action); }
    QPushButton *btn() const { return m_btn; }

private:
    std::function<void(bool checked)> m_btnAction;
    QPushButton *m_btn = nullptr;
};
