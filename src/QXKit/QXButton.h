#pragma once

#include <QPushButton>

// A flat push button whose background follows its enabled state: the theme colour when enabled,
// dark grey when disabled.
class QXButton : public QPushButton
{
    Q_OBJECT
public:
    explicit QXButton(QWidget *parent = nullptr);
    explicit QXButton(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void applyEnabledColor();
};
