#pragma once

#include <QPointer>
#include <QPushButton>
#include <QWidget>

// Previous, play and next side by side; the button under the mouse is lit in the theme colour.
// The owning screen connects the buttons.
class PlayControlView : public QWidget
{
    Q_OBJECT
public:
    explicit PlayControlView(QWidget *parent = nullptr);

    QPushButton *previousBtn() const { return m_previousBtn; }
    QPushButton *playBtn() const { return m_playBtn; }
    QPushButton *nextBtn() const { return m_nextBtn; }
    // The lit button; nullptr when none.
    QPushButton *focusView() const { return m_focusView; }

    // The button for a point in this view: the left, middle or right third of the width (a point
    // on the first border belongs to the left); nullptr outside the view.
    QPushButton *focusButtonAt(const QPointF &point) const;

protected:
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setFocusView(QPushButton *button);

    QPushButton *m_previousBtn;
    QPushButton *m_playBtn;
    QPushButton *m_nextBtn;
    QPointer<QPushButton> m_focusView;
};
