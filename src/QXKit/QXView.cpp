#include "QXView.h"

#include <QAbstractButton>
#include <QEvent>
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

QString localizedString(const QString &key)
{
    if (key.isEmpty())
        return {};
    const QByteArray id = key.toUtf8();
    return qtTrId(id.constData());
}

void setInternationalKey(QWidget *widget, const QString &key)
{
    widget->setProperty(internationalKeyProperty, key);
    if (!key.isEmpty())
        applyText(widget, localizedString(key));
}

QString internationalKey(const QWidget *widget)
{
    return widget->property(internationalKeyProperty).toString();
}

void setToolTipKey(QWidget *widget, const QString &key)
{
    widget->setProperty(toolTipKeyProperty, key);
    widget->setToolTip(localizedString(key));
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
        ViewLayer *layer = ensureLayer(widget);
        layer->background = color;
        layer->changed();
    } else if (ViewLayer *layer = layerOf(widget)) {
        delete layer;
        widget->update();
    }
}

std::optional<QColor> bgColor(const QWidget *widget)
{
    const ViewLayer *layer = layerOf(widget);
    return layer ? layer->background : std::nullopt;
}

void setCRadius(QWidget *widget, qreal radius)
{
    ViewLayer *layer = radius > 0 ? ensureLayer(widget) : layerOf(widget);
    if (layer) {
        layer->radius = radius;
        layer->changed();
    }
}

qreal cRadius(const QWidget *widget)
{
    const ViewLayer *layer = layerOf(widget);
    return layer ? layer->radius : 0;
}

void setBorderColor(QWidget *widget, const std::optional<QColor> &color)
{
    ViewLayer *layer = color ? ensureLayer(widget) : layerOf(widget);
    if (layer) {
        layer->border = color;
        layer->changed();
    }
}

std::optional<QColor> borderColor(const QWidget *widget)
{
    const ViewLayer *layer = layerOf(widget);
    return layer ? layer->border : std::nullopt;
}

void setBorderWidth(QWidget *widget, qreal width)
{
    ViewLayer *layer = width > 0 ? ensureLayer(widget) : layerOf(widget);
    if (layer) {
        layer->borderWidth = width;
        layer->changed();
    }
}

qreal borderWidth(const QWidget *widget)
{
    const ViewLayer *layer = layerOf(widget);
    return layer ? layer->borderWidth : 0;
}

bool hasLayer(const QWidget *widget)
{
    return layerOf(widget) != nullptr;
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

} // namespace qxkit
