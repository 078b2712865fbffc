#include "EditError.h"

EditError EditError::wrongRowColomn(qint64 row, qint64 colomn)
{
    EditError error(Kind::wrongRowColomn);
    error.m_row = row;
    error.m_colomn = colomn;
    return error;
}

EditError::EditError(Kind kind)
    : m_kind(kind)
{
}

const char *EditError::what() const noexcept
{
    switch (m_kind) {
    case Kind::wrongRowColomn:
        return "wrongRowColomn";
    case Kind::resolutionFail:
        return "resolutionFail";
    case Kind::directoryError:
        return "directoryError";
    case Kind::padFail:
        return "padFail";
    case Kind::transcodeFail:
        return "transcodeFail";
    }
    return "EditError";
}
