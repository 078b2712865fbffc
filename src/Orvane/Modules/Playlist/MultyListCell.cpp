#include "MultyListCell.h"

#include "CoverBox.h"
#include "Core/Utils.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXDevice.h"
#include "QXEventLoop.h"
#include "QXInsSocket.h"
#include "QXLocalized.h"
#include "QXView.h"
#include "Widget/ScreenParts.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

MultyListCell::MultyListCell(QWidget *parent)
    : MouseTrackingCell(parent)
    , m_coverView(new CoverBox(this))
    , m_indexLabel(qxkit::label({}, qxkit::globalTextColor()))
    , m_nameLabel(qxkit::label({}, qxkit::globalTextColor()))
    , m_markLabel(orvane::screen::headingLabel("ov_using"))
    , m_useBtn(orvane::screen::barButton("ov_use"))
    , m_detailBtn(orvane::screen::barButton("ov_detail"))
    , m_deleteBtn(orvane::screen::iconButton("ov_confirm_delete", QStyle::SP_TrashIcon))
{
    m_coverView->hide();
    m_indexLabel->setMinimumWidth(36);
    m_markLabel->setObjectName(QStringLiteral("markLabel"));
    qxkit::setBorderColor(m_useBtn, QColor(Qt::lightGray));
    qxkit::setBorderWidth(m_useBtn, 1.0);
    m_useBtn->setFixedWidth(int(kDetailLeading - 2 * kCurrentDetailLeading));

    // Detail sits 90 from the start of the operations, or in the place of Use when it is hidden.
    auto *operations = new QHBoxLayout;
    operations->setContentsMargins(int(kCurrentDetailLeading), 0, 0, 0);
    operations->setSpacing(int(kCurrentDetailLeading));
    operations->addWidget(m_useBtn);
    operations->addWidget(m_detailBtn);
    operations->addWidget(m_deleteBtn);
    operations->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 12, 0);
    layout->setSpacing(12);
    layout->addWidget(m_indexLabel);
    layout->addWidget(m_nameLabel, 1);
    layout->addWidget(m_markLabel);
    layout->addLayout(operations, 1);
    setMinimumHeight(40);

    connect(m_useBtn, &QPushButton::clicked, this, &MultyListCell::useAction);
    connect(m_detailBtn, &QPushButton::clicked, this, &MultyListCell::detailAction);
    connect(m_deleteBtn, &QToolButton::clicked, this, &MultyListCell::deleteAction);
}

void MultyListCell::configure(qint64 index, const QString &name, bool isCurrent, bool isDefault)
{
    m_index = index;
    m_indexLabel->setText(QString::number(index + 1));
    m_nameLabel->setText(name);
    // The buttons tell which list they act on, and whether it is the one in use. Set before Use
    // hides: a Use that made its list current had the focus, which then moves on to Detail, and
    // Detail must already say that the list is in use when the focus arrives.
    const QString described = isCurrent ? name + QStringLiteral(", ") + qxLocalized("ov_using") : name;
    m_useBtn->setAccessibleDescription(described);
    m_detailBtn->setAccessibleDescription(described);
    m_deleteBtn->setAccessibleDescription(described);
    m_markLabel->setVisible(isCurrent);
    m_useBtn->setHidden(isCurrent);
    m_deleteBtn->setHidden(isCurrent || isDefault);
}

qreal MultyListCell::detailLeading() const
{
    return m_useBtn->isHidden() ? kCurrentDetailLeading : kDetailLeading;
}

void MultyListCell::useAction()
{
    const qint64 index = m_index;
    const std::shared_ptr<QXDevice> record = currentDevice();
    const std::function<void(qint64)> changed = m_listChangeAction;
    insSocket()->sendInsWithType(
        QXInsCode::useList, qint16(index),
        [record, changed, index](const QXOperationRef &, qint64, const QVariant &) {
            qxOnGuiThread([record, changed, index] {
                if (record)
                    record->editStatus([index](QXDeviceStatus &status) { status.setListIndex(index); });
                if (changed)
                    changed(index);
            });
        },
        nullptr);
}

void MultyListCell::detailAction()
{
    if (m_listDetailAction)
        m_listDetailAction(m_index);
}

void MultyListCell::deleteAction()
{
    Utils *utils = Utils::shareInstance();
    utils->showDialogWithType(
        Utils::DialogType::ensure, qxLocalized("ov_delete_list_ensure"), this,
        [this, utils] {
            utils->clickToOK();
            deleteList();
        },
        [utils] { utils->clickToCancel(); });
}

void MultyListCell::deleteList()
{
    // The row may be made again before the fan answers: the report goes by the index it was
    // sent for, to the block of that moment.
    const qint64 index = m_index;
    const std::function<void(qint64)> deleted = m_listDeleteAction;
    insSocket()->sendInsWithType(
        QXInsCode::deleteList, qint16(index),
        [deleted, index](const QXOperationRef &, qint64, const QVariant &) {
            if (deleted)
                qxOnGuiThread([deleted, index] { deleted(index); });
        },
        nullptr);
}

void MultyListCell::mouseEntered()
{
    m_coverView->show();
    m_coverView->lower();
}

void MultyListCell::mouseExited()
{
    m_coverView->hide();
}

void MultyListCell::resizeEvent(QResizeEvent *event)
{
    MouseTrackingCell::resizeEvent(event);
    m_coverView->setGeometry(rect());
}
