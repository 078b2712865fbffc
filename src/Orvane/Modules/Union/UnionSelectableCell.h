#pragma once

#include "MouseTrackingCell.h"

class CoverBox;

// A row of a union screen's list. A cover marks it while the mouse is over it and while it is
// the selected row. The row takes keyboard focus; a click, Space or Enter on it asks its owner to
// select it. Assistive technology sees a selectable list item named by accessibleName().
class UnionSelectableCell : public MouseTrackingCell
{
    Q_OBJECT
public:
    explicit UnionSelectableCell(QWidget *parent = nullptr);

    CoverBox *coverView() const { return m_coverView; }
    bool isSelected() const { return m_isSelected; }
    // Shows the cover exactly when selected.
    void setIsSelected(bool isSelected);
    // A reused row starts without the cover; its selection is left for the owner to set.
    void prepareForReuse();

signals:
    void activated();

protected:
    void mouseEntered() override;
    void mouseExited() override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showCover(bool shown);

    CoverBox *m_coverView;
    bool m_isSelected = false;
};
