#pragma once

#include <QByteArray>
#include <QException>
#include <QNetworkReply>
#include <QString>

// The errors a cloud request ends with. ResponseError is the service's own: a reply that failed
// its check, or a reply without the data asked for. TransportError is a request that got no
// reply at all; DecodingError a value that does not have the expected shape.

class ResponseError : public QException
{
public:
    enum class Kind { invalidResponse, noData };

    static ResponseError invalidResponse(qint64 code, const QString &message);
    static ResponseError noData();

    Kind kind() const { return m_kind; }
    // The reply's own code (or the HTTP status of a reply that is not JSON) and message.
    qint64 code() const { return m_code; }
    QString message() const { return m_message; }

    const char *what() const noexcept override { return m_what.constData(); }
    void raise() const override { throw *this; }
    ResponseError *clone() const override { return new ResponseError(*this); }

private:
    ResponseError(Kind kind, qint64 code, const QString &message);

    Kind m_kind;
    qint64 m_code;
    QString m_message;
    QByteArray m_what;
};

class TransportError : public QException
{
public:
    TransportError(QNetworkReply::NetworkError error, const QString &description);

    QNetworkReply::NetworkError error() const { return m_error; }
    QString description() const { return m_description; }

    const char *what() const noexcept override { return m_what.constData(); }
    void raise() const override { throw *this; }
    TransportError *clone() const override { return new TransportError(*this); }

private:
    QNetworkReply::NetworkError m_error;
    QString m_description;
    QByteArray m_what;
};

class DecodingError : public QException
{
public:
    explicit DecodingError(const QString &description);

    QString description() const { return m_description; }

    const char *what() const noexcept override { return m_what.constData(); }
    void raise() const override { throw *this; }
    DecodingError *clone() const override { return new DecodingError(*this); }

private:
    QString m_description;
    QByteArray m_what;
};
