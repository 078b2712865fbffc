#include "PopupKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace qxkit {

namespace {

// Hears the application's key events from the press of the key held back to its next press.
class HeldKey : public QObject
{
public:
    using QObject::QObject;

    void hold(int key)
    {
        m_key = key;
        m_releasedAt = 0;
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
            return false;
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (key->key() != m_key)
            return false;
        if (key->isAutoRepeat())
            return true;
        if (type == QEvent::KeyRelease) {
            m_releasedAt = key->timestamp();
            return true;
        }
        // X11 sends each repeat as a release and a press of the same moment. Qt tells them from
        // the key let go by the press that follows, and misses it when that press is still on its
        // way: the pair then comes as a release and a fresh press.
        if (m_releasedAt && key->timestamp() == m_releasedAt && QGuiApplication::platformName() == QLatin1String("xcb"))
            return true;
        qApp->removeEventFilter(this);
        return false;
    }

private:
    int m_key = 0;
    // When the key was let go, as the platform tells the time; 0 while it is held or when the
    // platform tells no time.
    quint64 m_releasedAt = 0;
};

QPointer<HeldKey> held;

// Clicks its button on the press of a key that presses buttons.
class KeyPressClick : public QObject
{
public:
    explicit KeyPressClick(QAbstractButton *button) : QObject(button), m_button(button)
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *press = static_cast<const QKeyEvent *>(event);
        if (press->isAutoRepeat() || (press->key() != Qt::Key_Space && press->key() != Qt::Key_Select))
            return false;
        holdBackKey(*press);
        m_button->click();
        return true;
    }

private:
    QAbstractButton *m_button;
};

} // namespace

void clickOnKeyPress(QAbstractButton *button)
{
    new KeyPressClick(button);
}

void holdBackKey(const QKeyEvent &press)
{
    if (!held)
        held = new HeldKey(qApp);
    held->hold(press.key());
}

} // namespace qxkit
