#include "EmptyScreen.h"

EmptyScreen::EmptyScreen(const QString &screenName, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(screenName);
    setAccessibleName(screenName);
}

QString EmptyScreen::screenName() const
{
    return objectName();
}
