#include "TimerView.h"

#include "AccessibleFactory.h"
#include "IntegerFormatter.h"
#include "QXLocalized.h"
#include "QXView.h"
#include "TimerViewAccessible.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int digitFields = 6;
constexpr int digitStretch = 2;
constexpr int separatorStretch = 1;
const QColor cellBackground(48, 51, 68);

bool isDigit(const QString &character)
{
    return character.size() == 1 && character.at(0) >= u'0' && character.at(0) <= u'9';
}

// The digits a field with the tag accepts: the tens of minutes and seconds stop at 5, the tens
// of hours at 2 (so 24 to 29 can be typed: nothing checks across fields).
bool accepts(int tag, const QString &character)
{
    if (!isDigit(character))
        return false;
    switch (tag) {
    case 1:
        return character.at(0) <= u'2';
    case 3:
    case 5:
        return character.at(0) <= u'5';
    default:
        return true;
    }
}

QString fieldName(int tag)
{
    switch (tag) {
    case 1:
        return qxLocalized(QStringLiteral("ov_a11y_hours_tens"));
    case 2:
        return qxLocalized(QStringLiteral("ov_a11y_hours_units"));
    case 3:
        return qxLocalized(QStringLiteral("ov_a11y_minutes_tens"));
    case 4:
        return qxLocalized(QStringLiteral("ov_a11y_minutes_units"));
    case 5:
        return qxLocalized(QStringLiteral("ov_a11y_seconds_tens"));
    default:
        return qxLocalized(QStringLiteral("ov_a11y_seconds_units"));
    }
}

QFont cellFont()
{
    QFont font;
    font.setPixelSize(16);
    return font;
}

// A digit field never selects its digit when the focus arrives: a screen reader would announce
// the selection, and its loss as "text unselected", at every move between the digits. The
// typed digit is told apart from the old one by where the caret stands, so no selection is
// needed to replace it.
class DigitField : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QFocusEvent unselecting(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&unselecting);
    }
};

// A screen reader reads a focused field's name and role but not a lone digit it holds, which
// only selecting the digit made heard; the digit is told as the field's description instead.
// It is set wherever the view sets a digit: the field's own textChanged comes after a typed key
// has been replaced, with the text as typed.
void describeDigit(QLineEdit *field)
{
    field->setAccessibleDescription(field->text());
}

} // namespace

TimerView::TimerView(QWidget *parent)
    : QWidget(parent)
    , m_formatter(new IntegerFormatter(this))
{
    qxkit::installAccessibleInterface<TimerView, TimerViewAccessible>();
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);

    QPalette fieldPalette = palette();
    fieldPalette.setColor(QPalette::Base, Qt::transparent);
    fieldPalette.setColor(QPalette::Text, Qt::white);
    fieldPalette.setColor(QPalette::WindowText, Qt::white);

    for (int tag = 1; tag <= digitFields; ++tag) {
        auto *field = new DigitField(QStringLiteral("0"));
        field->setFrame(false);
        field->setAlignment(Qt::AlignCenter);
        field->setFont(cellFont());
        field->setPalette(fieldPalette);
        field->setValidator(m_formatter);
        field->setAccessibleName(fieldName(tag));
        describeDigit(field);
        m_fields[tag - 1] = field;
        m_tempStr.append(field->text());
        connect(field, &QLineEdit::textEdited, this, [this, tag] { controlTextDidChange(tag); });
        row->addWidget(addCell(field), digitStretch);

        if (tag == 2 || tag == 4) {
            auto *separator = new QLabel(QStringLiteral(":"));
            separator->setAlignment(Qt::AlignCenter);
            separator->setFont(cellFont());
            separator->setPalette(fieldPalette);
            row->addWidget(addCell(separator), separatorStretch);
        }
    }
}

QWidget *TimerView::addCell(QWidget *field)
{
    auto *background = new QWidget(this);
    background->setAutoFillBackground(true);
    QPalette palette = background->palette();
    palette.setColor(QPalette::Window, cellBackground);
    background->setPalette(palette);
    auto *column = new QVBoxLayout(background);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(field, 0, Qt::AlignVCenter);
    return background;
}

void TimerView::setTimer(const orvane::Time &time)
{
    const QStringList characters = time.getTime();
    for (int tag = 1; tag <= digitFields; ++tag) {
        const QString character = characters.value(tag - 1);
        setFieldText(tag, isDigit(character) ? character : QStringLiteral("0"));
    }
    announceValue();
}

void TimerView::setTimerWithString(const QString &text)
{
    setTimer(orvane::Time::fromString(text));
}

QString TimerView::getTimerString() const
{
    return QStringLiteral("%1%2:%3%4:%5%6")
        .arg(m_fields[0]->text(), m_fields[1]->text(), m_fields[2]->text(), m_fields[3]->text(),
             m_fields[4]->text(), m_fields[5]->text());
}

orvane::Time TimerView::getTimer() const
{
    return orvane::Time(m_fields[0]->text() + m_fields[1]->text(), m_fields[2]->text() + m_fields[3]->text(),
                        m_fields[4]->text() + m_fields[5]->text());
}

QLineEdit *TimerView::getObjectFromTag(int tag) const
{
    if (tag == digitFields + 1)
        return m_fields[0];
    return tag >= 1 && tag <= digitFields ? m_fields[tag - 1] : nullptr;
}

void TimerView::dealInput(const QString &character, int tag)
{
    if (!getObjectFromTag(tag))
        return;
    // A sign or a blank passes the integer check but is no digit: it is refused like an
    // out-of-range digit, so only digits ever reach the time.
    setFieldText(tag, accepts(tag, character) ? character : QStringLiteral("0"));
}

void TimerView::setFieldText(int tag, const QString &text)
{
    m_fields[tag - 1]->setText(text);
    describeDigit(m_fields[tag - 1]);
    m_tempStr[tag - 1] = text;
}

void TimerView::controlTextDidChange(int tag)
{
    QLineEdit *field = m_fields[tag - 1];
    const QString text = field->text();
    if (text.isEmpty()) {
        setFieldText(tag, QStringLiteral("0"));
        announceValue();
        return;
    }

    // With the caret before or after the old digit, the typed character is the one that is not
    // the old digit.
    QString typed;
    if (text.size() == 1)
        typed = text;
    else if (text.size() == 2)
        typed = text.mid(1) == m_tempStr.at(tag - 1) ? text.left(1) : text.mid(1);
    dealInput(typed, tag);
    announceValue();

    if (m_delegate)
        m_delegate->textChanged(m_defaultTime != getTimerString(), m_timeTag);

    QLineEdit *next = getObjectFromTag(tag + 1);
    next->setFocus(Qt::OtherFocusReason);
    next->deselect();
    next->setCursorPosition(1);
}

void TimerView::announceValue()
{
    QAccessibleValueChangeEvent event(this, getTimerString());
    QAccessible::updateAccessibility(&event);
}
