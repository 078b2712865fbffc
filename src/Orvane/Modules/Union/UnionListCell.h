#pragma once

#include "UnionSelectableCell.h"

#include <functional>

class QLabel;
class QToolButton;
class UnionData;

// The row of one stored union: its position counted from 1, its name and its grid size
// ("2 x 3", rows first), with a detail and a delete button whose presses go to closures that
// the list screen sets each time it fills the row.
class UnionListCell : public UnionSelectableCell
{
    Q_OBJECT
public:
    static constexpr int kHeight = 54;

    explicit UnionListCell(QWidget *parent = nullptr);

    void configure(const UnionData &data, qint64 index);

    QLabel *indexLabel() const { return m_indexLabel; }
    QLabel *nameLabel() const { return m_nameLabel; }
    QLabel *sizeLabel() const { return m_sizeLabel; }
    QToolButton *detailButton() const { return m_detailButton; }
    QToolButton *deleteButton() const { return m_deleteButton; }

    void setDetailAction(std::function<void()> action) { m_detailAction = std::move(action); }
    // Receives the pressed button, to which a confirmation can be anchored.
    void setDeleteAction(std::function<void(QWidget *button)> action) { m_deleteAction = std::move(action); }

public slots:
    void detailAction();
    void deleteAction();

private:
    QLabel *m_indexLabel;
    QLabel *m_nameLabel;
    QLabel *m_sizeLabel;
    QToolButton *m_detailButton;
    QToolButton *m_deleteButton;
    std::function<void()> m_detailAction;
    std::function<void(QWidget *)> m_deleteAction;
};
