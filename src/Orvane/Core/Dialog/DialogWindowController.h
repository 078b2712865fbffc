#pragma once

#include "Core/Utils.h"

#include <QDialog>
#include <QRect>

#include <functional>

// The window of the older dialogs: dark, centred on the content area it was opened over,
// holding one content (information, input or confirmation).
class DialogWindowController : public QDialog
{
    Q_OBJECT
public:
    explicit DialogWindowController(QWidget *parent = nullptr);

    // Installs the content of the type with the message and the button actions. Esc and the
    // window's close button run the Cancel action (the information dialog's OK action); an
    // unknown type has no content and Esc simply closes it.
    void setViewControllerWithType(Utils::DialogType type, const QString &info, std::function<void()> okAction,
                                   std::function<void()> cancelAction);
    QWidget *contentViewController() const { return m_content; }

    // The text typed into an input dialog; empty for the other types.
    QString getInput() const;

    QRect superFrame() const { return m_superFrame; }
    void setSuperFrame(const QRect &frame) { m_superFrame = frame; }

    // Closes with the code without running any action.
    void finish(int code);
    bool isFinished() const { return m_finished; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *m_content = nullptr;
    std::function<void()> m_escapeAction;
    QRect m_superFrame;
    bool m_finished = false;
};
