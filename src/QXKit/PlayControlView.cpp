#include "PlayControlView.h"

#include "QXColor.h"
#include "QXLocalized.h"
#include "QXView.h"
#include "StandardIcon.h"

#include <QEnterEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

namespace {

QPushButton *controlButton(QStyle::StandardPixmap icon, const QString &name, const QString &nameKey)
{
    auto *button = new QPushButton;
    button->setObjectName(name);
    button->setIcon(qxkit::standardIcon(icon));
    button->setIconSize(QSize(20, 20));
    button->setFlat(true);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAccessibleName(qxLocalized(nameKey));
    qxkit::setToolTipKey(button, nameKey);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    qxkit::setCRadius(button, 4);
    return button;
}

} // namespace

PlayControlView::PlayControlView(QWidget *parent)
    : QWidget(parent)
    , m_previousBtn(controlButton(QStyle::SP_MediaSkipBackward, QStringLiteral("previous"), QStringLiteral("ov_a11y_previous")))
    , m_playBtn(controlButton(QStyle::SP_MediaPlay, QStringLiteral("play"), QStringLiteral("ov_a11y_play")))
    , m_nextBtn(controlButton(QStyle::SP_MediaSkipForward, QStringLiteral("next"), QStringLiteral("ov_a11y_next")))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QPushButton *button : {m_previousBtn, m_playBtn, m_nextBtn}) {
        layout->addWidget(button, 1);
        button->setMouseTracking(true);
        button->installEventFilter(this);
    }
    setMouseTracking(true);
    setMinimumSize(120, 36);
}

QPushButton *PlayControlView::focusButtonAt(const QPointF &point) const
{
    if (!QRectF(rect()).contains(point))
        return nullptr;
    const qreal third = width() / 3.0;
    if (point.x() >= 0 && point.x() <= third)
        return m_previousBtn;
    if (point.x() <= 2 * third)
        return m_playBtn;
    return m_nextBtn;
}

void PlayControlView::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    setFocusView(nullptr);
}

void PlayControlView::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    setFocusView(focusButtonAt(event->position()));
}

bool PlayControlView::eventFilter(QObject *watched, QEvent *event)
{
    // The buttons cover the whole view, so the mouse is followed through them.
    auto *button = qobject_cast<QPushButton *>(watched);
    if (button && (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)) {
        const QPointF local = event->type() == QEvent::MouseMove
            ? static_cast<QMouseEvent *>(event)->position()
            : static_cast<QEnterEvent *>(event)->position();
        setFocusView(focusButtonAt(button->mapTo(this, local)));
    }
    return QWidget::eventFilter(watched, event);
}

void PlayControlView::setFocusView(QPushButton *button)
{
    if (button == m_focusView)
        return;
    if (m_focusView)
        qxkit::setBgColor(m_focusView, std::nullopt);
    m_focusView = button;
    if (button)
        qxkit::setBgColor(button, qxkit::globalThemeColor());
}
