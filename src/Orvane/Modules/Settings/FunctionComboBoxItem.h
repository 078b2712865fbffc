#pragma once

#include "ComboBoxView.h"
#include "FunctionConfigItem.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

class ITSwitch;
class QLabel;
class QXButton;

// Lets the operator pick one of a few named choices of a device setting and send it with the
// sure button, after an optional confirmation. Picking alone changes nothing. An optional switch
// row under the box sends its own instruction at once.
class FunctionComboBoxItem : public FunctionConfigItem, public ComboboxDelegate
{
    Q_OBJECT
public:
    // After a choice send, on the socket thread: the record the send went to, whether the device
    // accepted it, and the value sent (refused: the value the device keeps).
    using BoxCompletion = std::function<void(QXDevice &record, bool accepted, qint64 value)>;
    // After an accepted switch-row send: the record and the state sent.
    using SwitchCompletion = std::function<void(QXDevice &record, bool on)>;

    explicit FunctionComboBoxItem(QWidget *parent = nullptr);
    ~FunctionComboBoxItem() override;

    // `contents` are the shown texts (already localised), `values` the value sent for each; the
    // box selects the row of `currentValue` when there is one. The switch row is shown only with
    // both its title and its code.
    void configure(QXInsCode mainIns, const QString &title, const QStringList &contents, const QList<qint64> &values,
                   qint64 currentValue, const QString &sureTitle,
                   const std::optional<QString> &switchTitle = std::nullopt, bool switchChecked = false,
                   std::optional<QXInsCode> switchIns = std::nullopt);
    // The confirmation question's key; empty sends without asking.
    void setEnsureInfoKey(const QString &key) { m_ensureInfoKey = key; }
    void setBoxCompletion(BoxCompletion completion) { m_boxCompletion = std::move(completion); }
    void setSwitchCompletion(SwitchCompletion completion) { m_switchCompletion = std::move(completion); }

    QLabel *titleLabel() const { return m_titleLabel; }
    ComboBoxView *boxView() const { return m_boxView; }
    QXButton *sureBtn() const { return m_sureBtn; }
    QLabel *switchLabel() const { return m_switchLabel; }
    ITSwitch *switchView() const { return m_switchView; }
    // The device's choice: from configure until an accepted send replaces it.
    qint64 currentValue() const { return m_currentValue; }

    // The sure button: gate, confirmation, send.
    void confirmChoice();
    // The switch row was flipped by the operator.
    void sendSwitchRow();

    // ComboboxDelegate
    std::optional<QStringList> contentForCombleBox(ComboBoxView *comboBox) override;

private:
    void sendChoice();
    void selectCurrentValue();

    std::optional<QXInsCode> m_mainIns;
    QStringList m_contents;
    QList<qint64> m_values;
    std::optional<QXInsCode> m_switchIns;
    QLabel *m_titleLabel = nullptr;
    ComboBoxView *m_boxView = nullptr;
    QXButton *m_sureBtn = nullptr;
    QLabel *m_switchLabel = nullptr;
    ITSwitch *m_switchView = nullptr;
    qint64 m_currentValue = -1;
    QString m_ensureInfoKey;
    BoxCompletion m_boxCompletion;
    SwitchCompletion m_switchCompletion;
};
