#pragma once

#include "TransientWatch.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>

class QLineEdit;
class QToolButton;
class ComboBoxView;
class dragWindowController;

// Source of a combo box's strings and receiver of the operator's pick. Both methods are
// optional: a delegate that does not override one is treated as not answering it.
class ComboboxDelegate
{
public:
    ComboboxDelegate();
    virtual ~ComboboxDelegate();
    ComboboxDelegate(const ComboboxDelegate &) = delete;
    ComboboxDelegate &operator=(const ComboboxDelegate &) = delete;

    // The strings to offer; asked each time the list opens and each time an index is set from
    // code, possibly from a worker thread in the latter case. std::nullopt (the default) keeps
    // the strings the box already has.
    virtual std::optional<QStringList> contentForCombleBox(ComboBoxView *comboBox);
    // The operator picked the row at index, whose string is value (carriage returns kept).
    virtual void comboBox(ComboBoxView *comboBox, qint64 index, const QString &value);

private:
    friend class ComboBoxView;
    // Lets a combo box hold its delegate weakly, whether or not the delegate is a QObject.
    std::shared_ptr<ComboboxDelegate *> m_anchor;
};

// The application's pick-one-string control: a read-only field with a drop-down button. The
// button opens a frameless popup list right below the field, one 35-pixel row per string.
// Picking a row closes the list, shows the string and tells the delegate; a click outside the
// list and its field, a change of active window, or the button close it without a pick.
// The control does not keep the strings: it asks its delegate each time.
//
// Keyboard: Space, F4 or Alt+Down open the list; Up, Down, Home and End move through it, Return
// or Space pick the highlighted row, Escape closes it. Return on the closed box goes on to its
// dialog. The control keeps the keyboard focus while its list is open.
class ComboBoxView : public QWidget
{
    Q_OBJECT

public:
    explicit ComboBoxView(QWidget *parent = nullptr);
    ~ComboBoxView() override;

    QWidget *contentView() const { return m_contentView; }
    QToolButton *btnDragDown() const { return m_btnDragDown; }
    QLineEdit *infoField() const { return m_infoField; }

    // The chosen string; a null string until something is chosen.
    QString selectString() const { return m_selectString; }

    ComboboxDelegate *delegate() const;
    // Held weakly: a destroyed delegate reads as none.
    void setDelegate(ComboboxDelegate *delegate);

    // When set the list is as tall as all its rows; otherwise as tall as the control is wide,
    // scrolling when the rows need more room.
    bool showFull() const { return m_showFull; }
    void setShowFull(bool showFull) { m_showFull = showFull; }

    // The open (or last) list window; null after the list was closed without a pick.
    dragWindowController *dragWC() const;
    // The strings last obtained from the delegate.
    QStringList contentArray() const { return m_contentArray; }
    void setContentArray(const QStringList &contentArray) { m_contentArray = contentArray; }
    bool isDragWindowShow() const { return m_isDragWindowShow; }

    void showDragWindow();
    void hideDragWindow();

    // Refreshes the strings from the delegate and shows the one at index; an index past the end
    // changes only the strings. The delegate is not told. May be called from any thread: the
    // delegate is asked on the calling thread, the control changes on its own thread.
    void setStringOfIndex(quint64 index);
    // The index of the first string equal to the chosen one; -1 when there is none.
    qint64 selectedIndex() const;
    // The text the field shows.
    QString getSelectedString() const;
    // Empties the field but keeps the choice (selectedIndex still reports it).
    void clearSelectedValue();
    // What the empty field shows, and the value it is heard with: why there is nothing to choose.
    void setPlaceholderText(const QString &text);

    // The list's rectangle in screen coordinates: left edge on the view's, top edge on the
    // view's bottom edge.
    QRect getdragWindowRect(const QWidget *view, int width, int height) const;
    // Whether a screen point lies on the open list or on the field strip above it.
    bool isPointInSubWindow(const QPoint &globalPoint) const;
    // Whether a screen point lies on the view, less the 20 pixels at its right end (where the
    // drop-down button sits).
    bool isPoint(const QPoint &globalPoint, const QWidget *view) const;

public slots:
    // The drop-down button's action: opens a closed list, closes an open one.
    void clickToShowDragWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void windowWillClose();
    void setDragWindowShown(bool shown);
    void showChoice(const QString &text);

    QWidget *m_contentView = nullptr;
    QLineEdit *m_infoField = nullptr;
    QToolButton *m_btnDragDown = nullptr;
    QString m_selectString;
    std::weak_ptr<ComboboxDelegate *> m_delegate;
    bool m_showFull = false;
    QPointer<dragWindowController> m_dragWC;
    // A list closed without a pick stays, hidden, until the next one opens: a screen reader
    // still asks after the row it was on as it takes up the box again, and takes a row that is
    // gone as a jump from nowhere, naming the window and dialog around the box again.
    QPointer<dragWindowController> m_closedWC;
    QStringList m_contentArray;
    bool m_isDragWindowShow = false;
    // A click outside the list and its field, another window taking the focus, or the
    // application losing it closes the list.
    qxkit::TransientWatch m_outside{this, [this](const QWidget *, const QPoint &point) {
                                        return isPointInSubWindow(point);
                                    }};
};
