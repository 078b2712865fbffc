#pragma once

#include "MouseTrackingCell.h"
#include "QXQFileInfo.h"

#include <functional>

class CoverBox;
class QLabel;
class QSpinBox;
class QToolButton;

// The row of one play-list entry, shared by the play-list screen and the play-list editor:
// position, type icon, name, size and play count. While the pointer is over the row, or the
// keyboard focus is inside it, it offers a play-count stepper, up and down buttons and (unless
// forbidden) a play button; the delete button is always there. The row does nothing by itself:
// each action goes to a block its owner sets, and a block that is not set is skipped.
class PlayListCell : public MouseTrackingCell
{
    Q_OBJECT
public:
    // The width of the operations column, which a list's header gives its own column too.
    static constexpr int kOperationWidth = 176;

    explicit PlayListCell(QWidget *parent = nullptr);

    // Shows the entry at the row: the position is row + 1, the stepper takes the play count.
    void configData(const QXQFileInfoRef &entry, int row);
    // A reused row: not playing, not selected, cover and hover controls hidden.
    void prepareForReuse();

    bool isPlaying() const { return m_isPlaying; }
    // Switches the type icon between the playing and the resting picture.
    void setIsPlaying(bool playing);
    bool isSelected() const { return m_selected; }
    // The cover shows exactly when the row is selected (or the pointer is over it).
    void setSelected(bool selected);
    bool forbidPlay() const { return m_forbidPlay; }
    void setForbidPlay(bool forbid);

    void setChangeTimesAction(std::function<void(qint64 times)> action) { m_changeTimesAction = std::move(action); }
    // true for up.
    void setMoveItemAction(std::function<void(bool up)> action) { m_moveItemAction = std::move(action); }
    void setPlayAction(std::function<void()> action) { m_playAction = std::move(action); }
    void setDeleteAction(std::function<void()> action) { m_deleteAction = std::move(action); }

    CoverBox *coverView() const { return m_coverView; }
    QLabel *itemIndexLabel() const { return m_itemIndexLabel; }
    QLabel *itemTypeIcon() const { return m_itemTypeIcon; }
    QLabel *itemName() const { return m_itemName; }
    QLabel *itemSize() const { return m_itemSize; }
    QLabel *itemTimes() const { return m_itemTimes; }
    QSpinBox *stepper() const { return m_stepper; }
    QToolButton *btnUpItem() const { return m_btnUpItem; }
    QToolButton *btnDownItem() const { return m_btnDownItem; }
    QToolButton *btnPlayItem() const { return m_btnPlayItem; }
    QToolButton *btnDeleteItem() const { return m_btnDeleteItem; }

public slots:
    void stepperAction();
    void moveAction();
    void playAction();
    void deleteAction();

protected:
    void mouseEntered() override;
    void mouseExited() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool hasFocusWithin() const;
    // Shows or hides the cover and the hover controls for the pointer, focus and selection.
    void updateControls();

    bool m_isPlaying = false;
    bool m_selected = false;
    bool m_forbidPlay = false;
    bool m_hovered = false;
    std::function<void(qint64)> m_changeTimesAction;
    std::function<void(bool)> m_moveItemAction;
    std::function<void()> m_playAction;
    std::function<void()> m_deleteAction;

    CoverBox *m_coverView;
    QLabel *m_itemIndexLabel;
    QLabel *m_itemTypeIcon;
    QLabel *m_itemName;
    QLabel *m_itemSize;
    QLabel *m_itemTimes;
    QSpinBox *m_stepper;
    QToolButton *m_btnUpItem;
    QToolButton *m_btnDownItem;
    QToolButton *m_btnPlayItem;
    QToolButton *m_btnDeleteItem;
};
