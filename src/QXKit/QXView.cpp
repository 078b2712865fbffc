#include "QXView.h"

#include "AccessibilityGuard.h"
#include "QXLocalized.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVariant>
#include <QWidget>

namespace qxkit {

namespace {

constexpr char internationalKeyProperty[] = "internationalKey";
constexpr char toolTipKeyProperty[] = "toolTipKey";
constexpr char userInterfaceDisabledProperty[] = "userInterfaceDisabled";
const QString layerName = QStringLiteral("qxkit_layer");

// The painted backing of a widget, drawn before the widget paints itself.
class ViewLayer : public QObject
{
public:
    explicit ViewLayer(QWidget *owner)
        : QObject(owner)
        , m_owner(owner)
    {
        setObjectName(layerName);
        owner->installEventFilter(this);
    }

    std::optional<QColor> background;
    std::optional<QColor> border;
    qreal radius = 0;
    qreal borderWidth = 0;

    void changed() { m_owner->update(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_owner && event->type() == QEvent::Paint)
            paint();
        return false;
    }

private:
    void paint()
    {
        const bool drawsBorder = border && border->alpha() > 0 && borderWidth > 0;
        if (!background && !drawsBorder)
            return;
        QPainter painter(m_owner);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal inset = drawsBorder ? borderWidth / 2 : 0;
        const QRectF rect = QRectF(m_owner->rect()).adjusted(inset, inset, -inset, -inset);
        QPainterPath path;
        path.addRoundedRect(rect, qMax<qreal>(radius, 0), qMax<qreal>(radius, 0));
        if (background)
            painter.fillPath(path, *background);
        if (drawsBorder)
            painter.strokePath(path, QPen(*border, borderWidth));
    }

    QWidget *m_owner;
};

ViewLayer *layerOf(const QWidget *widget)
{
    return dynamic_cast<ViewLayer *>(widget->findChild<QObject *>(layerName, Qt::FindDirectChildrenOnly));
}

ViewLayer *ensureLayer(QWidget *widget)
{
    if (ViewLayer *layer = layerOf(widget))
        return layer;
    return new ViewLayer(widget);
}

// A value that needs the layer turns it on; any other value only changes an existing layer.
template <typename T>
void setLayerValue(QWidget *widget, T ViewLayer::*field, const T &value, bool needsLayer)
{
    if (ViewLayer *layer = needsLayer ? ensureLayer(widget) : layerOf(widget)) {
        layer->*field = value;
        layer->changed();
    }
}

// Without a layer: no colour, no radius, no width.
template <typename T>
T layerValue(const QWidget *widget, T ViewLayer::*field)
{
    const ViewLayer *layer = layerOf(widget);
    return layer ? layer->*field : T();
}

void applyText(QWidget *widget, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(text);
    else if (auto *textEdit = qobject_cast<QTextEdit *>(widget))
        textEdit->setPlainText(text);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(widget))
        plain->setPlainText(text);
}

} // namespace

void setInternationalKey(QWidget *widget, const QString &key)
{
    widget->setProperty(internationalKeyProperty, key);
    if (!key.isEmpty())
        applyText(widget, qxLocalized(key));
}

QString internationalKey(const QWidget *widget)
{
    return widget->property(internationalKeyProperty).toString();
}

void setToolTipKey(QWidget *widget, const QString &key)
{
    widget->setProperty(toolTipKeyProperty, key);
    widget->setToolTip(qxLocalized(key));
}

QString toolTipKey(const QWidget *widget)
{
    return widget->property(toolTipKeyProperty).toString();
}

void setUserInterfaceDisabled(QWidget *widget, bool disabled)
{
    widget->setProperty(userInterfaceDisabledProperty, disabled);
    // Qt skips a transparent widget's whole subtree when it looks for the mouse's receiver.
    widget->setAttribute(Qt::WA_TransparentForMouseEvents, disabled);
}

bool userInterfaceDisabled(const QWidget *widget)
{
    return widget->property(userInterfaceDisabledProperty).toBool();
}

void setBgColor(QWidget *widget, const std::optional<QColor> &color)
{
    if (color) {
        setLayerValue(widget, &ViewLayer::background, color, true);
    } else if (ViewLayer *layer = layerOf(widget)) {
        delete layer;
        widget->update();
    }
}

std::optional<QColor> bgColor(const QWidget *widget)
{
    return layerValue(widget, &ViewLayer::background);
}

void setCRadius(QWidget *widget, qreal radius)
{
    setLayerValue(widget, &ViewLayer::radius, radius, radius > 0);
}

qreal cRadius(const QWidget *widget)
{
    return layerValue(widget, &ViewLayer::radius);
}

void setBorderColor(QWidget *widget, const std::optional<QColor> &color)
{
    setLayerValue(widget, &ViewLayer::border, color, color.has_value());
}

std::optional<QColor> borderColor(const QWidget *widget)
{
    return layerValue(widget, &ViewLayer::border);
}

void setBorderWidth(QWidget *widget, qreal width)
{
    setLayerValue(widget, &ViewLayer::borderWidth, width, width > 0);
}

qreal borderWidth(const QWidget *widget)
{
    return layerValue(widget, &ViewLayer::borderWidth);
}

bool hasLayer(const QWidget *widget)
{
    return layerOf(widget) != nullptr;
}

void setPasswordEntry(QLineEdit *field)
{
    field->setEchoMode(QLineEdit::Password);
    field->setInputMethodHints(field->inputMethodHints() | Qt::ImhHiddenText | Qt::ImhSensitiveData
                               | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    field->setContextMenuPolicy(Qt::NoContextMenu);
    guardAccessibility();
}

QLabel *label(const QString &text, const std::optional<QColor> &textColor, const std::optional<QFont> &font)
{
    auto *result = new QLabel;
    // Inside an item view a label would otherwise take the view's text role instead of its own
    // colour.
    result->setForegroundRole(QPalette::WindowText);
    result->setAutoFillBackground(false);
    result->setTextInteractionFlags(Qt::NoTextInteraction);
    if (!text.isEmpty())
        result->setText(text);
    if (textColor) {
        QPalette palette = result->palette();
        palette.setColor(QPalette::WindowText, *textColor);
        result->setPalette(palette);
    }
    if (font)
        result->setFont(*font);
    return result;
}

bool placesOwnWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace qxkit
