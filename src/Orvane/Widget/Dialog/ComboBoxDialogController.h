#pragma once

#include "ComboBoxView.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;

// Asks the operator to pick one text out of a list: a combo box whose list shows every choice,
// with Cancel and Confirm. Shown as the content of a popover (Modalia::Dialog::showPopover),
// which it closes when answered.
class ComboBoxDialogController : public QWidget, public ComboboxDelegate
{
    Q_OBJECT
public:
    // Receives the position of the chosen text in the list and the text; -1 and none when
    // nothing was chosen.
    using Completion = std::function<void(qint64 index, const std::optional<QString> &text)>;

    ComboBoxDialogController(const QStringList &contents, Completion completion, QWidget *parent = nullptr);

    ComboBoxView *comboBox() const { return m_comboBox; }
    QStringList contents() const { return m_contents; }
    QPushButton *confirmButton() const { return m_confirmBtn; }
    QPushButton *cancelButton() const { return m_cancelBtn; }
    // The question shown above the box; it also names the dialog and the box for assistive
    // technology.
    void setPrompt(const QString &prompt);

    std::optional<QStringList> contentForCombleBox(ComboBoxView *comboBox) override;

public slots:
    // Hands the choice to the completion, then closes.
    void confirmAction();
    // Closes without calling the completion.
    void cancelAction();

private:
    void dismiss(bool confirmed);

    // The buttons' actions, which the buttons call through these members.
    std::function<void()> m_onCancel;
    std::function<void()> m_onConfirm;
    QLabel *m_promptLabel;
    ComboBoxView *m_comboBox;
    QPushButton *m_cancelBtn = nullptr;
    QPushButton *m_confirmBtn = nullptr;
    Completion m_completion;
    QStringList m_contents;
};
