#include "FocusMark.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>

namespace qxkit {

namespace {

// The ring lies on the widget's own edge, above it, rather than around it, so a control that
// fills its parent (a button in a row of buttons) still shows all of it.
class OnTheEdgeStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_FocusFrame_AboveWidget)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// QFocusFrame already follows its widget and stays out of the accessibility tree; only its
// drawing is ours, since most styles draw nothing for it.
class FocusRing : public QFocusFrame
{
public:
    explicit FocusRing(QWidget *parent)
        : QFocusFrame(parent)
        , m_style(new OnTheEdgeStyle)
    {
        m_style->setParent(this);
        setStyle(m_style);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        // Light on the dark screens and apart from the theme colour that fills the buttons.
        painter.setPen(QPen(QColor(0xE6, 0xF0, 0xFF), ringWidth));
        painter.setBrush(Qt::NoBrush);
        const qreal inset = ringWidth / 2.0;
        painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 4, 4);
    }

private:
    static constexpr qreal ringWidth = 2.0;
    QProxyStyle *m_style;
};

QPointer<FocusRing> &ring()
{
    static QPointer<FocusRing> instance;
    return instance;
}

void follow(QWidget *focused)
{
    // A window holding the focus itself has no parent to draw the ring in.
    if (!focused || focused->isWindow()) {
        if (ring())
            ring()->setWidget(nullptr);
        return;
    }
    if (!ring())
        ring() = new FocusRing(focused);
    ring()->setWidget(focused);
}

} // namespace

void installFocusMarks()
{
    static bool installed = false;
    if (installed || !qApp)
        return;
    installed = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *, QWidget *now) { follow(now); });
    follow(QApplication::focusWidget());
}

QWidget *focusMarkedWidget()
{
    return ring() && ring()->isVisible() ? ring()->widget() : nullptr;
}

} // namespace qxkit

namespace {

// Every application that links the toolkit marks its focus from the start.
void installFocusMarksWithTheApplication()
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        qxkit::installFocusMarks();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFocusMarksWithTheApplication)
