#include "IntegerFormatter.h"

IntegerFormatter::IntegerFormatter(QObject *parent)
    : QValidator(parent)
{
}

bool IntegerFormatter::isPartialStringValid(const QString &partialString)
{
    if (partialString.isEmpty())
        return true;
    qsizetype at = 0;
    while (at < partialString.size() && partialString.at(at).isSpace())
        ++at;
    if (at < partialString.size() && (partialString.at(at) == u'+' || partialString.at(at) == u'-'))
        ++at;
    const qsizetype digitsStart = at;
    while (at < partialString.size() && partialString.at(at) >= u'0' && partialString.at(at) <= u'9')
        ++at;
    return at > digitsStart && at == partialString.size();
}

QValidator::State IntegerFormatter::validate(QString &input, int &) const
{
    return isPartialStringValid(input) ? Acceptable : Invalid;
}
