#include "CoverBox.h"

#include "QXColor.h"
#include "QXView.h"

CoverBox::CoverBox(QWidget *parent)
    : QWidget(parent)
{
    qxkit::setBgColor(this, qxkit::hexWithHex(0x0081FD, 0.3));
    qxkit::setBorderColor(this, qxkit::hexWithHex(0x0081FD, 0.5));
    qxkit::setBorderWidth(this, 1.0);
    qxkit::setUserInterfaceDisabled(this, true);
}
