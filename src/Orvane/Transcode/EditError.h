#pragma once

#include <QByteArray>
#include <QException>

// Why a conversion or a cut of the conversion manager made no result.
class EditError : public QException
{
public:
    enum class Kind {
        // A cut for a union without rows or columns; row() and colomn() carry its counts.
        wrongRowColomn,
        // The input's size cannot be read, or the input or the fans have no size.
        resolutionFail,
        // The cut's tile folder cannot be created.
        directoryError,
        // The run that pads the input to the union's shape failed.
        padFail,
        // A conversion failed, or not every tile of a cut was made.
        transcodeFail,
    };

    static EditError wrongRowColomn(qint64 row, qint64 colomn);
    explicit EditError(Kind kind);

    Kind kind() const { return m_kind; }
    qint64 row() const { return m_row; }
    qint64 colomn() const { return m_colomn; }

    const char *what() const noexcept override;
    void raise() const override { throw *this; }
    EditError *clone() const override { return new EditError(*this); }

    friend bool operator==(const EditError &a, const EditError &b)
    {
        return a.m_kind == b.m_kind && a.m_row == b.m_row && a.m_colomn == b.m_colomn;
    }

private:
    Kind m_kind;
    qint64 m_row = 0;
    qint64 m_colomn = 0;
};
