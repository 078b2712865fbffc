#pragma once

#include <QWidget>

// A translucent blue box laid over a row to mark it; it lets the mouse through.
class CoverBox : public QWidget
{
    Q_OBJECT
public:
    explicit CoverBox(QWidget *parent = nullptr);
};
