#include "Time.h"

namespace orvane {

namespace {

QString twoCharacters(const QString &part)
{
    return part.size() >= 2 ? part : part.rightJustified(2, QLatin1Char('0'));
}

QStringList characters(const QString &part)
{
    return {part.mid(0, 1), part.mid(1, 1)};
}

} // namespace

Time::Time()
    : Time(QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("00"))
{
}

Time::Time(const QString &hour, const QString &minute, const QString &second)
    : m_hour(twoCharacters(hour))
    , m_minute(twoCharacters(minute))
    , m_second(twoCharacters(second))
{
}

Time Time::fromString(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    return Time(parts.value(0), parts.value(1), parts.value(2));
}

QString Time::getTimeString() const
{
    return QStringLiteral("%1:%2:%3").arg(m_hour, m_minute, m_second);
}

QStringList Time::getTime() const
{
    return getHour() + getMinute() + getSecond();
}

QStringList Time::getHour() const
{
    return characters(m_hour);
}

QStringList Time::getMinute() const
{
    return characters(m_minute);
}

QStringList Time::getSecond() const
{
    return characters(m_second);
}

} // namespace orvane
