#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QLabel;
class QLineEdit;
class QWidget;

// Helpers every screen applies to its widgets: localisation keys (their texts come from
// qxLocalized in QXFoundation), a switch that lets the mouse
// pass through a widget, and a painted "layer" (background, corner radius, border) under the
// widget's own drawing.
namespace qxkit {

// Stores the key and shows its text on labels, line edits, buttons and text edits. An empty key
// only clears the stored key and leaves the text alone.
void setInternationalKey(QWidget *widget, const QString &key);
QString internationalKey(const QWidget *widget);

// Stores the key and sets the widget's tool tip to its text.
void setToolTipKey(QWidget *widget, const QString &key);
QString toolTipKey(const QWidget *widget);

// A disabled widget and everything inside it receive no mouse events: clicks fall through to
// what lies behind. Drawing is unchanged.
void setUserInterfaceDisabled(QWidget *widget, bool disabled);
bool userInterfaceDisabled(const QWidget *widget);

// The layer: painted below the widget's own content. A colour turns the layer on; no colour
// turns it off again (radius and border go with it).
void setBgColor(QWidget *widget, const std::optional<QColor> &color);
std::optional<QColor> bgColor(const QWidget *widget);
// A radius above 0 turns the layer on; any radius is applied to an existing layer.
void setCRadius(QWidget *widget, qreal radius);
qreal cRadius(const QWidget *widget);
// A colour turns the layer on; no colour clears the border colour of an existing layer.
void setBorderColor(QWidget *widget, const std::optional<QColor> &color);
std::optional<QColor> borderColor(const QWidget *widget);
// As the radius, for the border width.
void setBorderWidth(QWidget *widget, qreal width);
qreal borderWidth(const QWidget *widget);
bool hasLayer(const QWidget *widget);

// Makes the field a password entry: typed characters show as bullets (also while typing),
// assistive technology reports a password text and never reads its content (neither through the
// field's interface nor through the text events it sends while typing), and input methods
// neither predict nor remember what is typed. Every password field of the application uses it.
void setPasswordEntry(QLineEdit *field);

// Whether the program may choose where its own windows (dialogs, resized windows) stand on the
// screen. On Wayland the compositor places every window and ignores the program's position, so
// there a window is left to it (beside its transient parent), and only its size is set. Popups
// are placed relative to their parent on every platform.
bool placesOwnWindows();

// A plain, transparent, non-editable label; the text, colour and font are applied only when given.
QLabel *label(const QString &text = {}, const std::optional<QColor> &textColor = {},
              const std::optional<QFont> &font = {});

} // namespace qxkit
