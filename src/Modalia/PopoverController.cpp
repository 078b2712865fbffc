#include "PopoverController.h"

#include "QXColor.h"
#include "QXView.h"

#include <QVBoxLayout>

namespace Modalia {

PopoverController::PopoverController(QWidget *content, PopoverBehavior behavior, QWidget *parent)
    : QDialog(parent, behavior == PopoverBehavior::applicationDefined ? Qt::Tool | Qt::FramelessWindowHint : Qt::Popup)
    , m_content(content)
{
    setPalette(qxkit::darkPalette());
    setAutoFillBackground(true);
    setAccessibleName(content->accessibleName());
    // A thin frame keeps the popover apart from the equally dark window beneath.
    qxkit::setBorderColor(this, QColor(74, 78, 98));
    qxkit::setBorderWidth(this, 1);
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(content);
    adjustSize();
}

} // namespace Modalia
