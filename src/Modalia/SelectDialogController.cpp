#include "SelectDialogController.h"

#include "QXColor.h"
#include "QXLocalized.h"
#include "QXView.h"

#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace Modalia {

namespace {

// A flat row button that lights up in the theme colour under the mouse or with keyboard focus.
class DialogSelectButtonCell : public QPushButton
{
public:
    DialogSelectButtonCell(const QString &title, int row)
        : QPushButton(title)
    {
        setObjectName(QStringLiteral("DialogSelectButtonCell%1").arg(row));
        setFlat(true);
        setFixedHeight(SelectDialogController::rowHeight);
        setAttribute(Qt::WA_Hover);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        if (underMouse() || hasFocus() || isDown())
            painter.fillRect(rect(), qxkit::globalThemeColor());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(rect().adjusted(12, 0, -12, 0), Qt::AlignVCenter | Qt::AlignLeft, text());
    }
};

} // namespace

SelectDialogController::SelectDialogController(QSize size, const QStringList &items, Answer answer,
                                               PopoverBehavior behavior, QWidget *parent)
    : PopoverController(new QScrollArea, behavior, parent)
    , m_answer(std::move(answer))
{
    setAccessibleName(qxLocalized(QStringLiteral("ov_a11y_choices")));

    auto *list = new QWidget;
    auto *rows = new QVBoxLayout(list);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    for (int row = 0; row < items.size(); ++row) {
        auto *button = new DialogSelectButtonCell(items.at(row), row);
        connect(button, &QPushButton::clicked, this, [this, row] { onBtnAction(row); });
        rows->addWidget(button);
        m_buttons.append(button);
    }
    rows->addStretch();

    auto *scroll = static_cast<QScrollArea *>(content());
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(list);
    // The rows take the focus, the first of them when the list opens; the area only scrolls.
    scroll->setFocusPolicy(Qt::NoFocus);

    if (!size.isEmpty())
        setFixedSize(size);
    else
        resize(200, qBound(rowHeight, int(items.size()) * rowHeight, 10 * rowHeight) + 2);
}

SelectDialogController::~SelectDialogController()
{
    answer(std::nullopt);
}

QPushButton *SelectDialogController::rowButton(int row) const
{
    return m_buttons.value(row);
}

void SelectDialogController::onBtnAction(int row)
{
    answer(row);
    accept();
}

void SelectDialogController::done(int result)
{
    if (result != Accepted)
        answer(std::nullopt);
    QDialog::done(result);
}

void SelectDialogController::answer(std::optional<int> row)
{
    if (auto answer = std::exchange(m_answer, nullptr))
        answer(row);
}

} // namespace Modalia
