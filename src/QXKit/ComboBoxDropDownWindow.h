#pragma once

// The drop-down list of ComboBoxView: the frameless window, the list inside it and the painting
// of one row. Only ComboBoxView creates them.

#include <QListView>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QWidget>

class QStringListModel;

// Paints one 35-pixel row: the string in the text colour, on the highlight colour while the
// mouse is over the row or the keyboard has moved onto it.
class dragViewTableCell : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int rowHeight = 35;

    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

// The list inside the window: a list view of its own kind, so that assistive technology sees it
// as the box's list (dragListAccessible).
class dragListView : public QListView
{
    Q_OBJECT

public:
    explicit dragListView(QWidget *parent = nullptr);
};

// The list of strings. Selecting a row is the pick: it records the row and its string and closes
// the window.
class dragViewController : public QWidget
{
    Q_OBJECT

public:
    explicit dragViewController(const QStringList &contentArray, QWidget *parent = nullptr);

    QStringList contentArray() const { return m_contentArray; }
    dragListView *infoTable() const { return m_infoTable; }
    // The row picked, -1 before a pick.
    qint64 selectedIndex() const { return m_selectedIndex; }
    // The string picked (carriage returns kept); a null string before a pick.
    QString infoString() const { return m_infoString; }

    // Keyboard use: moves the highlight one row up (-1) or down (+1) without picking.
    void moveHighlight(int step);
    // Keyboard use: moves the highlight to the first row, or the last, without picking.
    void highlightEnd(bool last);
    // Highlights the row (none for a row out of range), heard as the focus: the list at that row,
    // or the list itself when no row is highlighted.
    void highlightRow(int row);
    // Keyboard use: picks the highlighted row; false when no row is highlighted.
    bool pickHighlighted();

private:
    void tableViewSelectionDidChange();

    QStringList m_contentArray;
    QStringListModel *m_model = nullptr;
    dragListView *m_infoTable = nullptr;
    qint64 m_selectedIndex = -1;
    QString m_infoString;
};

// The list window: a frameless popup of its owner, which every desktop places relative to the
// owner's window (on Wayland a popup surface of that window) and which closes on a press outside
// it. Keys pressed while it is open reach it, and it hands them on to its owner, which keeps the
// keyboard focus. The window and the list inside it are named for assistive technology. Tells
// its owner when it closes, picked or not.
class dragWindowController : public QWidget
{
    Q_OBJECT

public:
    dragWindowController(const QStringList &contentArray, const QString &name, QWidget *owner);

    QStringList contentArray() const { return m_contentArray; }
    dragViewController *dragVC() const { return m_dragVC; }

signals:
    void windowWillClose();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QStringList m_contentArray;
    dragViewController *m_dragVC = nullptr;
};
