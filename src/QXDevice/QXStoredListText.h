#pragma once

#include "QXQFileInfo.h"

#include <QList>
#include <QString>
#include <QStringList>

// The two texts a fan sends about what it stores besides its current play list.
namespace QXStoredListText {

// The stored video files: one line per file, "name;size;" (further pieces ignored). Carriage
// returns and blanks are dropped everywhere; a line with fewer than two ";" is skipped. Each
// file becomes an entry with the play count "1", in the text's order.
QList<QXQFileInfoRef> analyzeVideoList(const QString &text);

// The names of the fan's play lists, one per line: carriage returns and blanks dropped, empty
// lines skipped, the text's order kept.
QStringList analyzePlayListNames(const QString &text);

} // namespace QXStoredListText
