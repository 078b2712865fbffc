#pragma once

#include "DialogPresenter.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QList>
#include <QPointer>

#include <functional>
#include <memory>

namespace orvane::test {

// Takes every dialog in place of the screen while it exists: records it and answers it with the
// next scripted answer as soon as it is presented. Dialogs without a script stay pending and can
// be answered later; an older, waiting dialog without a script is answered as cancelled, so no
// test ever blocks. Dialogs find their buttons by object name: "confirmBtn"/"cancelBtn" and the
// field "valueText" (Modalia), "btnOK"/"btnCancel" and "inputField" (Utils), "alertButton<i>",
// "DialogSelectButtonCell<row>".
class AnsweringPresenter : public Modalia::DialogPresenter
{
public:
    using Answer = std::function<void(QDialog *dialog)>;

    AnsweringPresenter() { Modalia::DialogPresenter::setCurrent(this); }
    ~AnsweringPresenter() override { Modalia::DialogPresenter::setCurrent(nullptr); }

    void answerNext(Answer answer) { m_script.append(std::move(answer)); }
    QList<QPointer<QDialog>> presented() const { return m_presented; }
    QDialog *last() const { return m_presented.isEmpty() ? nullptr : m_presented.last().data(); }

    bool present(QDialog *dialog, QWidget *) override
    {
        m_presented.append(dialog);
        if (!m_script.isEmpty())
            m_script.takeFirst()(dialog);
        return true;
    }

    void presentAndWait(QDialog *dialog, QWidget *parent) override
    {
        auto finished = std::make_shared<bool>(false);
        QObject::connect(dialog, &QDialog::finished, [finished] { *finished = true; });
        QPointer<QDialog> guard(dialog);
        present(dialog, parent);
        if (guard && !*finished)
            dialog->reject();
    }

    static void press(QDialog *dialog, const QString &buttonName)
    {
        if (auto *button = dialog->findChild<QAbstractButton *>(buttonName))
            button->click();
    }

    static void type(QDialog *dialog, const QString &fieldName, const QString &text)
    {
        if (auto *field = dialog->findChild<QLineEdit *>(fieldName))
            field->setText(text);
    }

private:
    QList<Answer> m_script;
    QList<QPointer<QDialog>> m_presented;
};

} // namespace orvane::test
