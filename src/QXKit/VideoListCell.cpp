#include "VideoListCell.h"

#include "CoverBox.h"
#include "QXColor.h"
#include "QXView.h"
#include "StandardIcon.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

VideoListCell::VideoListCell(QWidget *parent)
    : MouseTrackingCell(parent)
    , m_coverView(new CoverBox(this))
    , m_checkBox(new QCheckBox)
    , m_indexLabel(qxkit::label({}, qxkit::globalTextColor()))
    , m_nameLabel(qxkit::label({}, qxkit::globalTextColor()))
    , m_sizeLabel(qxkit::label({}, qxkit::globalTextColor()))
    , m_deleteButton(new QToolButton)
{
    m_coverView->hide();
    m_indexLabel->setMinimumWidth(36);
    m_sizeLabel->setMinimumWidth(90);
    m_deleteButton->setIcon(qxkit::standardIcon(QStyle::SP_TrashIcon));
    m_deleteButton->setAutoRaise(true);
    m_deleteButton->setFocusPolicy(Qt::StrongFocus);
    qxkit::setToolTipKey(m_deleteButton, QStringLiteral("ov_confirm_delete"));
    m_deleteButton->setAccessibleName(m_deleteButton->toolTip());

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 12, 0);
    layout->setSpacing(12);
    layout->addWidget(m_checkBox);
    layout->addWidget(m_indexLabel);
    layout->addWidget(m_nameLabel, 1);
    layout->addWidget(m_sizeLabel);
    layout->addWidget(m_deleteButton);
    setMinimumHeight(40);

    connect(m_checkBox, &QCheckBox::clicked, this, &VideoListCell::checkAction);
    connect(m_deleteButton, &QToolButton::clicked, this, &VideoListCell::deleteAction);
}

void VideoListCell::config(const QString &fileName, const QString &fileSize, int index, bool checked)
{
    m_index = index;
    m_indexLabel->setText(QString::number(index + 1));
    m_nameLabel->setText(fileName);
    m_sizeLabel->setText(fileSize);
    m_checkBox->setChecked(checked);
    m_checkBox->setAccessibleName(fileName);
    // Every row's delete button reads the same; the video's name tells which one it deletes.
    m_deleteButton->setAccessibleDescription(fileName);
}

void VideoListCell::prepareForReuse()
{
    m_coverView->hide();
}

void VideoListCell::checkAction()
{
    if (m_itemCheckAction)
        m_itemCheckAction(m_index, m_checkBox->isChecked());
}

void VideoListCell::deleteAction()
{
    if (m_itemDeleteAction)
        m_itemDeleteAction(m_index);
}

void VideoListCell::mouseEntered()
{
    m_coverView->show();
    m_coverView->raise();
}

void VideoListCell::mouseExited()
{
    m_coverView->hide();
}

void VideoListCell::resizeEvent(QResizeEvent *event)
{
    MouseTrackingCell::resizeEvent(event);
    m_coverView->setGeometry(rect());
}
