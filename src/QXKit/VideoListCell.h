#pragma once

#include "MouseTrackingCell.h"

#include <functional>

class CoverBox;
class QCheckBox;
class QLabel;
class QToolButton;

// A row of the device's video list: check box, number, file name, size and a delete button; a
// blue cover marks the row under the mouse.
class VideoListCell : public MouseTrackingCell
{
    Q_OBJECT
public:
    explicit VideoListCell(QWidget *parent = nullptr);

    // Shows the row: its number is index + 1; name and size are shown as given.
    void config(const QString &fileName, const QString &fileSize, int index, bool checked);
    // A reused row starts without the cover.
    void prepareForReuse();

    int index() const { return m_index; }
    void setItemCheckAction(std::function<void(int index, bool checked)> action) { m_itemCheckAction = std::move(action); }
    void setItemDeleteAction(std::function<void(int index)> action) { m_itemDeleteAction = std::move(action); }

    CoverBox *coverView() const { return m_coverView; }
    QCheckBox *checkBox() const { return m_checkBox; }
    QLabel *indexLabel() const { return m_indexLabel; }
    QLabel *nameLabel() const { return m_nameLabel; }
    QLabel *sizeLabel() const { return m_sizeLabel; }
    QToolButton *deleteButton() const { return m_deleteButton; }

public slots:
    void checkAction();
    void deleteAction();

protected:
    void mouseEntered() override;
    void mouseExited() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int m_index = -1;
    std::function<void(int, bool)> m_itemCheckAction;
    std::function<void(int)> m_itemDeleteAction;
    CoverBox *m_coverView;
    QCheckBox *m_checkBox;
    QLabel *m_indexLabel;
    QLabel *m_nameLabel;
    QLabel *m_sizeLabel;
    QToolButton *m_deleteButton;
};
