#include "QXColor.h"

namespace qxkit {

QColor hexWithHex(quint32 hex, qreal alpha)
{
    QColor color((hex >> 16) & 0xFF, (hex >> 8) & 0xFF, hex & 0xFF);
    color.setAlphaF(alpha);
    return color;
}

QColor globalDark()
{
    return QColor(43, 45, 60);
}

QColor configLight()
{
    return QColor(43, 45, 57);
}

QColor globalTextColor()
{
    return hexWithHex(0xCFD0D2);
}

QColor globalThemeColor()
{
    return hexWithHex(0x0081FD);
}

QColor disabledButtonColor()
{
    return QColor(85, 85, 85);
}

QPalette darkPalette()
{
    QPalette palette;
    const QColor text = globalTextColor();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, globalDark());
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Base, QColor(48, 51, 68));
        palette.setColor(group, QPalette::AlternateBase, QColor(52, 58, 77));
        palette.setColor(group, QPalette::Text, Qt::white);
        palette.setColor(group, QPalette::PlaceholderText, QColor(130, 133, 145));
        palette.setColor(group, QPalette::Button, QColor(52, 58, 77));
        palette.setColor(group, QPalette::ButtonText, Qt::white);
        palette.setColor(group, QPalette::Highlight, globalThemeColor());
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        palette.setColor(group, QPalette::ToolTipBase, QColor(52, 58, 77));
        palette.setColor(group, QPalette::ToolTipText, text);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, globalDark());
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 122, 130));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 122, 130));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 122, 130));
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(43, 45, 57));
    return palette;
}

} // namespace qxkit
