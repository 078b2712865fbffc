#include "DialogContent.h"

#include "Core/Utils.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXView.h"

#include <QHBoxLayout>
#include <QLabel>

namespace dialogcontent {

QLabel *messageLabel()
{
    QLabel *label = qxkit::label({}, qxkit::globalTextColor());
    label->setObjectName(QStringLiteral("info"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    label->setMinimumHeight(44);
    return label;
}

void setMessage(QLabel *label, const QString &message, bool leftAligned)
{
    QString html = message.toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    label->setText(
        QStringLiteral("<p style=\"line-height:5px; -qt-line-height-type:line-distance;\">%1</p>").arg(html));
    label->setAlignment(leftAligned ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    label->setAccessibleName(message);
}

QPushButton *button(const QString &objectName, const QString &key, QWidget *owner,
                    const std::function<void()> &action)
{
    auto *result = new QXButton;
    result->setObjectName(objectName);
    qxkit::setInternationalKey(result, key);
    result->setMinimumWidth(110);
    Utils::setButton(result, std::nullopt, std::nullopt);
    QObject::connect(result, &QPushButton::clicked, owner, [&action] {
        if (action)
            action();
    });
    return result;
}

QBoxLayout *buttonRow(const QList<QPushButton *> &buttons)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(24);
    row->addStretch();
    for (QPushButton *button : buttons)
        row->addWidget(button);
    row->addStretch();
    return row;
}

} // namespace dialogcontent
