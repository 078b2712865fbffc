#pragma once

#include "PopoverController.h"

#include <QStringList>

#include <functional>
#include <optional>

class QPushButton;

namespace Modalia {

// A list of choices in a popover, one button per row, 40 points high with no spacing. The answer
// is called exactly once: with the pressed row, or with std::nullopt when the list closes without
// a pick.
class SelectDialogController : public PopoverController
{
    Q_OBJECT
public:
    using Answer = std::function<void(std::optional<int> row)>;

    SelectDialogController(QSize size, const QStringList &items, Answer answer, PopoverBehavior behavior,
                           QWidget *parent = nullptr);
    ~SelectDialogController() override;

    static constexpr int rowHeight = 40;

    QPushButton *rowButton(int row) const;
    int rowCount() const { return int(m_buttons.size()); }

    void done(int result) override;

public slots:
    void onBtnAction(int row);

private:
    void answer(std::optional<int> row);

    Answer m_answer;
    QList<QPushButton *> m_buttons;
};

} // namespace Modalia
