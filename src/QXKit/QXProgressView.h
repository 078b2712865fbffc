#pragma once

#include <QAccessible>
#include <QColor>
#include <QWidget>

class QLabel;

// A horizontal progress bar with an information text on the left and the percentage on the right.
// Assistive technology sees a progress bar named by the text, whose value is the percentage and
// whose description says in words how the work stands; colours alone never tell it.
class QXProgressView : public QWidget
{
    Q_OBJECT
public:
    // Running until the owner says the work ended. Reaching 100% counts as finished by itself.
    enum class State { Running, Finished, Failed };

    explicit QXProgressView(QWidget *parent = nullptr);
    QXProgressView(const QColor &backgroundColor, const QColor &progressColor, const QColor &textColor,
                   QWidget *parent = nullptr);

    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color);
    QColor progressColor() const { return m_progressColor; }
    void setProgressColor(const QColor &color);
    // Applies to the information text only; the percentage keeps the colour it was made with.
    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor &color);
    bool hideProgressLabel() const { return m_hideProgressLabel; }
    void setHideProgressLabel(bool hide);

    // The fraction done. The fill stops at the full width; the percentage may pass 100%. The
    // percentage text follows on the next turn of the event loop. Call on the GUI thread.
    float progress() const { return m_progress; }
    void setProgress(float progress);
    QString text() const { return m_text; }
    void setText(const QString &text);

    // floor(progress × 100) in single precision, then "%": 0.57 gives "57%", 0.999 "99%".
    static QString percentText(float progress);
    // The same floor, as a number: 0 for a fraction that is not a number.
    static int percent(float progress);

    State state() const;
    // The work stopped: the bar keeps what it shows (its look is the owner's) and says it failed,
    // with the reason when there is one.
    void setFailed(const QString &reason = {});
    void setFinished();
    // Work (again) under way.
    void setRunning();
    QString failureReason() const { return m_failureReason; }
    // In words for the operator, translated: "In progress: 45%", "Complete", "Failed at 40%".
    QString stateDescription() const;
    // The percentage while running; otherwise the end in a word ("Failed", "Complete") or the
    // failure's reason.
    QString valueText() const;

    QWidget *backgroundView() const { return m_backgroundView; }
    QWidget *progressView() const { return m_progressView; }
    QWidget *lineView() const { return m_lineView; }
    // Shows the information text, shortened in the middle when it does not fit.
    QLabel *infoLabel() const { return m_infoLabel; }
    QLabel *progressLabel() const { return m_progressLabel; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void configSubViews();
    void layoutBar();
    void showPercentage();
    void showInfo();
    void setState(State state, const QString &reason);
    void announceValue();
    void announce(QAccessible::Event kind);

    QColor m_backgroundColor;
    QColor m_progressColor;
    QColor m_textColor;
    bool m_hideProgressLabel = false;
    float m_progress = 0;
    bool m_fillSpansFullHeight = false;
    State m_state = State::Running;
    QString m_failureReason;
    QString m_text;
    QWidget *m_backgroundView = nullptr;
    QWidget *m_progressView = nullptr;
    QWidget *m_lineView = nullptr;
    QLabel *m_infoLabel = nullptr;
    QLabel *m_progressLabel = nullptr;
};
