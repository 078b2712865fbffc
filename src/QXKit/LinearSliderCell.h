#pragma once

#include <QList>
#include <QRectF>
#include <QSlider>

// A horizontal slider drawn as a thin white bar with white tick marks and a round knob.
class LinearSliderCell : public QSlider
{
    Q_OBJECT
public:
    explicit LinearSliderCell(QWidget *parent = nullptr);

    // Tick marks spread evenly between the knob's centre at either end; 0 draws none.
    int numberOfTickMarks() const { return m_numberOfTickMarks; }
    void setNumberOfTickMarks(int count);

    static constexpr qreal knobThickness = 16.0;
    static constexpr qreal barHeight = 2.0;

    // The track and the part up to the value (empty when the range is empty).
    QRectF barRect() const;
    QRectF filledBarRect() const;
    QList<QRectF> tickMarkRects() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF knobRect() const;

    int m_numberOfTickMarks = 0;
};
