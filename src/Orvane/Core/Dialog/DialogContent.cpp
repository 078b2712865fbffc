#include "DialogContent.h"

#include "Core/Utils.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>

namespace dialogcontent {

namespace {

// Wants the wrapped message's full height at the dialog's message width; may be squeezed, then
// scrolls.
class MessageArea : public QScrollArea
{
public:
    explicit MessageArea(QLabel *label)
        : m_label(label)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setWidget(label);
        viewport()->setAutoFillBackground(false);
        label->setAutoFillBackground(false);
        setFocusPolicy(Qt::NoFocus);
    }

    QSize sizeHint() const override
    {
        return {messageWidth, qMax(m_label->minimumHeight(), m_label->heightForWidth(messageWidth))};
    }
    QSize minimumSizeHint() const override { return {0, m_label->minimumHeight()}; }

private:
    QLabel *m_label;
};

} // namespace

QLabel *messageLabel()
{
    QLabel *label = qxkit::label({}, qxkit::globalTextColor());
    label->setObjectName(QStringLiteral("info"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    label->setMinimumHeight(44);
    return label;
}

QWidget *messageArea(QLabel *label)
{
    return new MessageArea(label);
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
