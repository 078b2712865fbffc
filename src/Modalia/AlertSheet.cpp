#include "AlertSheet.h"

#include "DialogLook.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXLocalized.h"
#include "QXView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace Modalia {

namespace {

QIcon styleIcon(AlertStyle style)
{
    switch (style) {
    case AlertStyle::critical:
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    case AlertStyle::informational:
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
    case AlertStyle::warning:
        break;
    }
    return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
}

} // namespace

AlertSheet::AlertSheet(AlertStyle style, const QString &title, const std::optional<QString> &message,
                       const QIcon &icon, const QStringList &buttons, Answer answer, QWidget *parent)
    : QDialog(parent)
    , m_answer(std::move(answer))
{
    look::prepareDialog(this, title, 420);

    auto *iconLabel = new QLabel;
    iconLabel->setPixmap((icon.isNull() ? styleIcon(style) : icon).pixmap(48, 48));
    iconLabel->setAlignment(Qt::AlignTop);

    QLabel *titleText = qxkit::label(title, Qt::white);
    titleText->setObjectName(QStringLiteral("titleLabel"));
    titleText->setWordWrap(true);
    QFont bold = titleText->font();
    bold.setBold(true);
    titleText->setFont(bold);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(8);
    texts->addWidget(titleText);
    if (message) {
        QLabel *messageText = qxkit::label(*message, qxkit::globalTextColor());
        messageText->setObjectName(QStringLiteral("messageLabel"));
        messageText->setWordWrap(true);
        texts->addWidget(messageText);
    }
    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(iconLabel);
    top->addLayout(texts, 1);

    const QStringList titles = buttons.isEmpty() ? QStringList{qxLocalized(QStringLiteral("ov_confirm"))}
                                                 : buttons;
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (int index = 0; index < titles.size(); ++index) {
        auto *button = new QXButton(titles.at(index));
        button->setObjectName(QStringLiteral("alertButton%1").arg(index));
        connect(button, &QPushButton::clicked, this, [this, index] { press(index); });
        row->addWidget(button);
        m_buttons.append(button);
    }
    m_buttons.first()->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 20);
    layout->setSpacing(20);
    layout->addLayout(top);
    layout->addLayout(row);
}

AlertSheet::~AlertSheet()
{
    if (auto answer = std::exchange(m_answer, nullptr))
        answer(std::nullopt);
}

QXButton *AlertSheet::alertButton(int index) const
{
    return m_buttons.value(index);
}

bool AlertSheet::hasMessage() const
{
    return findChild<QLabel *>(QStringLiteral("messageLabel")) != nullptr;
}

void AlertSheet::press(int index)
{
    if (auto answer = std::exchange(m_answer, nullptr)) {
        accept();
        answer(index);
    }
}

void AlertSheet::done(int result)
{
    // Only a pressed button finishes an alert, so its answer is always a button.
    if (!m_answer)
        QDialog::done(result);
}

void AlertSheet::keyPressEvent(QKeyEvent *event)
{
    // Esc is the way out: the one button of a notice, or the button titled as a cancel.
    if (event->key() == Qt::Key_Escape) {
        const QString cancel = qxLocalized(QStringLiteral("ov_cancel"));
        for (int index = 0; index < m_buttons.size(); ++index) {
            if (m_buttons.size() == 1 || m_buttons.at(index)->text() == cancel) {
                press(index);
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void AlertSheet::closeEvent(QCloseEvent *event)
{
    if (m_answer && m_buttons.size() == 1)
        press(0);
    if (m_answer)
        event->ignore();
    else
        event->accept();
}

} // namespace Modalia
