#pragma once

#include "Dialog.h"

#include <QDialog>

namespace Modalia {

// A small dialog beside an anchor that holds one content widget (a question, a picker). A
// transient popover closes when the operator clicks elsewhere; Esc always closes it. It is named
// for assistive technology after its content and deleted once closed.
class PopoverController : public QDialog
{
    Q_OBJECT
public:
    PopoverController(QWidget *content, PopoverBehavior behavior, QWidget *parent = nullptr);

    QWidget *content() const { return m_content; }

private:
    QWidget *m_content;
};

} // namespace Modalia
