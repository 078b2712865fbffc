#pragma once

#include <QWidget>

// A plain, empty screen standing in the home screen's slot of a screen that does not exist yet.
// Its object and accessible names say which screen it stands for.
class EmptyScreen : public QWidget
{
    Q_OBJECT
public:
    explicit EmptyScreen(const QString &screenName, QWidget *parent = nullptr);
    QString screenName() const;
};
