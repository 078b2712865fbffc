#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

// The application's colours. Every screen takes its colours from here so the dark look stays
// one look.
namespace qxkit {

// Red from bits 16-23, green from bits 8-15, blue from bits 0-7; higher bits are ignored.
QColor hexWithHex(quint32 hex, qreal alpha = 1.0);

// Window and dialog background: 43, 45, 60.
QColor globalDark();
// Background of the settings panels: 43, 45, 57.
QColor configLight();
// Ordinary text on the dark background.
QColor globalTextColor();
// The theme colour: enabled buttons, highlights, selection.
QColor globalThemeColor();
// A disabled button's background.
QColor disabledButtonColor();

// The dark look of windows and dialogs: dark background, light text, darker fields, theme-coloured
// selection. Apply with QWidget::setPalette (children inherit it).
QPalette darkPalette();

} // namespace qxkit
