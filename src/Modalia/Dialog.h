#pragma once

#include <QException>
#include <QFuture>
#include <QIcon>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace Modalia {

enum class DialogError {
    noWindowToPresent,
};

// The rejection of the dialog promises.
class DialogException : public QException
{
public:
    explicit DialogException(DialogError error) : m_error(error) {}
    DialogError error() const { return m_error; }
    const char *what() const noexcept override;
    void raise() const override { throw *this; }
    DialogException *clone() const override { return new DialogException(*this); }

private:
    DialogError m_error;
};

enum class AlertStyle {
    warning = 0,
    informational = 1,
    critical = 2,
};

// How a popover closes: a transient one also when the operator turns elsewhere (a click outside,
// another window, another application); an application-defined one stays until it is answered or
// Esc is pressed.
enum class PopoverBehavior {
    applicationDefined = 0,
    transient = 1,
    semitransient = 2,
};

// The ready-made dialogs. Each answers exactly once through its callback or promise, also when
// it cannot be shown or is closed without a button: input gets std::nullopt, confirmation and
// choice lists call nothing, alerts call nothing (their promise is rejected with
// DialogError::noWindowToPresent, as is a choice list's that closes without a pick).
// Everything is shown through DialogPresenter::current() on the GUI thread: a call from another
// thread is carried over to it and its callback runs there.
class Dialog
{
public:
    using InputAction = std::function<void(const std::optional<QString> &text)>;

    // A window-modal dialog asking for one line of text over `from`'s window (or the application's
    // window when `from` is null). Missing button texts keep "ov_cancel" / "ov_confirm".
    static void showInput(const QString &title, const std::optional<QString> &cancel,
                          const std::optional<QString> &confirm, QWidget *from, InputAction action);

    // The same dialog for a password: the text echoes as bullets and is never read out.
    static void showPasswordInput(const QString &title, const std::optional<QString> &cancel,
                                  const std::optional<QString> &confirm, QWidget *from, InputAction action);

    // A window-modal confirmation; `confirmed` runs after the dialog is gone, only on confirm.
    static void showConfirm(const QString &title, const std::optional<QString> &cancel,
                            const std::optional<QString> &confirm, QWidget *from,
                            std::function<void()> confirmed);

    // A list of choices next to `relativeTo` (in `of`'s coordinates) on the preferred edge;
    // `size` (0, 0) keeps the list's natural size. `action` receives the row, from 0.
    static void showSelectAsPopover(const QStringList &items, QSize size, QRect relativeTo, QWidget *of,
                                    Qt::Edge preferredEdge, PopoverBehavior behavior, QWidget *from,
                                    std::function<void(int row)> action);

    // An alert over `in`'s window with the buttons in the given order (none: one "ov_confirm"
    // button). The completion receives the pressed button's index, the first being 0.
    static void showAlert(AlertStyle style, const QString &title, const std::optional<QString> &message,
                          const QIcon &icon, const QStringList &buttons, QWidget *in,
                          std::function<void(int index)> completion);

    // Shows `content` in a popover (PopoverController) beside `relativeTo` (in `of`'s coordinates)
    // on the preferred edge, over `of`'s window, and returns the popover; the content closes it
    // with accept() or reject(). GUI thread only. When it cannot be shown, the popover and its
    // content are deleted and nullptr is returned: the caller answers as cancelled.
    static QDialog *showPopover(QWidget *content, QRect relativeTo, QWidget *of, Qt::Edge preferredEdge,
                                PopoverBehavior behavior);

    static QFuture<int> promiseSelectAsPopover(const QStringList &items, QSize size, QRect relativeTo,
                                               QWidget *of, Qt::Edge preferredEdge, PopoverBehavior behavior,
                                               QWidget *from);
    static QFuture<int> promiseAlert(AlertStyle style, const QString &title, const std::optional<QString> &message,
                                     const QIcon &icon, const QStringList &buttons, QWidget *in);

private:
    static void showInputEchoing(bool password, const QString &title, const std::optional<QString> &cancel,
                                 const std::optional<QString> &confirm, QWidget *from, InputAction action);
    static void showSelect(const QStringList &items, QSize size, QRect relativeTo, QWidget *of,
                           Qt::Edge preferredEdge, PopoverBehavior behavior, QWidget *from,
                           std::function<void(std::optional<int> row)> answer);
    static void showAlertAnswering(AlertStyle style, const QString &title, const std::optional<QString> &message,
                                   const QIcon &icon, const QStringList &buttons, QWidget *in,
                                   std::function<void(std::optional<int> index)> answer);
};

} // namespace Modalia
