#include "ScreenParts.h"

#include "QXButton.h"
#include "QXColor.h"
#include "QXView.h"
#include "StandardIcon.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvane::screen {

QXButton *barButton(const char *key, const char *toolTipKey)
{
    auto *button = new QXButton;
    qxkit::setInternationalKey(button, QString::fromLatin1(key));
    button->setAccessibleName(button->text());
    if (toolTipKey) {
        qxkit::setToolTipKey(button, QString::fromLatin1(toolTipKey));
        button->setAccessibleDescription(button->toolTip());
    }
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QToolButton *iconButton(const char *toolTipKey, QStyle::StandardPixmap icon)
{
    auto *button = new QToolButton;
    button->setIcon(qxkit::standardIcon(icon));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::StrongFocus);
    qxkit::setToolTipKey(button, QString::fromLatin1(toolTipKey));
    button->setAccessibleName(button->toolTip());
    return button;
}

QXButton *backButton()
{
    QXButton *button = barButton("ov_back");
    qxkit::setBorderColor(button, QColor(Qt::lightGray));
    qxkit::setBorderWidth(button, 1.0);
    return button;
}

QLabel *headingLabel(const char *key)
{
    QLabel *label = qxkit::label({}, qxkit::globalTextColor());
    qxkit::setInternationalKey(label, QString::fromLatin1(key));
    return label;
}

QLabel *titleLabel(const char *key)
{
    QLabel *label = headingLabel(key);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

void applyScreenLook(QWidget *screen)
{
    screen->setPalette(qxkit::darkPalette());
    screen->setAutoFillBackground(true);
}

QVBoxLayout *screenColumn(QWidget *screen, QXButton *back, QLabel *title, const QList<QXButton *> &buttons,
                          QWidget *middle)
{
    applyScreenLook(screen);
    auto *bar = new QHBoxLayout;
    bar->setSpacing(10);
    if (back)
        bar->addWidget(back);
    bar->addWidget(title, middle ? 0 : 1);
    if (middle)
        bar->addWidget(middle, 1);
    for (QXButton *button : buttons)
        bar->addWidget(button);
    auto *column = new QVBoxLayout(screen);
    column->setContentsMargins(16, 12, 16, 12);
    column->setSpacing(8);
    column->addLayout(bar);
    return column;
}

} // namespace orvane::screen
