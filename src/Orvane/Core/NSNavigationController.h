#pragma once

#include <QList>
#include <QPointer>
#include <QSizeF>
#include <QWidget>

#include <functional>

class QVariantAnimation;

// A stack of screens that shows the top one and slides between the top two on push and pop.
// The root stays at the bottom for the container's whole life. Screens pushed on a container
// become its children; a popped screen is deleted once its transition has finished.
// GUI thread only.
class NSNavigationController : public QWidget
{
    Q_OBJECT
public:
    explicit NSNavigationController(QWidget *rootViewController, QWidget *parent = nullptr);
    ~NSNavigationController() override;

    QWidget *rootViewController() const;
    // The screen shown; during an animated transition still the one being left.
    QWidget *topViewController() const;
    // The stack, bottom first.
    QList<QWidget *> viewControllers() const;

    // Window content sizes applied each time the container appears; zero means none.
    QSizeF minimunSize() const;
    void setMinimunSize(const QSizeF &size);
    QSizeF maximunSize() const;
    void setMaximunSize(const QSizeF &size);

    // A push or pop while a transition runs finishes that transition first.
    void pushViewController(QWidget *viewController, bool animated);
    // Nothing happens with the root alone (nullptr); otherwise the top screen as it stands right
    // after the transition started. A pop that takes the keyboard focus away with the screens it
    // removes gives it to the screen shown again (see orvane::setFocusOnReturn).
    QWidget *popViewControllerAnimated(bool animated);
    // The screens above the root, bottom first; empty (and nothing happens) with the root alone.
    QList<QWidget *> popToRootViewControllerAnimated(bool animated);

    bool isTransitioning() const;
    // Ends a running transition at once, as if its animation had run to the end.
    void finishTransition();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class Slide { none, left, right };

    void adopt(QWidget *viewController);
    // Whether the keyboard focus is lost to this window when the screens go: it is on one of them,
    // or nowhere.
    bool holdsFocus(const QList<QWidget *> &leaving) const;
    void returnFocus(QWidget *viewController);
    void transition(QWidget *from, QWidget *to, Slide slide, std::function<void()> completion);
    void completeTransition();
    void applyWindowSizes();

    QList<QPointer<QWidget>> m_stack;
    QPointer<QWidget> m_top;
    QSizeF m_minimunSize;
    QSizeF m_maximunSize;
    QVariantAnimation *m_animation;
    QPointer<QWidget> m_transitionFrom;
    QPointer<QWidget> m_transitionTo;
    // 1: the incoming screen enters from the right edge; -1: from the left edge.
    int m_slideDirection = 1;
    std::function<void()> m_completion;
};

namespace orvane {

// The container the screen was placed on; nullptr when it never was.
NSNavigationController *navigationController(const QWidget *viewController);
// The control of the screen that gets the keyboard focus when a pop shows the screen again: by
// default the one that had the focus when a screen was pushed over it. A screen sets another one
// after that push (the row that stands for what the operator opened, or saved).
void setFocusOnReturn(QWidget *viewController, QWidget *control);
// The screen directly below this one on its container's stack; nullptr for the root, a screen
// not on a stack, or a container holding fewer than two screens.
QWidget *previewsVC(const QWidget *viewController);

} // namespace orvane
