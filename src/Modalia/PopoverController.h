#pragma once

#include "Dialog.h"
#include "TransientWatch.h"

#include <QDialog>
#include <QPointer>

class QPushButton;

namespace Modalia {

// A small frameless dialog beside an anchor that holds one content widget (a question, a
// picker). It is a popup window of its own, which every desktop places relative to the window
// beneath (on Wayland a popup surface of that window), and assistive technology hears it as a
// dialog named after its content. Shown, it takes the focus (its first control, or its default
// button when the first control is a button too) and keeps Tab inside; Enter presses the default
// button and Esc closes it, the focus going back to the control that opened it. A transient
// popover also closes when the operator turns elsewhere (a click outside, another window, another
// application); an application-defined one stays until it is answered, and takes no click
// outside meanwhile. Deleted once closed.
class PopoverController : public QDialog
{
    Q_OBJECT
public:
    PopoverController(QWidget *content, PopoverBehavior behavior, QWidget *parent = nullptr);

    QWidget *content() const { return m_content; }
    bool isTransient() const { return m_behavior != PopoverBehavior::applicationDefined; }
    // The control the focus goes back to: `opener` when it takes the focus, else the widget that
    // holds it now. Assistive technology finds the popover under it, as a control's own popup,
    // within the window the operator is in.
    void setOpener(QWidget *opener);
    QWidget *opener() const { return m_opener; }

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QPushButton *defaultButton() const;
    void returnFocus();

    QWidget *m_content;
    PopoverBehavior m_behavior;
    QPointer<QWidget> m_opener;
    qxkit::TransientWatch m_outside{this};
};

} // namespace Modalia
