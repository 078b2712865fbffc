#pragma once

#include <QJsonValue>
#include <QObject>
#include <QString>

#include <optional>

namespace orvane {

// An account holder's gender as the service numbers it. Made from any number: 1 is male, 2
// female, everything else unknown. Written to JSON as that number.
enum class Gender : qint64 {
    unoknown = 0,
    male = 1,
    female = 2,
};

Gender genderWithRawValue(qint64 rawValue);
QJsonValue encodeGender(Gender gender);
// A JSON integer read as above; anything but an integer is a DecodingError.
Gender decodeGender(const QJsonValue &value);

// Tells who cares that the signed-in user changed (signed in or out).
class UserNotifier : public QObject
{
    Q_OBJECT
signals:
    void userDidChangeNotification();
};

// An account of the cloud service, and the one that is signed in.
class User
{
public:
    User(qint64 id, const QString &userName) : m_id(id), m_userName(userName) {}

    qint64 id() const { return m_id; }
    QString userName() const { return m_userName; }

    // Requires an integer "id" and a text "userName"; throws DecodingError otherwise.
    static User decode(const QJsonValue &value);

    // The signed-in user, in memory only; every change is announced by notifier().
    static std::optional<User> current();
    static void setCurrent(const std::optional<User> &user);
    static bool isLoggedIn();
    static UserNotifier *notifier();

    // The last account and password that signed in, kept in the user defaults ("user_account",
    // "user_password") to fill in the login screen next time.
    static std::optional<QString> account();
    static void setAccount(const std::optional<QString> &account);
    static std::optional<QString> password();
    static void setPassword(const std::optional<QString> &password);

    friend bool operator==(const User &, const User &) = default;

private:
    qint64 m_id;
    QString m_userName;
};

} // namespace orvane
