#pragma once

#include <QPointer>
#include <QWidget>

class CollectionContainerView;

// The scrolled content of a CollectionContainerView, the parent of its item widgets. In a view
// that reuses its items it is the list: the Tab stop that leads into the items (and the focus of
// an empty list), the receiver of the item keys the items leave alone, and the list that
// assistive technology reads.
class CollectionContentView : public QWidget
{
    Q_OBJECT
public:
    explicit CollectionContentView(CollectionContainerView *view);

    CollectionContainerView *view() const { return m_view; }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPointer<CollectionContainerView> m_view;
};
