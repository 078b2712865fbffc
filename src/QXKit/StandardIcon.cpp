#include "StandardIcon.h"

#include <QApplication>
#include <QHash>
#include <QPointer>

namespace qxkit {

QIcon standardIcon(QStyle::StandardPixmap pixmap)
{
    static QPointer<QStyle> cachedStyle;
    static QHash<int, QIcon> icons;
    QStyle *style = QApplication::style();
    if (style != cachedStyle) {
        cachedStyle = style;
        icons.clear();
    }
    const int key = int(pixmap) * 2 + (QGuiApplication::layoutDirection() == Qt::RightToLeft ? 1 : 0);
    auto found = icons.constFind(key);
    if (found == icons.constEnd())
        found = icons.insert(key, style->standardIcon(pixmap));
    return *found;
}

} // namespace qxkit
