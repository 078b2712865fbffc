#pragma once

#include <QValidator>

// Keeps non-numbers out of a text field: a text is let through when it is empty or is one
// integer (leading white space, an optional sign, decimal digits) and nothing after it.
class IntegerFormatter : public QValidator
{
    Q_OBJECT

public:
    explicit IntegerFormatter(QObject *parent = nullptr);

    static bool isPartialStringValid(const QString &partialString);
    State validate(QString &input, int &pos) const override;

    // Stored for the field's owner; the check does not use it.
    qint64 maxLength() const { return m_maxLength; }
    void setMaxLength(qint64 maxLength) { m_maxLength = maxLength; }

private:
    qint64 m_maxLength = 0;
};
