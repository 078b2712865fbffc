#pragma once

#include <QList>
#include <QWidget>

#include <memory>

class QPushButton;
class QXProgress;
class QXProgressView;

// A row that shows one progress in a bar. Pausing the progress (how failed work stops) turns the
// bar dark red and makes it say "failed" to assistive technology; resuming gives a dark slate
// track with a white fill and running again. Rebinding the row to another progress forgets the
// previous one completely; a progress already paused shows paused at once.
class ProgressTableCell : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressTableCell(QWidget *parent = nullptr);
    ~ProgressTableCell() override;

    void config(const std::shared_ptr<QXProgress> &progress, const QString &info);

    std::shared_ptr<QXProgress> progress() const { return m_progress; }
    QXProgressView *progressBar() const { return m_progressBar; }
    // Present for the row's layout; restarting work is not offered, so it stays hidden.
    QPushButton *restartButton() const { return m_restartButton; }

private:
    void unbind();
    void showPaused();
    void showResumed();

    QXProgressView *m_progressBar;
    QPushButton *m_restartButton;
    std::shared_ptr<QXProgress> m_progress;
    QList<QMetaObject::Connection> m_connections;
};
