#include "User.h"

#include "QXUserDefaults.h"
#include "ResponseType.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QMutex>

namespace orvane {

namespace {

const QString accountKey = QStringLiteral("user_account");
const QString passwordKey = QStringLiteral("user_password");

struct CurrentUser {
    QMutex mutex;
    std::optional<User> user;
};

CurrentUser &currentUser()
{
    static CurrentUser state;
    return state;
}

std::optional<QString> storedString(const QString &key)
{
    const QVariant value = QXUserDefaults::standardUserDefaults().objectForKey(key);
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

void storeString(const QString &key, const std::optional<QString> &value)
{
    if (value)
        QXUserDefaults::standardUserDefaults().setObject(*value, key);
    else
        QXUserDefaults::standardUserDefaults().removeObjectForKey(key);
}

} // namespace

Gender genderWithRawValue(qint64 rawValue)
{
    switch (rawValue) {
    case qint64(Gender::male):
        return Gender::male;
    case qint64(Gender::female):
        return Gender::female;
    default:
        return Gender::unoknown;
    }
}

QJsonValue encodeGender(Gender gender)
{
    return QJsonValue(qint64(gender));
}

Gender decodeGender(const QJsonValue &value)
{
    const std::optional<qint64> rawValue = json::integer(value);
    if (!rawValue)
        throw DecodingError(QStringLiteral("a gender is an integer"));
    return genderWithRawValue(*rawValue);
}

User User::decode(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    const std::optional<qint64> id = json::integer(object.value(QStringLiteral("id")));
    const QJsonValue userName = object.value(QStringLiteral("userName"));
    if (!value.isObject() || !id || !userName.isString())
        throw DecodingError(QStringLiteral("a user needs an integer \"id\" and a text \"userName\""));
    return User(*id, userName.toString());
}

std::optional<User> User::current()
{
    QMutexLocker lock(&currentUser().mutex);
    return currentUser().user;
}

void User::setCurrent(const std::optional<User> &user)
{
    {
        QMutexLocker lock(&currentUser().mutex);
        currentUser().user = user;
    }
    emit notifier()->userDidChangeNotification();
}

bool User::isLoggedIn()
{
    return current().has_value();
}

UserNotifier *User::notifier()
{
    // Made once for the process and never released; it belongs to the GUI thread.
    static UserNotifier *notifier = [] {
        auto *created = new UserNotifier;
        created->moveToThread(QCoreApplication::instance()->thread());
        return created;
    }();
    return notifier;
}

std::optional<QString> User::account()
{
    return storedString(accountKey);
}

void User::setAccount(const std::optional<QString> &account)
{
    storeString(accountKey, account);
}

std::optional<QString> User::password()
{
    return storedString(passwordKey);
}

void User::setPassword(const std::optional<QString> &password)
{
    storeString(passwordKey, password);
}

} // namespace orvane
