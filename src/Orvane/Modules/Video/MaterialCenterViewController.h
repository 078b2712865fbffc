#pragma once

#include <QStringList>
#include <QWidget>

class QPushButton;

// The sample videos page: one button per sample shipped with the application. A button offers
// to save a copy of its video wherever the operator chooses (starting in Downloads), to be
// uploaded later like any other file. Nothing is shown when saving fails: the copy is simply
// not there, and the reason goes to the standard output.
class MaterialCenterViewController : public QWidget
{
    Q_OBJECT
public:
    explicit MaterialCenterViewController(QWidget *parent = nullptr);

    // The samples' resource names, in button order; a button's tag indexes it.
    QStringList videos() const { return m_videos; }
    // The resource of a sample, ":/samples/<name>.mp4".
    static QString resourcePath(const QString &name);

    QPushButton *fishBtn() const { return m_buttons.value(0); }
    QPushButton *ringBtn() const { return m_buttons.value(1); }
    QPushButton *figureBtn() const { return m_buttons.value(2); }
    QPushButton *loopBtn() const { return m_buttons.value(3); }
    QPushButton *diamondBtn() const { return m_buttons.value(4); }

public slots:
    void btnAction(QPushButton *button);

private:
    static void saveSample(const QString &name, const QString &path);

    QStringList m_videos;
    QList<QPushButton *> m_buttons;
};
