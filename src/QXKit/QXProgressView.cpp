#include "QXProgressView.h"

#include "AccessibleFactory.h"
#include "QXColor.h"
#include "QXEventLoop.h"
#include "QXLocalized.h"
#include "QXProgressViewAccessible.h"
#include "QXView.h"

#include <QLabel>

#include <cmath>

namespace {

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
    qxkit::installAccessibleInterface<QXProgressView, QXProgressViewAccessible>();
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
    const int before = percent(m_progress);
    m_progress = progress;
    m_fillSpansFullHeight = true;
    layoutBar();
    qxNextTurn(this, [this] { showPercentage(); });
    if (percent(progress) != before)
        announceValue();
}

void QXProgressView::setText(const QString &text)
{
    m_text = text;
    showInfo();
    announce(QAccessible::NameChanged);
}

QXProgressView::State QXProgressView::state() const
{
    if (m_state == State::Running && m_progress >= 1.0f)
        return State::Finished;
    return m_state;
}

void QXProgressView::setFailed(const QString &reason)
{
    setState(State::Failed, reason);
}

void QXProgressView::setFinished()
{
    setState(State::Finished, {});
}

void QXProgressView::setRunning()
{
    setState(State::Running, {});
}

void QXProgressView::setState(State state, const QString &reason)
{
    if (m_state == state && m_failureReason == reason)
        return;
    m_state = state;
    m_failureReason = reason;
    announceValue();
}

void QXProgressView::announceValue()
{
    QAccessibleValueChangeEvent value(this, percent(m_progress));
    QAccessible::updateAccessibility(&value);
    announce(QAccessible::DescriptionChanged);
}

void QXProgressView::announce(QAccessible::Event kind)
{
    QAccessibleEvent event(this, kind);
    QAccessible::updateAccessibility(&event);
}

QString QXProgressView::stateDescription() const
{
    const QString shown = percentText(m_progress);
    switch (state()) {
    case State::Running:
        return qxLocalized(QStringLiteral("ov_progress_running")).arg(shown);
    case State::Finished:
        return valueText();
    case State::Failed:
        // Work that failed before it began has no percentage worth saying.
        if (percent(m_progress) <= 0)
            return valueText();
        return m_failureReason.isEmpty()
            ? qxLocalized(QStringLiteral("ov_progress_failed_at")).arg(shown)
            : qxLocalized(QStringLiteral("ov_progress_failed_at_reason")).arg(shown, m_failureReason);
    }
    return {};
}

QString QXProgressView::valueText() const
{
    switch (state()) {
    case State::Running:
        return percentText(m_progress);
    case State::Finished:
        return qxLocalized(QStringLiteral("ov_progress_finished"));
    case State::Failed:
        return m_failureReason.isEmpty() ? qxLocalized(QStringLiteral("ov_progress_failed"))
                                         : m_failureReason;
    }
    return {};
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
    return QString::number(percent(progress)) + QLatin1Char('%');
}

int QXProgressView::percent(float progress)
{
    const float floored = std::floor(progress * 100.0f);
    if (!std::isfinite(floored))
        return 0;
    constexpr float largest = 1e9f;
    return int(qBound(-largest, floored, largest));
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
