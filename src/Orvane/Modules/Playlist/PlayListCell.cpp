#include "PlayListCell.h"

#include "AccessibleFactory.h"
#include "CoverBox.h"
#include "PlayListCellAccessible.h"
#include "QXColor.h"
#include "QXLocalized.h"
#include "QXView.h"
#include "StandardIcon.h"
#include "Widget/ScreenParts.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

using orvane::screen::iconButton;
using qxkit::standardIcon;

namespace {

constexpr int kRowHeight = 54;
constexpr int kIconSize = 18;
constexpr int kMaxTimes = 999;

void keepPlaceWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

PlayListCell::PlayListCell(QWidget *parent)
    : MouseTrackingCell(parent)
    , m_coverView(new CoverBox(this))
    , m_itemIndexLabel(qxkit::label({}, qxkit::globalTextColor()))
    , m_itemTypeIcon(new QLabel)
    , m_itemName(qxkit::label({}, qxkit::globalTextColor()))
    , m_itemSize(qxkit::label({}, qxkit::globalTextColor()))
    , m_itemTimes(qxkit::label({}, qxkit::globalTextColor()))
    , m_stepper(new QSpinBox)
    , m_btnUpItem(iconButton("ov_move_up", QStyle::SP_ArrowUp))
    , m_btnDownItem(iconButton("ov_move_down", QStyle::SP_ArrowDown))
    , m_btnPlayItem(iconButton("ov_play", QStyle::SP_MediaPlay))
    , m_btnDeleteItem(iconButton("ov_confirm_delete", QStyle::SP_TrashIcon))
{
    qxkit::installAccessibleInterface<PlayListCell, PlayListCellAccessible>();
    setFocusPolicy(Qt::TabFocus);
    setMinimumHeight(kRowHeight);
    m_itemIndexLabel->setMinimumWidth(32);
    m_itemName->setTextInteractionFlags(Qt::NoTextInteraction);
    m_itemTypeIcon->setFixedSize(kIconSize, kIconSize);
    // The stepper reports a finished value: typing a number sends it once, not per digit, and
    // holding an arrow keeps stepping.
    m_stepper->setRange(1, kMaxTimes);
    m_stepper->setKeyboardTracking(false);
    m_stepper->setAccessibleName(qxLocalized(QStringLiteral("ov_times")));
    m_stepper->setFocusPolicy(Qt::StrongFocus);

    auto *operationView = new QWidget;
    operationView->setFixedWidth(kOperationWidth);
    auto *operations = new QHBoxLayout(operationView);
    operations->setContentsMargins(0, 0, 0, 0);
    operations->setSpacing(4);
    operations->addStretch(1);
    for (QWidget *control : std::initializer_list<QWidget *>{m_stepper, m_btnUpItem, m_btnDownItem, m_btnPlayItem}) {
        keepPlaceWhenHidden(control);
        control->hide();
        control->installEventFilter(this);
        operations->addWidget(control);
    }
    operations->addWidget(m_btnDeleteItem);
    m_btnDeleteItem->installEventFilter(this);

    // The columns share the widths of the list's header: name 3, size and count 1 each, then
    // the operations.
    auto *nameView = new QWidget;
    auto *names = new QHBoxLayout(nameView);
    names->setContentsMargins(0, 0, 0, 0);
    names->setSpacing(8);
    names->addWidget(m_itemIndexLabel);
    names->addWidget(m_itemTypeIcon);
    names->addWidget(m_itemName, 1);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 12, 0);
    layout->setSpacing(12);
    layout->addWidget(nameView, 3);
    layout->addWidget(m_itemSize, 1);
    layout->addWidget(m_itemTimes, 1);
    layout->addWidget(operationView, 1);
    m_coverView->hide();
    setIsPlaying(false);

    connect(m_stepper, &QSpinBox::valueChanged, this, &PlayListCell::stepperAction);
    connect(m_btnUpItem, &QToolButton::clicked, this, &PlayListCell::moveAction);
    connect(m_btnDownItem, &QToolButton::clicked, this, &PlayListCell::moveAction);
    connect(m_btnPlayItem, &QToolButton::clicked, this, &PlayListCell::playAction);
    connect(m_btnDeleteItem, &QToolButton::clicked, this, &PlayListCell::deleteAction);
}

void PlayListCell::configData(const QXQFileInfoRef &entry, int row)
{
    m_itemIndexLabel->setText(QString::number(row + 1));
    m_itemName->setText(entry->fileName());
    m_itemSize->setText(entry->fileSize());
    m_itemTimes->setText(entry->fileTimes());
    {
        const QSignalBlocker quiet(m_stepper);
        m_stepper->setValue(entry->fileTimes().toInt());
    }
    setToolTip(entry->fileName());
}

void PlayListCell::prepareForReuse()
{
    m_isPlaying = false;
    m_selected = false;
    m_hovered = false;
    updateControls();
}

void PlayListCell::setIsPlaying(bool playing)
{
    m_isPlaying = playing;
    // A list fills its shown rows again at every reload: the same picture is not set again.
    const QPixmap icon = standardIcon(playing ? QStyle::SP_MediaPlay : QStyle::SP_FileIcon).pixmap(kIconSize);
    if (m_itemTypeIcon->pixmap().cacheKey() != icon.cacheKey())
        m_itemTypeIcon->setPixmap(icon);
    m_itemTypeIcon->setAccessibleName(playing ? qxLocalized(QStringLiteral("ov_playing")) : QString());
}

void PlayListCell::setSelected(bool selected)
{
    m_selected = selected;
    updateControls();
}

void PlayListCell::setForbidPlay(bool forbid)
{
    m_forbidPlay = forbid;
    updateControls();
}

void PlayListCell::stepperAction()
{
    m_itemTimes->setText(QString::number(m_stepper->value()));
    if (m_changeTimesAction)
        m_changeTimesAction(m_stepper->value());
}

void PlayListCell::moveAction()
{
    if (m_moveItemAction)
        m_moveItemAction(sender() == m_btnUpItem);
}

void PlayListCell::playAction()
{
    m_btnPlayItem->hide();
    if (m_playAction)
        m_playAction();
}

void PlayListCell::deleteAction()
{
    if (m_deleteAction)
        m_deleteAction();
}

void PlayListCell::mouseEntered()
{
    m_hovered = true;
    updateControls();
}

void PlayListCell::mouseExited()
{
    m_hovered = false;
    updateControls();
}

bool PlayListCell::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        updateControls();
    else if (event->type() == QEvent::FocusOut)
        QTimer::singleShot(0, this, &PlayListCell::updateControls); // focus may move to a sibling
    return MouseTrackingCell::eventFilter(watched, event);
}

void PlayListCell::focusInEvent(QFocusEvent *event)
{
    MouseTrackingCell::focusInEvent(event);
    updateControls();
}

bool PlayListCell::hasFocusWithin() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

void PlayListCell::updateControls()
{
    const bool active = m_hovered || hasFocusWithin();
    m_coverView->setVisible(active || m_selected);
    if (m_coverView->isVisible())
        m_coverView->lower();
    for (QWidget *control : std::initializer_list<QWidget *>{m_stepper, m_btnUpItem, m_btnDownItem})
        control->setVisible(active);
    m_btnPlayItem->setVisible(active && !m_forbidPlay);
}

void PlayListCell::resizeEvent(QResizeEvent *event)
{
    MouseTrackingCell::resizeEvent(event);
    m_coverView->setGeometry(rect());
}
