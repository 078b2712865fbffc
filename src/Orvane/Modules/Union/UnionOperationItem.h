#pragma once

#include <QWidget>

#include <functional>

class QPushButton;

// One button of the union operation screen's strip: a titled button and, unless hidden, a
// separator line after it.
class UnionOperationItem : public QWidget
{
    Q_OBJECT
public:
    explicit UnionOperationItem(QWidget *parent = nullptr);

    QPushButton *titleBtn() const { return m_titleBtn; }
    QWidget *separator() const { return m_separator; }

    // An outlined, enabled item gets a clear background and a thin light-grey border; an outline
    // once applied stays when the item is configured again.
    void configure(const QString &title, bool outlined, bool enabled, bool hidesSeparator,
                   std::function<void()> clickAction);

public slots:
    // Runs the click action when there is one.
    void performClick();

private:
    QPushButton *m_titleBtn;
    QWidget *m_separator;
    std::function<void()> m_clickAction;
};
