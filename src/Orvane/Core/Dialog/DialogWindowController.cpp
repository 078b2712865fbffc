#include "DialogWindowController.h"

#include "DialogEnsureViewController.h"
#include "DialogInfoViewController.h"
#include "DialogInputViewController.h"
#include "DialogContent.h"
#include "QXColor.h"
#include "QXView.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int shortestHeight = 220;

// The highest a dialog grows for a long message before its text scrolls: most of the screen.
int tallestHeight(const QWidget *dialog)
{
    const QScreen *screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    return screen ? qMax(shortestHeight, screen->availableGeometry().height() * 3 / 4) : 600;
}

// A content's default button was chosen before the content reached this window, when it had no
// dialog to tell; told again now, Enter confirms instead of pressing the first button in the row.
void reassertDefaultButton(QWidget *content)
{
    for (QPushButton *button : content->findChildren<QPushButton *>()) {
        if (button->isDefault()) {
            button->setDefault(false);
            button->setDefault(true);
            return;
        }
    }
}

// The confirmation and the input content answer the same OK and Cancel blocks.
template <typename Content>
QWidget *questionContent(const QString &info, std::function<void()> okAction, std::function<void()> cancelAction)
{
    auto *content = new Content;
    content->setInfoString(info);
    content->setClickOKAction(std::move(okAction));
    content->setClickCancelAction(std::move(cancelAction));
    return content;
}

} // namespace

DialogWindowController::DialogWindowController(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setPalette(qxkit::darkPalette());
    setAutoFillBackground(true);
    setWindowTitle(QApplication::applicationName());
    setFixedSize(dialogcontent::windowWidth, shortestHeight);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void DialogWindowController::setViewControllerWithType(Utils::DialogType type, const QString &info,
                                                       std::function<void()> okAction,
                                                       std::function<void()> cancelAction)
{
    delete m_content;
    m_content = nullptr;
    m_escapeAction = nullptr;
    switch (type) {
    case Utils::DialogType::ensure:
        m_content = questionContent<DialogEnsureViewController>(info, okAction, cancelAction);
        m_escapeAction = cancelAction;
        break;
    case Utils::DialogType::input:
        m_content = questionContent<DialogInputViewController>(info, okAction, cancelAction);
        m_escapeAction = cancelAction;
        break;
    case Utils::DialogType::info: {
        auto *content = new DialogInfoViewController;
        content->setInfoString(info);
        content->setClickAction(okAction);
        m_content = content;
        m_escapeAction = okAction;
        break;
    }
    }
    if (m_content) {
        layout()->addWidget(m_content);
        setAccessibleName(info);
        reassertDefaultButton(m_content);
        setFixedHeight(qBound(shortestHeight, m_content->sizeHint().height(), tallestHeight(this)));
    }
}

QString DialogWindowController::getInput() const
{
    if (auto *input = qobject_cast<DialogInputViewController *>(m_content))
        return input->getInputString();
    return {};
}

void DialogWindowController::finish(int code)
{
    if (m_finished)
        return;
    m_finished = true;
    QDialog::done(code);
}

void DialogWindowController::done(int result)
{
    if (m_finished)
        return;
    // Esc or the close button: answer as the operator's way out would, then make sure the window
    // really closes even when the action left it open.
    QPointer<DialogWindowController> self(this);
    if (m_escapeAction)
        m_escapeAction();
    if (self)
        finish(result);
}

void DialogWindowController::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_superFrame.isValid() && qxkit::placesOwnWindows())
        move(m_superFrame.center() - QPoint(width() / 2, height() / 2));
}
