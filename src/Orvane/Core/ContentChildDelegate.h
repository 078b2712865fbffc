#pragma once

#include <QVariant>

class QWidget;

// What a screen shown in the main window's content area asks of the home screen: go to
// another screen by its type code, optionally with data for that screen.
class ContentChildDelegate
{
public:
    // The screen type codes.
    enum ScreenType {
        connectType = 100,
        playlistType = 101,
        configType = 103,
        multyListType = 107,
        videoListType = 108,
        listEditType = 109,
        materialType = 110,
        unionType = 111,
    };

    virtual ~ContentChildDelegate() = default;
    virtual void childVC(QWidget *child, int destination) = 0;
    virtual void childVC(QWidget *child, int destination, const QVariant &data) = 0;
};
