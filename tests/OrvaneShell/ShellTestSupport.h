#pragma once

#include "DialogPresenter.h"

#include <QDialog>
#include <QLabel>
#include <QStringList>

// Answers every dialog at once, as if its first button had been pressed, and keeps the texts
// the dialog showed.
class AnsweringPresenter : public Modalia::DialogPresenter
{
public:
    AnsweringPresenter() { Modalia::DialogPresenter::setCurrent(this); }
    ~AnsweringPresenter() override { Modalia::DialogPresenter::setCurrent(nullptr); }

    bool present(QDialog *dialog, QWidget *) override
    {
        record(dialog);
        return false;
    }

    void presentAndWait(QDialog *dialog, QWidget *) override
    {
        record(dialog);
        dialog->accept();
    }

    QStringList shown;

private:
    void record(QDialog *dialog)
    {
        QStringList texts;
        for (const QLabel *label : dialog->findChildren<QLabel *>()) {
            if (!label->text().isEmpty())
                texts << label->text();
        }
        shown << texts.join(u'\n');
    }
};
