#pragma once

#include "FunctionConfigItem.h"

class QLabel;
class QXButton;

// A title and one button that sends a fixed instruction with data 0, always after the operator
// confirmed it. What follows the reply is the completion's, on success and failure alike.
class FunctionSingleButtonItem : public FunctionConfigItem
{
    Q_OBJECT
public:
    explicit FunctionSingleButtonItem(QWidget *parent = nullptr);
    ~FunctionSingleButtonItem() override;

    void configure(const QString &title, const QString &buttonTitle, QXInsCode ins, SendOutcome completion = {});
    // The confirmation question's key; without one the button sends nothing.
    void setEnsureInfoKey(const QString &key) { m_ensureInfoKey = key; }

    QLabel *titleLabel() const { return m_titleLabel; }
    QXButton *btn() const { return m_btn; }

    void btnAction();

private:
    QLabel *m_titleLabel = nullptr;
    QXButton *m_btn = nullptr;
    QString m_ensureInfoKey;
    std::optional<QXInsCode> m_ins;
    SendOutcome m_completion;
};
