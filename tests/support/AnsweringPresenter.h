#pragma once

#include "DialogPresenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QStringList>

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
    // Refusing, every dialog is recorded but reported as one that cannot be shown.
    void setRefusing(bool refusing) { m_refusing = refusing; }
    // Showing, a dialog without a script appears as the application shows it, for the operator's
    // keys to answer.
    void setShowing(bool showing) { m_showing = showing; }
    QList<QPointer<QDialog>> presented() const { return m_presented; }
    QDialog *last() const { return m_presented.isEmpty() ? nullptr : m_presented.last().data(); }

    bool present(QDialog *dialog, QWidget *parent) override
    {
        m_presented.append(dialog);
        texts.append(dialog->accessibleName());
        if (m_refusing)
            return false;
        if (!m_script.isEmpty())
            m_script.takeFirst()(dialog);
        else if (m_showing)
            return Modalia::DialogPresenter::present(dialog, parent);
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

    // The message of each dialog presented (a dialog's accessible name is its text), kept since an
    // answered dialog is deleted soon after.
    QStringList texts;

private:
    bool m_refusing = false;
    bool m_showing = false;
    QList<Answer> m_script;
    QList<QPointer<QDialog>> m_presented;
};

inline void pressEscape(QWidget *widget)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

// Enter as the operator presses it: the dialog shows (which settles its default button) and the
// key goes to whatever holds the focus, travelling up to the dialog when the focus ignores it.
inline void pressEnter(QDialog *dialog)
{
    dialog->show();
    QApplication::setActiveWindow(dialog);
    QWidget *target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

// Scripted answers: press a button, or type into the field first.
inline AnsweringPresenter::Answer press(const char *button)
{
    return [button](QDialog *dialog) { AnsweringPresenter::press(dialog, QString::fromLatin1(button)); };
}

inline AnsweringPresenter::Answer typeAndPress(const QString &text, const char *button,
                                               const char *field = "inputField")
{
    return [text, button, field](QDialog *dialog) {
        AnsweringPresenter::type(dialog, QString::fromLatin1(field), text);
        AnsweringPresenter::press(dialog, QString::fromLatin1(button));
    };
}

} // namespace orvane::test
