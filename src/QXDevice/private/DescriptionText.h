#pragma once

#include <QString>

#include <concepts>

// The multi-line "name: value" text the device records give for logging.
class DescriptionText
{
public:
    explicit DescriptionText(const char *title)
        : m_text(QString::fromLatin1(title))
    {
    }

    DescriptionText &field(const QString &key, const QString &value)
    {
        m_text += QLatin1String("\n ") + key + QLatin1String(": ") + value;
        return *this;
    }
    template <std::integral Number>
    DescriptionText &field(const QString &key, Number value)
    {
        return field(key, QString::number(value));
    }

    QString text() const { return m_text; }

private:
    QString m_text;
};
