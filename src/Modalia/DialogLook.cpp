#include "DialogLook.h"

#include "QXButton.h"
#include "QXColor.h"
#include "QXView.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace Modalia::look {

void prepareDialog(QDialog *dialog, const QString &title, int width)
{
    dialog->setPalette(qxkit::darkPalette());
    dialog->setAutoFillBackground(true);
    dialog->setWindowTitle(QApplication::applicationName());
    dialog->setAccessibleName(title);
    dialog->setFixedWidth(width);
    QObject::connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
}

QLabel *titleLabel(const QString &text)
{
    QLabel *label = qxkit::label(text, qxkit::globalTextColor());
    label->setObjectName(QStringLiteral("titleLabel"));
    label->setWordWrap(true);
    label->setAlignment(text.contains(QLatin1Char('\n')) ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    label->setMinimumHeight(40);
    return label;
}

QXButton *button(const QString &objectName, const std::optional<QString> &title, const QString &fallbackKey)
{
    auto *result = new QXButton;
    result->setObjectName(objectName);
    if (title) {
        qxkit::setInternationalKey(result, {});
        result->setText(*title);
    } else {
        qxkit::setInternationalKey(result, fallbackKey);
    }
    result->setMinimumWidth(110);
    return result;
}

QBoxLayout *buttonRow(QWidget *cancel, QWidget *confirm)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(24);
    row->addStretch();
    if (cancel)
        row->addWidget(cancel);
    row->addWidget(confirm);
    row->addStretch();
    return row;
}

QWidget *inputBox(QLineEdit *field, const QString &fieldObjectName)
{
    auto *box = new QWidget;
    box->setObjectName(QStringLiteral("inputView"));
    qxkit::setBgColor(box, QColor(48, 51, 68));
    qxkit::setCRadius(box, 4);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(10, 4, 10, 4);
    field->setObjectName(fieldObjectName);
    field->setFrame(false);
    field->setMinimumHeight(28);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    field->setPalette(palette);
    layout->addWidget(field);
    return box;
}

} // namespace Modalia::look
