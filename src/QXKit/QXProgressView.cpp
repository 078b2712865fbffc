#include "QXProgressView.h"

#include "QXColor.h"
#include "QXView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include <cmath>

namespace {

// Lets screen readers announce the bar as a progress bar with its text and percentage.
class QXProgressViewAccessible : public QAccessibleWidget
{
public:
    explicit QXProgressViewAccessible(QXProgressView *view)
        : QAccessibleWidget(view, QAccessible::ProgressBar)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        auto *view = static_cast<QXProgressView *>(widget());
        if (kind == QAccessible::Name)
            return view->text();
        if (kind == QAccessible::Value)
            return QXProgressView::percentText(view->progress());
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *progressViewAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QXProgressView") && object && object->isWidgetType())
        return new QXProgressViewAccessible(static_cast<QXProgressView *>(object));
    return nullptr;
}

constexpr int labelInset = 10;
constexpr int progressLabelWidth = 40;
constexpr int lineHeight = 2;

QLabel *barLabel(const QColor &color)
{
    QLabel *label = qxkit::label({}, color);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

QXProgressView::QXProgressView(QWidget *parent)
    : QXProgressView(QColor(Qt::lightGray), QColor(Qt::green), qxkit::hexWithHex(0xCFD0D2), parent)
{
}

QXProgressView::QXProgressView(const QColor &backgroundColor, const QColor &progressColor, const QColor &textColor,
                               QWidget *parent)
    : QWidget(parent)
    , m_backgroundColor(backgroundColor)
    , m_progressColor(progressColor)
    , m_textColor(textColor)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(progressViewAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    configSubViews();
}

void QXProgressView::configSubViews()
{
    m_backgroundView = new QWidget(this);
    qxkit::setBgColor(m_backgroundView, m_backgroundColor);
    m_progressView = new QWidget(this);
    qxkit::setBgColor(m_progressView, m_progressColor);
    m_infoLabel = barLabel(m_textColor);
    m_infoLabel->setParent(this);
    m_progressLabel = barLabel(m_textColor);
    m_progressLabel->setParent(this);
    m_progressLabel->setText(QStringLiteral("0%"));
    m_progressLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lineView = new QWidget(this);
    qxkit::setBgColor(m_lineView, qxkit::globalThemeColor());
    for (QWidget *child : {m_backgroundView, m_progressView, m_lineView})
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
    setMinimumHeight(24);
    layoutBar();
}

void QXProgressView::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    qxkit::setBgColor(m_backgroundView, color);
}

void QXProgressView::setProgressColor(const QColor &color)
{
    m_progressColor = color;
    qxkit::setBgColor(m_progressView, color);
}

void QXProgressView::setTextColor(const QColor &color)
{
    m_textColor = color;
    QPalette palette = m_infoLabel->palette();
    palette.setColor(QPalette::WindowText, color);
    m_infoLabel->setPalette(palette);
}

void QXProgressView::setHideProgressLabel(bool hide)
{
    m_hideProgressLabel = hide;
    m_progressLabel->setHidden(hide);
}

void QXProgressView::setProgress(float progress)
{
    m_progress = progress;
    m_fillSpansFullHeight = true;
    layoutBar();
    QMetaObject::invokeMethod(this, &QXProgressView::showPercentage, Qt::QueuedConnection);
}

void QXProgressView::setText(const QString &text)
{
    m_text = text;
    showInfo();
}

void QXProgressView::showInfo()
{
    // Long file names keep their beginning and their end.
    const int room = m_infoLabel->width();
    m_infoLabel->setText(room > 0 ? m_infoLabel->fontMetrics().elidedText(m_text, Qt::ElideMiddle, room) : m_text);
    m_infoLabel->setToolTip(m_infoLabel->text() == m_text ? QString() : m_text);
}

QString QXProgressView::percentText(float progress)
{
    const float percent = std::floor(progress * 100.0f);
    if (!std::isfinite(percent))
        return QStringLiteral("0%");
    constexpr float largest = 1e12f;
    return QString::number(static_cast<long long>(qBound(-largest, percent, largest))) + QLatin1Char('%');
}

void QXProgressView::showPercentage()
{
    m_progressLabel->setText(percentText(m_progress));
}

void QXProgressView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutBar();
}

void QXProgressView::layoutBar()
{
    const int w = width();
    const int h = height();
    m_backgroundView->setGeometry(0, 0, w, h);
    m_lineView->setGeometry(0, 0, w, lineHeight);
    // Negative or undefined fractions draw no fill; the fill never passes the full width.
    const float fraction = m_progress > 0 ? qMin(m_progress, 1.0f) : 0.0f;
    const int fillTop = m_fillSpansFullHeight ? 0 : lineHeight;
    m_progressView->setGeometry(0, fillTop, int(std::lround(w * fraction)), h - fillTop);
    const int labelRight = w - labelInset;
    m_progressLabel->setGeometry(labelRight - progressLabelWidth, 0, progressLabelWidth, h);
    const int infoRight = labelRight - progressLabelWidth - labelInset;
    m_infoLabel->setGeometry(labelInset, 0, qMax(0, infoRight - labelInset), h);
    m_lineView->raise();
    showInfo();
}
