#pragma once

#include <QWidget>

class QLabel;

// The column header of the play-list table: name, size, play count, actions.
class PlayListHeaderView : public QWidget
{
    Q_OBJECT
public:
    explicit PlayListHeaderView(QWidget *parent = nullptr);

    QLabel *nameLabel() const { return m_nameLabel; }
    QLabel *sizeLabel() const { return m_sizeLabel; }
    QLabel *timesLabel() const { return m_timesLabel; }
    QLabel *operationLabel() const { return m_operationLabel; }

private:
    QLabel *m_nameLabel;
    QLabel *m_sizeLabel;
    QLabel *m_timesLabel;
    QLabel *m_operationLabel;
};
